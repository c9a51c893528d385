# SUB8 values start at -128.
    SUB8 0x10 $-129
#@exit 4
#@noobj
#@out Assembling encoding/checks/sub8_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/sub8_range.asm line 2: (error) A3015 value is greater than the operand size

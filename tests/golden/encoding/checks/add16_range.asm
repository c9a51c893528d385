# ADD16 values start at -32768.
    ADD16 0x10 $-32769
#@exit 4
#@noobj
#@out Assembling encoding/checks/add16_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/add16_range.asm line 2: (error) A3015 value is greater than the operand size

# INV8 takes an 8-bit value.
    INV8 0x10 $256
#@exit 4
#@noobj
#@out Assembling encoding/checks/inv8_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/inv8_range.asm line 2: (error) A3015 value is greater than the operand size

# BCLR8 takes an 8-bit bit number.
    BCLR8 0x10 $256
#@exit 4
#@noobj
#@out Assembling encoding/checks/bclr8_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/bclr8_range.asm line 2: (error) A3015 value is greater than the operand size

# LD8 values stop at 255.
    LD8 0x10 $256
#@exit 4
#@noobj
#@out Assembling encoding/checks/ld8_high.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/ld8_high.asm line 2: (error) A3015 value is greater than the operand size

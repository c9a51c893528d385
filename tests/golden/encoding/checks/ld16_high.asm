# LD16 values stop at 65535.
    LD16 0x10 $65536
#@exit 4
#@noobj
#@out Assembling encoding/checks/ld16_high.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/ld16_high.asm line 2: (error) A3015 value is greater than the operand size

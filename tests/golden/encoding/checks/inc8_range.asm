# INC8 takes an 8-bit step.
    INC8 0x10 $256
#@exit 4
#@noobj
#@out Assembling encoding/checks/inc8_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/inc8_range.asm line 2: (error) A3015 value is greater than the operand size

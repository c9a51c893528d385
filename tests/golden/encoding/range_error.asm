# An immediate outside the 8-bit range fails the statement: no object, status 4.
#@exit 4
#@noobj
#@out Assembling encoding/range_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/range_error.asm line 8: (error) A3015 value is greater than the operand size
    LD8 0x10 $255
    LD8 0x10 $256

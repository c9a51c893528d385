# An indirect port operand is refused before the value's range is checked.
#@exit 4
#@noobj
#@out Assembling encoding/indirect_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/indirect_error.asm line 7: (error) A3014 indirect access is not allowed
    OUTPORT (5) $300

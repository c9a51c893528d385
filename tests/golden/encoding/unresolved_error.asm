# Only the first of two unknown operands is reported.
#@exit 4
#@noobj
#@out Assembling encoding/unresolved_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/unresolved_error.asm line 8: (error) A3012 unresolved symbol 'nowhere'
start: NOP
    ADD8 nowhere nothing

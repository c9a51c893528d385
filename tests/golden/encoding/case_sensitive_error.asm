# With -c a name must be written as it was defined.
#@args -c
start:  NOP
        JUMP start
        JUMP START
#@exit 4
#@out Assembling encoding/case_sensitive_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/case_sensitive_error.asm line 5: (error) A3012 unresolved symbol 'START'
#@noobj

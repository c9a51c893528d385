# INT takes a vector number, which cannot be relocated against a label.
#@exit 4
#@noobj
#@out Assembling encoding/not_relocatable_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/not_relocatable_error.asm line 8: (error) A3011 symbol does not need to be relocated
start: NOP
    INT start

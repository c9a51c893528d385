# POP8 has no relocation for a $label operand.
lbl:    NOP
        POP8 $lbl
#@exit 4
#@out Assembling encoding/pop_label_error.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/pop_label_error.asm line 3: (error) A3011 symbol does not need to be relocated
#@noobj

# A JUMP to a name can end at the end of the input; its target is the label above.
#@text 0000 FA00 0000
#@sym here 0 3 0x10 1
#@rel .rel.text 1 2 - 0
here:   NOP
        JUMP here
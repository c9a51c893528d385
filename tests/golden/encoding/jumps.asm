# Jumps and calls: backward and forward label targets, an offset target (its addend is
# halved to words), a numeric target beyond 16 bits, and targets in parentheses.
.DATA
pad .DB 2 1, 2
vec .DW 1 0
.TEXT
start:  JUMP start          #@text FA00 0000
        JGT fwd             #@text FA10 000E
        CALL start+4        #@text FA80 0000
        JUMP 0x10000        #@text FA01 0000
        JUMP (vec)          #@text FA08 0001
        CALL (vec)          #@text FA88 0001
        JNZ (fwd)           #@text FA40 000E
fwd:    RTS                 #@text 0006
        CALLZ start         #@text FAE0 0000
#@rel .rel.text 0 2 start 0
#@rel .rel.text 2 2 fwd 0
#@rel .rel.text 4 4 start 2
#@rel .rel.text 8 2 vec 0
#@rel .rel.text 10 2 vec 0
#@rel .rel.text 12 2 fwd 0
#@rel .rel.text 15 2 start 0

# --listing writes every line, main and included, in the order assembled: the file and line,
# the section, the address (code words in .text, bytes elsewhere), the code words or data
# bytes the line laid down (long data goes on in continuation rows) and the source; lines
# after .ENDP are marked as not assembled; the symbol table closes it. The listing is
# built from what pass two laid down.
#@args --listing $TMP/out.lst
#@file-equals out.lst listing/program.lst
        .INCLUDE "listing/include/ports.inc"
start:  OUTPORT LED $1
        .GLOBAL EXPORT start
        CALL    wait
        JUMP    start
name    .ASCIIZ "blink"             # data in .text starts on a word
wait:   LD8     steps $200
loop:   DEC8    steps $1
        JNZ     loop
        RTS
        .BSS
spare   .DW 4 ?
        .TEXT
        .ENDP
        NOP                         # after .ENDP
#@text B010 0001 FA80 0009 FA00 0000 62 6C 69 6E 6B 00 22C8 0000 8A01 0000 FA40 000B 0006

# Control, flag and interrupt instructions: one code word each, no symbols.
#@sections .text .shstrtab
    NOP             #@text 0000
    HALT            #@text 0001
    WAIT            #@text 0002
    STOP            #@text 0003
    PUSHF           #@text 0004
    POPF            #@text 0005
    RTS             #@text 0006
    IRET            #@text 0007
    INTD            #@text 0041
    INTT            #@text 0042
    DRET            #@text 000C
    HCF             #@text 0010
    SAVEF           #@text 0020
    SWAPF           #@text 0030
    INT 9           #@text 0041
    WAIT 0x25       #@text 0065
    SETZ            #@text 0080
    SETH            #@text 0087
    SETF0           #@text 0088
    SETF7           #@text 008F
    CLRC            #@text 00C1
    CLRF7           #@text 00CF
    CPYF C F7       #@text 011F
    CPYF F0 Z       #@text 0180

# Arithmetic, increment and decrement: the 8-bit operation bits in W1, the weak-name
# address 0xFFFF kept whole, memory and three-operand forms.
#@sections .text .shstrtab
    ADD8 0x10 $5                #@text 6A05 0010
    ADC8 0x10 $5                #@text 6A05 4010
    SUB8 0x10 $5                #@text 6A05 8010
    SBC8 (0x10) $5              #@text 6B05 C010
    MUL16 0x10 $7               #@text 6C40 0010 0007
    DIV32 0x10 $0x12345678      #@text 6E50 0010 5678 1234
    SUB16 0xFFFF $0x1234        #@text 6C20 FFFF 1234
    NEG16 0x4010 $1             #@text 6C70 0010 0001
    ADC16 0x10 (0x20)           #@text 7411 4020 0010
    MUL32 0x10 0x20             #@text 7440 8020 0010
    REM8 0x10 0x20              #@text 7460 0020 0010
    ADD8 0x10 (0x20) 0x30       #@text 7601 0020 0030 0010
    SBC32 0x10 0x20 0x30        #@text 7630 8020 0030 0010
    INC8 0x10 $1                #@text 8201 0010
    INC32 (0x10) $0x80          #@text 8380 8010
    DEC16 0x10 $-1              #@text 8AFF 4010

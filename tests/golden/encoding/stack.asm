# Stack-pointer, push and pop instructions with immediate and address operands.
#@sections .text .shstrtab
    SP_LOAD $0x1234         #@text 0A00 1234
    SP_LOAD 0x100           #@text 1B00 0100
    SP_LOAD (0x100)         #@text 1B01 0100
    SP_STORE 0x22           #@text 1A00 0022
    SP_INC $0x1F            #@text 081F
    SP_DEC $2               #@text 0902
    SP_WR8 0x4005 $0x7F     #@text 127F 0005
    SP_WR16 0x10 $-1        #@text 12FF 4010
    SP_RD32 5 $3            #@text 1303 8005
    PUSH8 $0x1AB            #@text E8AB
    PUSH16 $0x1234          #@text EA00 1234
    PUSH32 $0x12345678      #@text EC00 5678 1234
    PUSH8 0x10              #@text F200 0010
    PUSH16 (0x10)           #@text F201 4010
    PUSH32 0x10             #@text F200 8010
    POP8 $5                 #@text F300 0005
    POP16 0x20              #@text F340 0020
    POP32 (0x20)            #@text F381 0020

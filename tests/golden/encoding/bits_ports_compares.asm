# Bit tests and changes, inversion and copies, port access and compares.
#@sections .text .shstrtab
    BTST16 (0x10) $33           #@text 9601 4010
    BTST8 0x10 $3 C             #@text 9423 0010
    BCLR8 0x10 $7               #@text A207 0010
    BSET32 (0x10) $31           #@text A2BF 8010
    INV16 0x10 $0               #@text 4200 4010
    INV8 (0x10) (0x20)          #@text 4541 0020 0010
    CPY32 0x10 $3               #@text 4400 8003 0010
    CPY8 0x10 0x20              #@text 4400 0020 0010
    OUTPORT 0x1FF $0x12         #@text B1FF 0012
    OUTPORT 5 (0x20)            #@text B605 0020
    INPORT 0x1FF (0x30)         #@text BFFF 0030
    ANDPORT 0x105 $0x7F         #@text B905 007F
    ORPORT 5 $1                 #@text BA05 0001
    ANDPORT 5 5 $0x7F           #@text C005 007F 0005
    ORPORT 5 0x20 $1            #@text C405 0001 0020
    PORTTST 7 $0x25             #@text C807 0005
    PORTTST 0x1FF $3 F7         #@text C9FF 01E3
    CMP8 0x10 $-1               #@text DAFF 0010
    CMP16 (0x10) $0x8000        #@text DD00 0010 8000
    CMP32 0x10 $0x12345678      #@text DE00 0010 5678 1234
    CMP16 (0x10) (0x20)         #@text E501 4010 0020

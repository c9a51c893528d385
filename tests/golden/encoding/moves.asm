# Loads, table reads, code writes and block copies, with the range limits of LD8 and
# LD16 and the signed CPYMEM count.
#@sections .text .shstrtab
    LD8 0x1234 $255             #@text 22FF 1234
    LD8 (0x10) $-128            #@text 2380 0010
    LD16 0x10 $65535            #@text 2400 0010 FFFF
    LD16 0x10 $-32768           #@text 2400 0010 8000
    LD32 (0x10) $0x12345678     #@text 2700 0010 5678 1234
    TXL (0x4001) 0x4002         #@text FD01 0002 0001
    WRCODE 0x10 0x20            #@text FD20 0020 0010
    CPYROM (0x10) 0x20 $0xFF    #@text 2DFF 0020 0010
    CPYMEM 0x10 (0x20) $-3      #@text 7C03 8020 0010
    CPYMEM 0x10 0x20 $3         #@text 7C02 C020 0010

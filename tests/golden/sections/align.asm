# .EVEN and .ODD align text by words and data by bytes; the skipped bytes are zeros.
        NOP
        .EVEN
        HALT
        .DATA
a       .DB 1 1
        .EVEN
b       .DB 1 2
        .ODD
        .EVEN
        .ODD
c       .DB 1 3
#@text 0000 0000 0001
#@data 01 00 02 00 00 03
#@sym a 0 1 0x10 2
#@sym b 2 1 0x10 2
#@sym c 5 1 0x10 2

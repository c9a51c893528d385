# .EVEN and .ODD align text by words (.EVEN to a multiple of four bytes, .ODD to two past
# one) and data by bytes; the skipped bytes are zeros.
        NOP
        .EVEN
        HALT
        .EVEN
        .ODD
        HALT
        .ODD
        HALT
        .DATA
a       .DB 1 1
        .EVEN
b       .DB 1 2
        .ODD
        .EVEN
        .ODD
c       .DB 1 3
#@text 0000 0000 0001 0000 0000 0001 0000 0001
#@data 01 00 02 00 00 03
#@sym a 0 1 0x10 2
#@sym b 2 1 0x10 2
#@sym c 5 1 0x10 2

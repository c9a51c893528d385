# Names in .GLOBAL and .WEAK lists may be written between double quotes.
        .DATA
a       .DB 1 1
b       .DB 1 2
        .GLOBAL EXPORT a, "b"
        .WEAK "w"
#@sym a 0 1 0x1D 1
#@sym b 1 1 0x1D 1
#@sym w 0xFFFF 1 0x12 1

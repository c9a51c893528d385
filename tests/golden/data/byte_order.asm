# Element byte orders of .DB, .DW, .DD (little-endian) and .CONST (big-endian, always
# in .data), zeros for missing values, and the `?` form that reserves .bss.
        .DATA
bytes   .DB 4 1, 2
words   .DW 2 0x1234
dbl     .DD 1 0x11223344
chars   .DB 3 'a', 'b'
str     .DB 4 "hi"
big     .CONST 0x1234
rsv     .DW 3 ?
        .TEXT
tc      .CONST 0xABCD
#@sections .data .bss .symtab .strtab .shstrtab
#@data 01 02 00 00  34 12 00 00  44 33 22 11  61 62 00  68 69 00 00  12 34  AB CD
#@bss 00 00 00 00 00 00
#@sym bytes 0 4 0x10 1
#@sym words 4 4 0x10 1
#@sym dbl 8 4 0x10 1
#@sym chars 12 3 0x10 1
#@sym str 15 4 0x10 1
#@sym rsv 0 6 0x10 2
#@sym big 19 2 0x10 1
#@sym tc 21 2 0x10 1

# Structure instances: two nibbles in one byte, a word at byte 1, a 3-bit field across a
# byte boundary, and identifier members relocated as 16- and 32-bit pointers (`ptr` is
# .symtab entry 0, shown as `-`).
        .DATA
ptr     .DW 1 0
nib     .DATA_DEF 1
nib     .DATA_INIT 0xA 0 4 4
nib     .DATA_INIT 0x5 4 4 4
nib     .DATA_DEF_END
wrd     .DATA_DEF 3
wrd     .DATA_INIT 0x1234 8 16 16
wrd     .DATA_DEF_END
bits    .DATA_DEF 2
bits    .DATA_INIT 7 6 3 3
bits    .DATA_DEF_END
refs    .DATA_DEF 6
refs    .DATA_INIT ptr 0 16 16
refs    .DATA_INIT nib 16 32 32
refs    .DATA_DEF_END
#@data 00 00  A5  00 34 12  03 80  00 00 00 00 00 00
#@sym ptr 0 2 0x10 1
#@sym nib 2 1 0x10 1
#@sym wrd 3 3 0x10 1
#@sym bits 6 2 0x10 1
#@sym refs 8 6 0x10 1
#@rel .rel.data 8 7 - 0
#@rel .rel.data 10 3 nib 0

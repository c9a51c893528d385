# .ASCII lays down the characters between the quotes, .ASCIIZ adds a zero; .EQU names a
# constant that needs no relocation.
        .DATA
s1      .ASCII "ab\x41"
s2      .ASCIIZ "c"
seven   .EQU 7
n       .DB 1 0
#@data 61 62 41 63 00 00
#@sym s1 0 3 0x10 1
#@sym s2 3 2 0x10 1
#@sym n 5 1 0x10 1

# Escapes may put zero and high bytes into a string, and a string after a `?` reservation
# still goes to .data, never to .bss.
        .DATA
rsv     .DB 2 ?
s       .ASCII "x\0\xE9"
z       .ASCIIZ "\101\x42"
#@data 78 00 E9  41 42 00
#@bss 00 00
#@sym rsv 0 2 0x10 2
#@sym s 0 3 0x10 1
#@sym z 3 3 0x10 1

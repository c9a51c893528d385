# .ASCIIZ of an empty string is its terminating zero alone (an empty .ASCII is refused:
# empty_string.asm).
        .DATA
e       .ASCIIZ ""
#@data 00
#@sym e 0 1 0x10 1

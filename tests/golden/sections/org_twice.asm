# Two origins: the text section keeps the code at its addresses, preceded by zeros up to
# the first origin, and there is no entry point.
        .ABS
        .ORG 0x2
first:  NOP
        .ORG 0x4
second: HALT
#@header e_entry=0
#@text 0000 0000 0000 0000 0001
#@sym first 2 1 0x14 1
#@sym second 4 1 0x14 1

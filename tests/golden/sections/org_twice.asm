# Two origins: the text section keeps the code at its addresses, preceded by zeros up to
# the first origin, and there is no entry point. Relocation offsets are word addresses
# from the start of the section (`first` is .symtab entry 0, shown as `-`).
        .ABS
        .ORG 0x2
first:  NOP
        JUMP first
        .ORG 0x6
second: HALT
#@header e_entry=0
#@text 0000 0000 0000 FA00 0002 0000 0001
#@sym first 2 3 0x14 1
#@sym second 6 1 0x14 1
#@rel .rel.text 3 2 - 0

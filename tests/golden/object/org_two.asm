# Two text origins: e_entry stays 0 and the section starts with as many zero bytes as
# the first origin's byte address, so each block sits at its address.
    .ABS
    .ORG 2
    HALT
    .ORG 4
    HALT
#@text 0000 0000 0001 0000 0001
#@sections .text .shstrtab
#@header e_entry=0 e_shnum=3 e_shstrndx=2

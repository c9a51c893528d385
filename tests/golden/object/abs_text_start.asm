# In an absolute program whose code starts before the first text origin, that origin
# (a word address) is the text start address and goes to sh_addralign of .text.
        .ABS
        NOP
        .ORG 0x10
        HALT
#@text 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0000 0001
#@shdr .text sh_addralign=0x10
#@header e_entry=0

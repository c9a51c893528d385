# An absolute program with one text origin: the code starts at the section's first
# byte and the origin (a byte address) goes to e_entry; relocation offsets count from
# the origin. The first origin after .ABS (here in data) is the data start address,
# written to sh_addralign.
    .ABS
    .DATA
    .ORG 6
V   .DB 1 0x55      #@data 55
    .TEXT
    .ORG 0x10
START:
    HALT            #@text 0001
    JUMP START      #@text FA00 0010
#@sections .text .data .symtab .strtab .rel.text .shstrtab
#@sym V 6 1 0x14 2
#@sym START 0x10 3 0x14 1
#@rel .rel.text 1 2 START 0
#@header e_entry=0x20 e_shstrndx=6
#@shdr .text sh_addralign=0
#@shdr .data sh_addralign=6

# Data without code: .text is left out, so the data symbols' section index 2 becomes 1
# and the bss symbol's 3 becomes 2.
    .DATA
VALS .DB 3 1,2,3
WORD .DW 1 0x1234
BUF  .DB 4 ?
#@data 01 02 03 34 12
#@bss 00 00 00 00
#@sections .data .bss .symtab .strtab .shstrtab
#@sym VALS 0 3 0x10 1
#@sym WORD 3 2 0x10 1
#@sym BUF 0 4 0x10 2
#@header e_shnum=6 e_shstrndx=5
#@shdr .data sh_type=1 sh_flags=3
#@shdr .bss sh_type=8 sh_flags=3 sh_size=4

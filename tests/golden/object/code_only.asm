# Code without data or relocations: only .text, .symtab, .strtab and .shstrtab are
# kept, so .shstrtab is section 4 and the name table holds just those four names.
START:
    NOP             #@text 0000
    HALT            #@text 0001
NEXT:
    SETZ            #@text 0080
    HALT            #@text 0001
#@sections .text .symtab .strtab .shstrtab
#@sym START 0 2 0x10 1
#@sym NEXT 2 2 0x10 1
#@section .strtab 00 53 54 41 52 54 00 4e 45 58 54 00
#@section .shstrtab 00 2e 74 65 78 74 00 2e 73 79 6d 74 61 62 00 2e 73 74 72 74 61 62 00 2e 73 68 73 74 72 74 61 62 00
#@header e_shnum=5 e_shstrndx=4 e_entry=0
#@shdr .text sh_type=1 sh_flags=6 sh_offset=52 sh_size=8 sh_info=0 sh_addralign=0
#@shdr .symtab sh_type=2 sh_flags=2 sh_link=0 sh_entsize=16

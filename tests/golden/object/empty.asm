# A source without statements: every section is empty and left out, so the object
# holds only the section-name table, at index 1.
#@sections .shstrtab
#@section .shstrtab 00 2e 73 68 73 74 72 74 61 62 00
#@header e_shnum=2 e_shstrndx=1 e_shoff=63 e_entry=0 e_type=1 e_machine=0xF261
#@shdr .shstrtab sh_name=1 sh_type=3 sh_flags=0 sh_offset=52 sh_size=11 sh_link=0 sh_info=0 sh_entsize=0

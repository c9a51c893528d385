# A jump to a label: .rel.text joins the object between .strtab and .shstrtab and
# links to .symtab (section 2).
START:
    HALT            #@text 0001
LOOP:
    JUMP LOOP       #@text FA00 0001
#@sections .text .symtab .strtab .rel.text .shstrtab
#@sym START 0 1 0x10 1
#@sym LOOP 1 2 0x10 1
#@rel .rel.text 1 2 LOOP 0
#@header e_shnum=6 e_shstrndx=5
#@shdr .rel.text sh_type=4 sh_link=2 sh_info=0 sh_entsize=12

# A section made by .SECTION follows .shstrtab, keeps the quotes of its name and takes
# its type and flags from the directive ("aw": 2 + 1). The first .SECTION of a name
# creates the section; naming it again makes it current.
    HALT                        #@text 0001
    .SECTION ".mine" aw 1
    .SECTION ".mine" aw 1
V   .DB 2 1,2                   #@section ".mine" 01 02
#@sections .text .symtab .strtab .shstrtab ".mine"
#@shdr ".mine" sh_type=1 sh_flags=3 sh_link=0 sh_info=0 sh_size=2
#@header e_shnum=6 e_shstrndx=4

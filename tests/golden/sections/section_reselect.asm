# Every flag letter and a type code from the processor range: "awxM" sets 2 + 1 + 4 and
# the mask 0xF0000000, type 12 is 0x70000000. A later .SECTION of the name, spelt in
# another case, only selects the section; its flags and type are not examined.
        .SECTION ".vec" awxM 12
        .SECTION ".VEC" q 99
v       .DB 2 1, 2
#@sections .symtab .strtab .shstrtab ".vec"
#@section ".vec" 01 02
#@shdr ".vec" sh_type=0x70000000 sh_flags=0xF0000007

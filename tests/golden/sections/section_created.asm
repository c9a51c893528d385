# A new .SECTION is created in pass two but not selected, so the data after it stays in
# .data and the empty section is left out of the object.
        .DATA
d       .DB 1 1
        .SECTION "vars" aw 1
e       .DB 1 2
#@sections .data .symtab .strtab .shstrtab
#@data 01 02
#@sym d 0 1 0x10 1
#@sym e 1 1 0x10 1

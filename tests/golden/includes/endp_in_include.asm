# .ENDP inside an included file ends the whole source.
        .DATA
a       .DB 1 1
        .INCLUDE "includes/include/stop.inc"
never   .DB 1 9
#@sections .data .symtab .strtab .shstrtab
#@data 01 02
#@sym a 0 1 0x10 1
#@sym b 1 1 0x10 1

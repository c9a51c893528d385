# A variable of datatype "int" refers to the "int" base type entry; a pointer
# variable refers to its pointer entry, which refers to "char" and carries the
# variable's size in bytes. Declared in data, both belong to the compile unit.
#@args -d 1
#@sections .debug_abbrev .debug_info .debug_info_reloc .shstrtab
        .FILE "main.c"
        .DATA
        .VARIABLE "count" 32 "int" SIGNED NORMAL 4 NORMAL 0 0 3
        .VARIABLE "p" 16 "char" UNSIGNED POINTER 6 NORMAL 0 1 4
#@rel .debug_info_reloc 6 18 - 4
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 15 34 00 03 08 3a 06 3b 06
#@section .debug_abbrev 02 06 49 13 00 00 16 0f 00 0b 05 49 13 00 00 00
#@section .debug_info 69 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 63 6f 75 6e 74 00 01 00 00 00 03 00 00 00 04 00 00 00 76 00 00 00 15
#@section .debug_info 70 00 01 00 00 00 04 00 00 00 06 00 00 00 61 01 00 00 16 02 00 38 00 00
#@section .debug_info 00 00

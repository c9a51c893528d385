# A variable whose datatype is a typedef declared further down: the reference is
# resolved once every entry exists and points at the typedef entry.
#@args -d 1
#@sections .debug_abbrev .debug_info .debug_info_reloc .shstrtab
        .FILE "main.c"
        .DATA
        .VARIABLE "speed" 16 "speed_t" UNSIGNED NORMAL 0 NORMAL 0 0 7
        .TYPEDEF "speed_t" "unsigned short"
#@rel .debug_info_reloc 6 18 - 4
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 15 16 00 03 08 49 13 00 00
#@section .debug_abbrev 00
#@section .debug_info 5c 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 73 70 65 65 64 00 01 00 00 00 07 00 00 00 00 00 00 00 4e 01 00 00 15
#@section .debug_info 73 70 65 65 64 5f 74 00 aa 00 00 00 00

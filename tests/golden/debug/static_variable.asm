# A variable whose offset operand is negative lives at the address of the label of
# the same name (found ignoring case): its location gets a type-21 relocation against
# that .symtab entry.
# The "static" modifier word marks it with static_link.
#@args -d 1
#@sections .data .symtab .strtab .debug_abbrev .debug_info .debug_info_reloc .shstrtab
        .FILE "main.c"
        .DATA
first   .DW 1 0
counter .DW 1 0
        .VARIABLE "Counter" 16 "short" SIGNED NORMAL -1 NORMAL 0 0 4 static
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 328 21 counter 4
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 34 00 03 08 3a 06 3b 06 02 06 48 0c 49 13 00 00 00
#@section .debug_info 52 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 43 6f 75 6e 74 65 72 00 01 00 00 00 04 00 00 00 ff ff ff ff 01 9e 00
#@section .debug_info 00 00 00

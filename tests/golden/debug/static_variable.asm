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
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00 02 24 00 03 08
#@section .debug_abbrev 0d 05 0b 05 3e 0b 00 00 03 24 00 03 08 0d 05 0b 05 3e 0b 00 00 04 24 00
#@section .debug_abbrev 03 08 0d 05 0b 05 3e 0b 00 00 05 24 00 03 08 0d 05 0b 05 3e 0b 00 00 06
#@section .debug_abbrev 24 00 03 08 0d 05 0b 05 3e 0b 00 00 07 24 00 03 08 0d 05 0b 05 3e 0b 00
#@section .debug_abbrev 00 08 24 00 03 08 0d 05 0b 05 3e 0b 00 00 09 24 00 03 08 0d 05 0b 05 3e
#@section .debug_abbrev 0b 00 00 0a 24 00 03 08 0d 05 0b 05 3e 0b 00 00 0b 24 00 03 08 0d 05 0b
#@section .debug_abbrev 05 3e 0b 00 00 0c 24 00 03 08 0d 05 0b 05 3e 0b 00 00 0d 24 00 03 08 0d
#@section .debug_abbrev 05 0b 05 3e 0b 00 00 0e 24 00 03 08 0d 05 0b 05 3e 0b 00 00 0f 24 00 03
#@section .debug_abbrev 08 0d 05 0b 05 3e 0b 00 00 10 24 00 03 08 0d 05 0b 05 3e 0b 00 00 11 24
#@section .debug_abbrev 00 03 08 0d 05 0b 05 3e 0b 00 00 12 24 00 03 08 0d 05 0b 05 3e 0b 00 00
#@section .debug_abbrev 13 24 00 03 08 0d 05 0b 05 3e 0b 00 00 14 34 00 03 08 3a 06 3b 06 02 06
#@section .debug_abbrev 48 0c 49 13 00 00 00
#@section .debug_info 52 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00 02 76 6f
#@section .debug_info 69 64 00 00 00 00 00 05 03 63 68 61 72 00 08 00 01 00 06 04 75 6e 73 69
#@section .debug_info 67 6e 65 64 20 63 68 61 72 00 08 00 01 00 08 05 6c 6f 6e 67 00 20 00 04
#@section .debug_info 00 05 06 75 6e 73 69 67 6e 65 64 20 6c 6f 6e 67 00 20 00 04 00 07 07 69
#@section .debug_info 6e 74 00 20 00 04 00 05 08 75 6e 73 69 67 6e 65 64 20 69 6e 74 00 20 00
#@section .debug_info 04 00 07 09 70 6f 72 74 00 08 00 01 00 05 0a 73 68 6f 72 74 00 10 00 02
#@section .debug_info 00 05 0b 75 6e 73 69 67 6e 65 64 20 73 68 6f 72 74 00 10 00 02 00 07 0c
#@section .debug_info 61 64 64 72 65 73 73 00 10 00 02 00 07 0d 72 6f 6d 00 20 00 04 00 07 0e
#@section .debug_info 63 68 61 72 61 64 64 72 65 73 73 00 10 00 02 00 07 0f 73 68 6f 72 74 61
#@section .debug_info 64 64 72 65 73 73 00 10 00 02 00 07 10 69 6e 74 61 64 64 72 65 73 73 00
#@section .debug_info 10 00 02 00 07 11 63 68 61 72 72 6f 6d 00 20 00 04 00 07 12 73 68 6f 72
#@section .debug_info 74 72 6f 6d 00 20 00 04 00 07 13 69 6e 74 72 6f 6d 00 20 00 04 00 07 14
#@section .debug_info 43 6f 75 6e 74 65 72 00 01 00 00 00 04 00 00 00 ff ff ff ff 01 9e 00 00
#@section .debug_info 00 00

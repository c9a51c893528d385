# Where a description goes depends on the section it is completed in: in text before
# any .FUNCTION it waits for the next function and becomes one of its locals (the
# variable "early" and the enumeration E); typedefs are always global; in data it
# belongs to the compile unit. A .LINE at an odd text address records the next even one.
#@args -d 1
        .FILE "main.c"
        .VARIABLE "early" 16 "int" 0 0 2 0 0 0 3
        .ENUM "E"
        .ENUMERATOR "A" 1
        .ENUM_END "E"
        .TYPEDEF "T" "int"
odd     .DB 1 5
        .LINE 7
f:
        .FUNCTION "f"
        .RETURN "int" 16 0 0 0 0 0 0
        NOP
        .FUNC_END "f"
        .DATA
        .VARIABLE "global" 16 "int" 0 0 4 0 0 0 9
#@sections .text .symtab .strtab .debug_abbrev .debug_info .debug_line .debug_info_reloc .debug_raw_line .shstrtab
#@text 05 00 00 00
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 16 00 03 08 49 13 00 00 15 2e 00 03 08 11 01 12 01 27 0c 2a 06 01 13
#@section .debug_abbrev 49 13 00 00 16 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 17 04 01 03 08
#@section .debug_abbrev 0b 05 01 13 00 00 18 28 00 03 08 1c 06 00 00 19 34 00 03 08 3a 06 3b 06
#@section .debug_abbrev 02 06 49 13 00 00 00
#@section .debug_info 96 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 05 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 54 00 76 00 00 00 15 66 00 02 00 00 00 05 00 00 00 01 00 00 00 00 7d
#@section .debug_info 01 00 00 76 00 00 00 16 65 61 72 6c 79 00 01 00 00 00 03 00 00 00 02 00
#@section .debug_info 00 00 76 00 00 00 17 45 00 04 00 7d 01 00 00 18 41 00 01 00 00 00 19 67
#@section .debug_info 6c 6f 62 61 6c 00 01 00 00 00 09 00 00 00 04 00 00 00 76 00 00 00 00
#@section .debug_line 2a 00 00 00 02 00 1c 00 00 00 02 01 01 06 0a 00 00 00 00 00 00 00 00 00
#@section .debug_line 2e 00 00 6d 61 69 6e 2e 63 00 01 00 00 00 03 06 02 01 01 00 01 01
#@section .debug_raw_line 01 00 02 00 00 00 06 00
#@sym odd 0 1 0x10 1
#@sym f 1 1 0x20 1
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 0x21 19 - 0
#@rel .debug_info_reloc 0x29 22 - 4
#@rel .debug_info_reloc 0x141 20 f 4

# A function's return type extends its own modifier words: r1 two array levels and a
# pointer level; r2 the words first ("extern" is a flag and marks the subprogram
# external), then the array levels; r3 a written "pointer" stands for the return's
# pointer levels after "volatile"; r4 a plain return type refers to the base type.
#@args -d 1
        .FILE "main.c"
r1:
        .FUNCTION "r1"
        .RETURN "int" 16 0 1 0 1 2 1
        .FUNC_END "r1"
r2:
        .FUNCTION "r2" const, extern
        .RETURN "int" 16 0 1 0 1 2 1
        .FUNC_END "r2"
r3:
        .FUNCTION "r3" volatile, pointer
        .RETURN "int" 16 0 1 0 0 0 2
        .FUNC_END "r3"
r4:
        .FUNCTION "r4"
        .RETURN "int" 16 0 0 0 0 0 0
        NOP
        .FUNC_END "r4"
#@sections .text .symtab .strtab .debug_abbrev .debug_info .debug_info_reloc .shstrtab
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 2e 00 03 08 11 01 12 01 27 0c 2a 06 01 13 49 13 00 00 15 01 00 0b 05
#@section .debug_abbrev 49 13 00 00 16 01 00 0b 05 49 13 00 00 17 0f 00 0b 05 49 13 00 00 18 2e
#@section .debug_abbrev 00 03 08 11 01 12 01 3f 0c 27 0c 2a 06 01 13 49 13 00 00 19 26 00 49 13
#@section .debug_abbrev 00 00 1a 01 00 0b 05 49 13 00 00 1b 01 00 0b 05 49 13 00 00 1c 2e 00 03
#@section .debug_abbrev 08 11 01 12 01 27 0c 2a 06 01 13 49 13 00 00 1d 35 00 49 13 00 00 1e 0f
#@section .debug_abbrev 00 0b 05 49 13 00 00 1f 0f 00 0b 05 49 13 00 00 20 2e 00 03 08 11 01 12
#@section .debug_abbrev 01 27 0c 2a 06 01 13 49 13 00 00 00
#@section .debug_info d8 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 03 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 72 31 00 00 00 00 00 01 00 00 00 01 00 00 00 00 65 01 00 00 50 01 00
#@section .debug_info 00 15 02 00 57 01 00 00 16 02 00 5e 01 00 00 17 02 00 76 00 00 00 18 72
#@section .debug_info 32 00 00 00 00 00 01 00 00 00 01 01 00 00 00 00 92 01 00 00 7f 01 00 00
#@section .debug_info 19 84 01 00 00 1a 02 00 8b 01 00 00 1b 02 00 76 00 00 00 1c 72 33 00 00
#@section .debug_info 00 00 00 01 00 00 00 01 00 00 00 00 be 01 00 00 ab 01 00 00 1d b0 01 00
#@section .debug_info 00 1e 02 00 b7 01 00 00 1f 02 00 76 00 00 00 20 72 34 00 00 00 00 00 03
#@section .debug_info 00 00 00 01 00 00 00 00 d7 01 00 00 76 00 00 00 00
#@sym r1 0 0 0x20 1
#@sym r2 0 0 0x20 1
#@sym r3 0 0 0x20 1
#@sym r4 0 1 0x20 1
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 0x21 19 - 0
#@rel .debug_info_reloc 0x29 22 - 4
#@rel .debug_info_reloc 0x13b 20 - 4
#@rel .debug_info_reloc 0x169 20 r2 4
#@rel .debug_info_reloc 0x196 20 r3 4
#@rel .debug_info_reloc 0x1c2 20 r4 4

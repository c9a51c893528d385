# How modifier words combine with the pointer and array flags into a chain of type
# entries; each parameter pN is described like the variable aN and gets the same chain.
# a1: three array levels, then one pointer level. a2: a written "pointer" makes the
# levels one array. a3: "pointer" without the pointer flag is dropped, "const" stays.
# a4: the words, then the pointer levels. a5: a written "pointer" stands for the
# pointer levels. a6: a written "array" adds one level to the two. a7: with words, the
# pointer levels are dropped. a8: extern and static are flags, not modifiers (an
# extern variable has no declaration place).
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "a1" 16 "int" 0 1 4 1 3 1 2
        .VARIABLE "a2" 16 "int" 0 1 4 1 3 1 3 pointer
        .VARIABLE "a3" 16 "int" 0 0 4 0 0 0 4 pointer, const
        .VARIABLE "a4" 16 "int" 0 1 4 0 0 2 5 const, volatile
        .VARIABLE "a5" 16 "int" 0 1 4 0 0 2 6 pointer
        .VARIABLE "a6" 16 "int" 0 0 4 1 2 0 7 array
        .VARIABLE "a7" 16 "int" 0 1 4 1 2 3 8 const
        .VARIABLE "a8" 16 "int" 0 0 4 0 0 0 9 extern, static, unknown
        .TEXT
f:
        .FUNCTION "f"
        .PARAMETER "p1" 16 "int" 0 1 4 1 3 1 2
        .PARAMETER "p2" 16 "int" 0 1 4 1 3 1 3 pointer
        .PARAMETER "p3" 16 "int" 0 0 4 0 0 0 4 pointer, const
        .PARAMETER "p4" 16 "int" 0 1 4 0 0 2 5 const, volatile
        .PARAMETER "p5" 16 "int" 0 1 4 0 0 2 6 pointer
        .PARAMETER "p6" 16 "int" 0 0 4 1 2 0 7 array
        .PARAMETER "p7" 16 "int" 0 1 4 1 2 3 8 const
        .PARAMETER "p8" 16 "int" 0 0 4 0 0 0 9 extern, static, unknown
        .RETURN "int" 16 0 0 0 0 0 0
        NOP
        .FUNC_END "f"
#@sections .text .symtab .strtab .debug_abbrev .debug_info .debug_info_reloc .shstrtab
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 15 01 00 0b 05 49 13 00 00
#@section .debug_abbrev 16 01 00 0b 05 49 13 00 00 17 01 00 0b 05 49 13 00 00 18 0f 00 0b 05 49
#@section .debug_abbrev 13 00 00 19 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 1a 01 00 0b 05 49
#@section .debug_abbrev 13 00 00 1b 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 1c 26 00 49 13 00
#@section .debug_abbrev 00 1d 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 1e 26 00 49 13 00 00 1f
#@section .debug_abbrev 35 00 49 13 00 00 20 0f 00 0b 05 49 13 00 00 21 0f 00 0b 05 49 13 00 00
#@section .debug_abbrev 22 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 23 0f 00 0b 05 49 13 00 00
#@section .debug_abbrev 24 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 25 01 00 0b 05 49 13 00 00
#@section .debug_abbrev 26 01 00 0b 05 49 13 00 00 27 01 00 0b 05 49 13 00 00 28 34 00 03 08 3a
#@section .debug_abbrev 06 3b 06 02 06 49 13 00 00 29 26 00 49 13 00 00 2a 01 00 0b 05 49 13 00
#@section .debug_abbrev 00 2b 01 00 0b 05 49 13 00 00 2c 34 00 03 08 02 06 3f 0c 48 0c 49 13 00
#@section .debug_abbrev 00 2d 2e 00 03 08 11 01 12 01 27 0c 2a 06 01 13 49 13 00 00 2e 05 00 03
#@section .debug_abbrev 08 3a 06 3b 06 02 06 49 13 00 00 2f 01 00 0b 05 49 13 00 00 30 01 00 0b
#@section .debug_abbrev 05 49 13 00 00 31 01 00 0b 05 49 13 00 00 32 0f 00 0b 05 49 13 00 00 33
#@section .debug_abbrev 05 00 03 08 3a 06 3b 06 02 06 49 13 00 00 34 01 00 0b 05 49 13 00 00 35
#@section .debug_abbrev 05 00 03 08 3a 06 3b 06 02 06 49 13 00 00 36 26 00 49 13 00 00 37 05 00
#@section .debug_abbrev 03 08 3a 06 3b 06 02 06 49 13 00 00 38 26 00 49 13 00 00 39 35 00 49 13
#@section .debug_abbrev 00 00 3a 0f 00 0b 05 49 13 00 00 3b 0f 00 0b 05 49 13 00 00 3c 05 00 03
#@section .debug_abbrev 08 3a 06 3b 06 02 06 49 13 00 00 3d 0f 00 0b 05 49 13 00 00 3e 05 00 03
#@section .debug_abbrev 08 3a 06 3b 06 02 06 49 13 00 00 3f 01 00 0b 05 49 13 00 00 40 01 00 0b
#@section .debug_abbrev 05 49 13 00 00 41 01 00 0b 05 49 13 00 00 42 05 00 03 08 3a 06 3b 06 02
#@section .debug_abbrev 06 49 13 00 00 43 26 00 49 13 00 00 44 01 00 0b 05 49 13 00 00 45 01 00
#@section .debug_abbrev 0b 05 49 13 00 00 46 05 00 03 08 3a 06 3b 06 02 06 49 13 00 00 00
#@section .debug_info 68 03 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 03 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 61 31 00 01 00 00 00 02 00 00 00 04 00 00 00 4b 01 00 00 15 02 00 52
#@section .debug_info 01 00 00 16 02 00 59 01 00 00 17 02 00 60 01 00 00 18 02 00 76 00 00 00
#@section .debug_info 19 61 32 00 01 00 00 00 03 00 00 00 04 00 00 00 7b 01 00 00 1a 02 00 76
#@section .debug_info 00 00 00 1b 61 33 00 01 00 00 00 04 00 00 00 04 00 00 00 96 01 00 00 1c
#@section .debug_info 76 00 00 00 1d 61 34 00 01 00 00 00 05 00 00 00 04 00 00 00 af 01 00 00
#@section .debug_info 1e b4 01 00 00 1f b9 01 00 00 20 02 00 c0 01 00 00 21 02 00 76 00 00 00
#@section .debug_info 22 61 35 00 01 00 00 00 06 00 00 00 04 00 00 00 db 01 00 00 23 02 00 76
#@section .debug_info 00 00 00 24 61 36 00 01 00 00 00 07 00 00 00 04 00 00 00 f6 01 00 00 25
#@section .debug_info 02 00 fd 01 00 00 26 02 00 04 02 00 00 27 02 00 76 00 00 00 28 61 37 00
#@section .debug_info 01 00 00 00 08 00 00 00 04 00 00 00 1f 02 00 00 29 24 02 00 00 2a 02 00
#@section .debug_info 2b 02 00 00 2b 02 00 76 00 00 00 2c 61 38 00 04 00 00 00 01 01 76 00 00
#@section .debug_info 00 2d 66 00 00 00 00 00 03 00 00 00 01 00 00 00 00 67 03 00 00 76 00 00
#@section .debug_info 00 2e 70 31 00 01 00 00 00 02 00 00 00 04 00 00 00 6c 02 00 00 2f 02 00
#@section .debug_info 73 02 00 00 30 02 00 7a 02 00 00 31 02 00 81 02 00 00 32 02 00 76 00 00
#@section .debug_info 00 33 70 32 00 01 00 00 00 03 00 00 00 04 00 00 00 9c 02 00 00 34 02 00
#@section .debug_info 76 00 00 00 35 70 33 00 01 00 00 00 04 00 00 00 04 00 00 00 b7 02 00 00
#@section .debug_info 36 76 00 00 00 37 70 34 00 01 00 00 00 05 00 00 00 04 00 00 00 d0 02 00
#@section .debug_info 00 38 d5 02 00 00 39 da 02 00 00 3a 02 00 e1 02 00 00 3b 02 00 76 00 00
#@section .debug_info 00 3c 70 35 00 01 00 00 00 06 00 00 00 04 00 00 00 fc 02 00 00 3d 02 00
#@section .debug_info 76 00 00 00 3e 70 36 00 01 00 00 00 07 00 00 00 04 00 00 00 17 03 00 00
#@section .debug_info 3f 02 00 1e 03 00 00 40 02 00 25 03 00 00 41 02 00 76 00 00 00 42 70 37
#@section .debug_info 00 01 00 00 00 08 00 00 00 04 00 00 00 40 03 00 00 43 45 03 00 00 44 02
#@section .debug_info 00 4c 03 00 00 45 02 00 76 00 00 00 46 70 38 00 01 00 00 00 09 00 00 00
#@section .debug_info 04 00 00 00 76 00 00 00 00
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 0x21 19 - 0
#@rel .debug_info_reloc 0x29 22 - 4
#@rel .debug_info_reloc 0x243 20 - 4

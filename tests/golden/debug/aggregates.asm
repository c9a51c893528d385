# Structure, union and enumeration groups. S has a member pointing to S; the union's
# members carry bit offsets and sizes but no byte location; the enumerators keep their
# values (RED -1 as a 32-bit word) and the extern variable c refers to the enumeration.
# Ending R a second time after another member gives a second entry with both members.
#@args -d 1
        .FILE "main.c"
        .DATA
        .STRUCT "S" 16
        .STRUCTMEM "next" "S" 16 0 1 0 0 0 1
        .STRUCT_END "S"
        .UNION "U" 8
        .UNIONMEM "u1" "char" 3 0 0 0 0 0 0
        .UNIONMEM "u2" "char" 8 0 0 0 0 0 0
        .UNION_END "U"
        .ENUM "Color"
        .ENUMERATOR "RED" -1
        .ENUMERATOR "BLUE" 7
        .ENUM_END "Color"
        .VARIABLE "c" 32 "Color" 0 0 0 0 0 0 2 extern
        .STRUCT "R" 16
        .STRUCTMEM "a" "char" 8 0 0 0 0 0 0
        .STRUCT_END "R"
        .STRUCTMEM "b" "char" 8 0 0 8 0 0 0
        .STRUCT_END "R"
#@sections .debug_abbrev .debug_info .debug_info_reloc .shstrtab
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
#@section .debug_abbrev 13 24 00 03 08 0d 05 0b 05 3e 0b 00 00 14 13 01 03 08 0d 05 01 13 00 00
#@section .debug_abbrev 15 0d 00 03 08 0b 05 38 13 49 13 00 00 16 0f 00 0b 05 49 13 00 00 17 17
#@section .debug_abbrev 01 03 08 0d 05 01 13 00 00 18 0d 00 03 08 0d 05 0c 06 49 13 00 00 19 0d
#@section .debug_abbrev 00 03 08 0b 05 49 13 00 00 1a 04 01 03 08 0b 05 01 13 00 00 1b 28 00 03
#@section .debug_abbrev 08 1c 06 00 00 1c 28 00 03 08 1c 06 00 00 1d 34 00 03 08 02 06 3f 0c 49
#@section .debug_abbrev 13 00 00 1e 13 01 03 08 0d 05 01 13 00 00 1f 0d 00 03 08 0b 05 38 13 49
#@section .debug_abbrev 13 00 00 20 13 01 03 08 0d 05 01 13 00 00 21 0d 00 03 08 0b 05 38 13 49
#@section .debug_abbrev 13 00 00 22 0d 00 03 08 0b 05 38 13 49 13 00 00 00
#@section .debug_info de 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
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
#@section .debug_info 53 00 10 00 57 01 00 00 15 6e 65 78 74 00 02 00 00 00 00 00 50 01 00 00
#@section .debug_info 16 02 00 37 01 00 00 17 55 00 08 00 78 01 00 00 18 75 31 00 03 00 00 00
#@section .debug_info 00 00 38 00 00 00 19 75 32 00 01 00 38 00 00 00 1a 43 6f 6c 6f 72 00 04
#@section .debug_info 00 98 01 00 00 1b 52 45 44 00 ff ff ff ff 1c 42 4c 55 45 00 07 00 00 00
#@section .debug_info 1d 63 00 00 00 00 00 01 78 01 00 00 1e 52 00 10 00 ba 01 00 00 1f 61 00
#@section .debug_info 01 00 00 00 00 00 38 00 00 00 20 52 00 10 00 dd 01 00 00 21 61 00 01 00
#@section .debug_info 00 00 00 00 38 00 00 00 22 62 00 01 00 01 00 00 00 38 00 00 00 00
#@rel .debug_info_reloc 6 18 - 4

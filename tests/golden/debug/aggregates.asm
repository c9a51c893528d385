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
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 13 01 03 08 0d 05 01 13 00 00 15 0d 00 03 08 0b 05 38 13 49 13 00 00
#@section .debug_abbrev 16 0f 00 0b 05 49 13 00 00 17 17 01 03 08 0d 05 01 13 00 00 18 0d 00 03
#@section .debug_abbrev 08 0d 05 0c 06 49 13 00 00 19 0d 00 03 08 0b 05 49 13 00 00 1a 04 01 03
#@section .debug_abbrev 08 0b 05 01 13 00 00 1b 28 00 03 08 1c 06 00 00 1c 28 00 03 08 1c 06 00
#@section .debug_abbrev 00 1d 34 00 03 08 02 06 3f 0c 49 13 00 00 1e 13 01 03 08 0d 05 01 13 00
#@section .debug_abbrev 00 1f 0d 00 03 08 0b 05 38 13 49 13 00 00 20 13 01 03 08 0d 05 01 13 00
#@section .debug_abbrev 00 21 0d 00 03 08 0b 05 38 13 49 13 00 00 22 0d 00 03 08 0b 05 38 13 49
#@section .debug_abbrev 13 00 00 00
#@section .debug_info de 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 53 00 10 00 57 01 00 00 15 6e 65 78 74 00 02 00 00 00 00 00 50 01 00
#@section .debug_info 00 16 02 00 37 01 00 00 17 55 00 08 00 78 01 00 00 18 75 31 00 03 00 00
#@section .debug_info 00 00 00 38 00 00 00 19 75 32 00 01 00 38 00 00 00 1a 43 6f 6c 6f 72 00
#@section .debug_info 04 00 98 01 00 00 1b 52 45 44 00 ff ff ff ff 1c 42 4c 55 45 00 07 00 00
#@section .debug_info 00 1d 63 00 00 00 00 00 01 78 01 00 00 1e 52 00 10 00 ba 01 00 00 1f 61
#@section .debug_info 00 01 00 00 00 00 00 38 00 00 00 20 52 00 10 00 dd 01 00 00 21 61 00 01
#@section .debug_info 00 00 00 00 00 38 00 00 00 22 62 00 01 00 01 00 00 00 38 00 00 00 00
#@rel .debug_info_reloc 6 18 - 4

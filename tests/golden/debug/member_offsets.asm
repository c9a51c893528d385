# Struct members: a 3-bit member takes bit offset 0 and byte offset 0; the 8-bit
# member after it starts at byte 1 (3 / 8 + 1); the 5-bit member after that at bit
# offset 3 and byte 2. The struct's sibling points just past its last member.
#@args -d 1
#@sections .debug_abbrev .debug_info .debug_info_reloc .shstrtab
        .FILE "main.c"
        .DATA
        .STRUCT "flags" 16
        .STRUCTMEM "mode" "unsigned char" 3 UNSIGNED NORMAL 0 NORMAL 0 0
        .STRUCTMEM "level" "unsigned char" 8 UNSIGNED NORMAL 0 NORMAL 0 0
        .STRUCTMEM "rest" "unsigned char" 5 UNSIGNED NORMAL 0 NORMAL 0 0
        .STRUCT_END "flags"
        .VARIABLE "f" 16 "flags" UNSIGNED NORMAL 0 NORMAL 0 0 9
#@rel .debug_info_reloc 6 18 - 4
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 13 01 03 08 0d 05 01 13 00 00 15 0d 00 03 08 0d 05 0c 06 38 13 49 13
#@section .debug_abbrev 00 00 16 0d 00 03 08 0b 05 38 13 49 13 00 00 17 0d 00 03 08 0d 05 0c 06
#@section .debug_abbrev 38 13 49 13 00 00 18 34 00 03 08 3a 06 3b 06 02 06 49 13 00 00 00
#@section .debug_info 91 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 01 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 66 6c 61 67 73 00 10 00 7d 01 00 00 15 6d 6f 64 65 00 03 00 00 00 00
#@section .debug_info 00 00 00 00 00 43 00 00 00 16 6c 65 76 65 6c 00 01 00 01 00 00 00 43 00
#@section .debug_info 00 00 17 72 65 73 74 00 05 00 03 00 00 00 02 00 00 00 43 00 00 00 18 66
#@section .debug_info 00 01 00 00 00 09 00 00 00 00 00 00 00 37 01 00 00 00

# Debug directives that complete no declaration (the enum is never closed) still
# give the compile unit and the 18 base types, with abbreviation codes 1 to 19. The
# compile unit names the .FILE base name and directory (split at the last slash or
# backslash once the name has a backslash); the object has code, so its
# low_pc and stmt_list are relocated besides the abbreviation offset.
#@args -d 1
#@sections .text .symtab .strtab .debug_abbrev .debug_info .debug_info_reloc .shstrtab
        .FILE "C:\work/src/prog.c"
        .ENUM "Color"
        .ENUMERATOR "RED" 0
main:   NOP
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 0x2c 19 - 0
#@rel .debug_info_reloc 0x34 22 - 4
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
#@section .debug_abbrev 13 24 00 03 08 0d 05 0b 05 3e 0b 00 00 00
#@section .debug_info 43 01 00 00 02 00 00 00 00 00 04 01 70 72 6f 67 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 43 3a 5c 77 6f 72 6b 2f 73 72 63 2f 00 01 00 00 00 00 00
#@section .debug_info 03 00 00 00 00 00 00 00 02 76 6f 69 64 00 00 00 00 00 05 03 63 68 61 72
#@section .debug_info 00 08 00 01 00 06 04 75 6e 73 69 67 6e 65 64 20 63 68 61 72 00 08 00 01
#@section .debug_info 00 08 05 6c 6f 6e 67 00 20 00 04 00 05 06 75 6e 73 69 67 6e 65 64 20 6c
#@section .debug_info 6f 6e 67 00 20 00 04 00 07 07 69 6e 74 00 20 00 04 00 05 08 75 6e 73 69
#@section .debug_info 67 6e 65 64 20 69 6e 74 00 20 00 04 00 07 09 70 6f 72 74 00 08 00 01 00
#@section .debug_info 05 0a 73 68 6f 72 74 00 10 00 02 00 05 0b 75 6e 73 69 67 6e 65 64 20 73
#@section .debug_info 68 6f 72 74 00 10 00 02 00 07 0c 61 64 64 72 65 73 73 00 10 00 02 00 07
#@section .debug_info 0d 72 6f 6d 00 20 00 04 00 07 0e 63 68 61 72 61 64 64 72 65 73 73 00 10
#@section .debug_info 00 02 00 07 0f 73 68 6f 72 74 61 64 64 72 65 73 73 00 10 00 02 00 07 10
#@section .debug_info 69 6e 74 61 64 64 72 65 73 73 00 10 00 02 00 07 11 63 68 61 72 72 6f 6d
#@section .debug_info 00 20 00 04 00 07 12 73 68 6f 72 74 72 6f 6d 00 20 00 04 00 07 13 69 6e
#@section .debug_info 74 72 6f 6d 00 20 00 04 00 07 00

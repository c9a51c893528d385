# A function group: the subprogram entry (external, prototyped, sibling past the
# group, return type "int"), its parameter, then its local variable. Its low_pc is
# relocated against the function's .symtab entry; with code present the compile
# unit's low_pc and stmt_list are relocated too. .FUNC_END gives the label its size.
# (The data name comes first in .symtab, so the function's entry has index 1.) The
# debug sections have types of their own and flag 64; .debug_info_reloc links to .symtab.
#@shdr .debug_abbrev sh_type=0x80000003 sh_flags=64
#@shdr .debug_info sh_type=0x80000002 sh_flags=64
#@shdr .debug_line sh_type=0x80000001 sh_flags=64
#@shdr .debug_info_reloc sh_type=0x80000005 sh_flags=64 sh_link=3 sh_entsize=12
#@shdr .debug_raw_line sh_type=0x80000004 sh_flags=64
#@args -d 1
#@sections .text .data .symtab .strtab .debug_abbrev .debug_info .debug_line .debug_info_reloc .debug_raw_line .shstrtab
#@sym seed 0 2 0x10 2
#@sym main 0 2 0x20 1
        .FILE "main.c"
        .DATA
seed    .DW 1 7
        .TEXT
main:
        .FUNCTION "main" extern
        .PARAMETER "argc" 16 "int" SIGNED NORMAL 4 NORMAL 0 0 2
        .RETURN "int" 16 SIGNED NORMAL 0 NORMAL 0 0
        .VARIABLE "i" 16 "int" SIGNED NORMAL 6 NORMAL 0 0 3
        .LINE 2
        NOP
        .LINE 3
        NOP
        .FUNC_END "main"
#@rel .debug_info_reloc 6 18 - 4
#@rel .debug_info_reloc 33 19 - 0
#@rel .debug_info_reloc 41 22 - 4
#@rel .debug_info_reloc 317 20 main 4
#@section .debug_line 2f 00 00 00 02 00 1c 00 00 00 02 01 01 01 0a 00 00 00 00 00 00 00 00 00
#@section .debug_line 2e 00 00 6d 61 69 6e 2e 63 00 01 00 00 00
#@section .debug_line 03 01 02 00 01 03 01 02 01 01 00 01 01
#@section .debug_raw_line 00 00 00 00 00 00 01 00 01 00 02 00 00 00 01 00
#@section .debug_abbrev 01 11 01 03 08 25 08 1b 08 13 05 11 01 12 01 10 06 00 00
#@section .debug_abbrev *234
#@section .debug_abbrev 14 2e 00 03 08 11 01 12 01 3f 0c 27 0c 2a 06 01 13 49 13 00 00 15 05 00
#@section .debug_abbrev 03 08 3a 06 3b 06 02 06 49 13 00 00 16 34 00 03 08 3a 06 3b 06 02 06 49
#@section .debug_abbrev 13 00 00 00
#@section .debug_info 7d 01 00 00 02 00 00 00 00 00 04 01 6d 61 69 6e 2e 63 00 51 75 69 6c 6c
#@section .debug_info 6f 6e 69 78 00 2e 00 01 00 00 00 00 00 05 00 00 00 00 00 00 00
#@section .debug_info *266
#@section .debug_info 14 6d 61 69 6e 00 00 00 00 00 05 00 00 00 01 01 00 00 00 00 7c 01 00 00
#@section .debug_info 76 00 00 00 15 61 72 67 63 00 01 00 00 00 02 00 00 00 04 00 00 00 76 00
#@section .debug_info 00 00 16 69 00 01 00 00 00 03 00 00 00 06 00 00 00 76 00 00 00 00

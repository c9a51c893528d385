# Every source file gets its own include directory and file entry in the line
# program header (the .FILE name first, then each included file), numbered from 1.
# Rows from the included file join the one sequence; a backward line step is a
# five-byte advance_line and makes line_base negative.
#@args -d 1
#@sections .text .debug_line .debug_raw_line .shstrtab
        .FILE "main.c"
        .LINE 1
        NOP
        .INCLUDE "debug/include/lines.inc"
        .LINE 9
        NOP
#@text 0000 0000 0000
# unit_length 85, header_length 57, line_base -11, line_range 31
#@section .debug_line 55 00 00 00 02 00 39 00 00 00 02 01 f5 1f 0a 00 00 00 00 00 00 00 00 00
#@section .debug_line 2e 00 2e 00 00
#@section .debug_line 6d 61 69 6e 2e 63 00 01 00 00
#@section .debug_line 64 65 62 75 67 2f 69 6e 63 6c 75 64 65 2f 6c 69 6e 65 73 2e 69 6e 63 00 02 00 00 00
#@section .debug_line 03 00 02 00 01 03 13 02 01 01 03 f5 ff ff ff 0f 02 01 01 00 01 01
#@section .debug_raw_line 00 00 00 00 00 00 00 00 01 00 02 00 00 00 13 00 01 00 04 00 00 00 f5 ff

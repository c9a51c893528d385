# A single row at line 1 and address 0 advances by nothing (line_base 0, line_range 1).
#@args -d 1
#@sections .text .debug_line .debug_raw_line .shstrtab
        .FILE "main.c"
        .LINE 1
        NOP
#@section .debug_line 2a 00 00 00 02 00 1c 00 00 00 02 01 00 01 0a 00 00 00 00 00 00 00 00 00
#@section .debug_line 2e 00 00 6d 61 69 6e 2e 63 00 01 00 00 00 03 00 02 00 01 00 01 01
#@section .debug_raw_line 00 00 00 00 00 00 00 00

# Two .LINE rows: line 5 at the first word, line 7 four words later. The line program
# advances line and address per row and copies; the raw table keeps word deltas,
# byte addresses and line deltas. No type, variable or function is described, so
# .debug_abbrev and .debug_info are not built at all.
#@args -d 1
#@sections .text .debug_line .debug_raw_line .shstrtab
        .FILE "main.c"
        .LINE 5
        NOP
        NOP
        NOP
        NOP
        .LINE 7
        NOP
#@text 0000 0000 0000 0000 0000
# unit_length 47, version 2, header_length 28, minimum_instruction_length 2,
# default_is_stmt 1, line_base 1, line_range 4, opcode_base 10, nine opcode lengths
#@section .debug_line 2f 00 00 00 02 00 1c 00 00 00 02 01 01 04 0a 00 00 00 00 00 00 00 00 00
# include_directories "." ; file_names "main.c" dir 1 time 0 length 0
#@section .debug_line 2e 00 00 6d 61 69 6e 2e 63 00 01 00 00 00
# advance_line 4, advance_pc 0, copy; advance_line 2, advance_pc 4, copy; end_sequence
#@section .debug_line 03 04 02 00 01 03 02 02 04 01 00 01 01
#@section .debug_raw_line 00 00 00 00 00 00 04 00 04 00 08 00 00 00 02 00

# A step of 149 words takes a two-byte advance_pc operand (0x95 0x01); the raw table
# keeps the word delta and the byte address 300.
#@args -d 1
        .FILE "main.c"
        NOP
        .LINE 3
pad     .DB 298 0
        .LINE 4
        NOP
#@section .debug_line 30 00 00 00 02 00 1c 00 00 00 02 01 01 02 0a 00 00 00 00 00 00 00 00 00
#@section .debug_line 2e 00 00 6d 61 69 6e 2e 63 00 01 00 00 00 03 02 02 01 01 03 01 02 95 01
#@section .debug_line 01 00 01 01
#@section .debug_raw_line 01 00 02 00 00 00 02 00 95 00 2c 01 00 00 01 00
#@sym pad 1 149 0x10 1

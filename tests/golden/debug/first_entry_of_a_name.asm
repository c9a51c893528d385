# Two entries carry the same name: a datatype names the first of them, which the
# later one does not shadow. (The 18 base types and the unit's header are checked
# by other tests.)
#@args -d 1
#@section .debug_info *311
        .FILE "main.c"
        .DATA
        .TYPEDEF "word_t" "unsigned short"  #@section .debug_info 14 77 6f 72 64 5f 74 00 aa 00 00 00
        .TYPEDEF "word_t" "unsigned char"   #@section .debug_info 15 77 6f 72 64 5f 74 00 43 00 00 00
        # The variable's type is the entry at 0x137, the first "word_t".
        .VARIABLE "w" 16 "word_t" UNSIGNED NORMAL 0 NORMAL 0 0 7
#@section .debug_info 16 77 00 01 00 00 00 07 00 00 00 00 00 00 00 37 01 00 00
#@section .debug_info 00

#@args -d 1
# Debug sections for the views: a line program, a function with a parameter and a
# local, a typedef and a static variable.
        .FILE "blink.c"
        .DATA
ticks   .DW 1 0
        .TEXT
        .TYPEDEF "counter" "unsigned short"
        .VARIABLE "ticks" 16 "counter" UNSIGNED NORMAL -1 NORMAL 0 0 3
main:
        .FUNCTION "main" extern
        .PARAMETER "n" 16 "int" SIGNED NORMAL 4 NORMAL 0 0 5
        .RETURN "int" 16 SIGNED NORMAL 0 NORMAL 0 0
        .VARIABLE "i" 16 "int" SIGNED NORMAL 6 NORMAL 0 0 6
        .LINE 5
        NOP
        .LINE 7
        INC16 ticks $1
        .LINE 6
        RTS
        .FUNC_END "main"

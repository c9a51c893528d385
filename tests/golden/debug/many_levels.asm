# Dimensions above a thousand are valid: every declaration that takes array or pointer
# levels accepts them, up to 65,536 levels each, and the object is written.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 32
        .STRUCTMEM "m" "int" 8 0 1 0 0 0 1025
        .STRUCT_END "S"
        .UNION "U" 32
        .UNIONMEM "u" "int" 8 0 0 0 1 65536 0
        .UNION_END "U"
        .DATA
v       .DB 1 0
        .VARIABLE "v" 8 "int" 0 0 0 1 1025 0 1
        .VARIABLE "w" 8 "int" 0 1 0 0 0 4000 1
        .TEXT
f:      .FUNCTION "f"
        .RETURN "int" 8 0 1 0 0 0 2048
        .PARAMETER "p" 8 "int" 0 0 2 1 3000 0 1
        RTS
        .FUNC_END "f"

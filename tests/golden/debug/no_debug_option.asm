# Without -d 1 the debug directives build nothing and no debug section is written,
# not even their checks run; only .FUNCTION / .FUNC_END still mark the label as a
# function (info 0x20) whose size, 2 words, comes from .FUNC_END rather than from
# the 4 words up to the next label.
#@sections .text .symtab .strtab .shstrtab
#@sym main 0 2 0x20 1
#@sym tail 4 1 0x10 1
        .FILE "main.c"
        .LINE 3
        .TYPEDEF "t" "int"
        .VARIABLE "v" -16 "nosuch" SIGNED NORMAL 0 NORMAL 0 0 0
main:   NOP
        .FUNCTION "main" extern
        NOP
        .FUNC_END "main"
        NOP
        NOP
tail:   NOP

# The array flag is checked before the pointer flag.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 7 0 9 0 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/array_flag_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/array_flag_first.asm line 5: (error) A2022 invalid array flag

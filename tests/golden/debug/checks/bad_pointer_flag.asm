# The pointer flag is 0 or 1.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 7 0 0 0 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/bad_pointer_flag.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/bad_pointer_flag.asm line 5: (error) A2023 invalid pointer flag

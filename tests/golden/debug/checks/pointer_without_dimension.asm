# A pointer needs a pointer dimension.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 1 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/pointer_without_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/pointer_without_dimension.asm line 5: (error) A2020 invalid pointer dimension

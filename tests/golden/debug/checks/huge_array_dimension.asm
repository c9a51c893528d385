# An array dimension too large for its size.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 0 0 1 2000000000 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/huge_array_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/huge_array_dimension.asm line 5: (error) A2019 invalid array dimension

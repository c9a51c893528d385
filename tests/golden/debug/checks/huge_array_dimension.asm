# A dimension is a number of levels, each one modifier entry: beyond 65,536 levels in one
# declaration the assembler runs out of room it is willing to give (3020).
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 0 0 1 2000000000 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/huge_array_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/huge_array_dimension.asm line 6: (error) A3020 memory overflow

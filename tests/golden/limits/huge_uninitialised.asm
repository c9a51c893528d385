# An uninitialised .DW far beyond any memory.
#@exit 4
#@noobj
#@out Assembling limits/huge_uninitialised.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_uninitialised.asm line 7: (error) A3020 memory overflow
u       .DW 2147483647 ?

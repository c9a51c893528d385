# A structure instance far beyond the data memory.
#@exit 4
#@noobj
#@out Assembling limits/huge_data_def.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_data_def.asm line 10: (error) A3020 memory overflow
        .DATA
s       .DATA_DEF 2147483647
s       .DATA_INIT 1 0 8 8
s       .DATA_DEF_END

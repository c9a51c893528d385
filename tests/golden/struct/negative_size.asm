# An instance of negative size is refused in the first pass.
        .DATA
s       .DATA_DEF -3
#@exit 2
#@out Assembling struct/negative_size.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/negative_size.asm line 3: (error) A2018 invalid size specified
#@noobj

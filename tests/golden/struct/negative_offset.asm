# A member may not start before its instance; the first pass refuses it.
        .DATA
s       .DATA_DEF 2
s       .DATA_INIT 1 -8 8 8
#@exit 2
#@out Assembling struct/negative_offset.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/negative_offset.asm line 4: (error) A2018 invalid size specified
#@noobj

# A member whose elements have no width is refused.
        .DATA
s       .DATA_DEF 2
s       .DATA_INIT 1 0 0 8
#@exit 2
#@noobj
#@out Assembling struct/zero_width.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/zero_width.asm line 4: (error) A2018 invalid size specified

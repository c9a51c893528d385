# A string without characters is refused.
        .DATA
e       .ASCII ""
#@exit 2
#@out Assembling data/empty_string.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: data/empty_string.asm line 3: (error) A2018 invalid size specified
#@noobj

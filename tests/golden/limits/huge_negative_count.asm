# A negative count is an invalid size.
#@exit 2
#@noobj
#@out Assembling limits/huge_negative_count.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_negative_count.asm line 8: (error) A2018 invalid size specified
        .DATA
neg     .DW -2147483648 1

# A negative .BSS size is refused.
        .BSS neg -5
#@exit 2
#@out Assembling sections/bss_negative.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: sections/bss_negative.asm line 2: (error) A2018 invalid size specified
#@noobj

# The element count times the element size must not overflow.
#@exit 4
#@noobj
#@out Assembling limits/huge_dw.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_dw.asm line 8: (error) A3020 memory overflow
        .DATA
big     .DW 1073741824 1

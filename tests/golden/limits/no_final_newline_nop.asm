# Any other statement on a last line without a newline is a syntax error.
#@exit 2
#@noobj
#@out Assembling limits/no_final_newline_nop.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/no_final_newline_nop.asm line 7: (error) A1000 neither instruction nor directive
        NOP
# Operands are separated by blanks; a comma between them matches no form.
        .TEXT
        ADD8 x $5
        ADD8 x, $5
        .DATA
x       .DB 1 0
#@exit 2
#@noobj
#@out Assembling driver/malformed_instruction.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/malformed_instruction.asm line 4: (error) A1004 instruction format not supported

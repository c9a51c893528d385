# A data keyword after a name with a wrong operand is a malformed directive.
        .DATA
text    .ASCII 5
#@exit 2
#@noobj
#@out Assembling driver/malformed_directive.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/malformed_directive.asm line 3: (error) A1001 invalid directive syntax

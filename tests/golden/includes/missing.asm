# An include that no directory holds.
        .INCLUDE "no_such_file.inc"
#@exit 2
#@noobj
#@out Assembling includes/missing.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: includes/missing.asm line 2: (error) A5006 unable to open file 'no_such_file.inc'

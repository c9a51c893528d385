# A directory is not a file to include.
        .INCLUDE "includes/include"
#@exit 2
#@out Assembling includes/directory.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: includes/directory.asm line 2: (error) A5006 unable to open file 'includes/include'
#@noobj

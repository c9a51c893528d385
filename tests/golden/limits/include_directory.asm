# A directory is no source file.
        .INCLUDE "limits"
#@exit 2
#@noobj
#@out Assembling limits/include_directory.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/include_directory.asm line 2: (error) A5006 unable to open file 'limits'

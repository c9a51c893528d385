# Sixteen levels of files that each include the next one twice would open 65,535
# files; a pass stops at its include budget instead.
        .INCLUDE "limits/include/twice0.inc"
#@exit 2
#@noobj
#@out Assembling limits/include_twice_over.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/include/twice14.inc line 3: (error) A5006 unable to open file 'limits/include/twice15.inc'

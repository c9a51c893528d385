# A run that stops in pass two still writes its listing (-a, the short form): the line that
# failed shows what it laid down, and every line not reached, in the included file and
# in the file that included it, is marked as not assembled.
#@args -a $TMP/out.lst
#@file-equals out.lst listing/stopped.lst
#@exit 4
#@noobj
start:  NOP
        .INCLUDE "listing/include/broken.inc"
        JUMP    start
#@out Assembling listing/stopped.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: listing/include/broken.inc line 2: (error) A3012 unresolved symbol 'nowhere'

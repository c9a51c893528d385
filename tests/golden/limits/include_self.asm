# A file that includes itself stops at the include depth limit instead of looping.
        .INCLUDE "limits/include_self.asm"
#@exit 2
#@noobj
#@out Assembling limits/include_self.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/include_self.asm line 2: (error) A5006 unable to open file 'limits/include_self.asm'

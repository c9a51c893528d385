# .GLOBAL of a name that is not defined yet.
        .GLOBAL EXPORT later
later:  NOP
#@exit 2
#@noobj
#@out Assembling linkage/undeclared.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: linkage/undeclared.asm line 2: (error) A3005 symbol not yet declared 'later'

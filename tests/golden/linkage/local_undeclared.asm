# .LOCAL of a name that is not defined yet.
        .LOCAL nothing
#@exit 2
#@out Assembling linkage/local_undeclared.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: linkage/local_undeclared.asm line 2: (error) A3005 symbol not yet declared 'nothing'
#@noobj

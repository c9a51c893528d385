# A linkage directive naming a name not defined yet: the column of that name in the list.
#@args --diagnostics=gnu
#@exit 2
#@noobj
start:  NOP
        .GLOBAL EXPORT start, later
later:  NOP
#@out Assembling diagnostics/gnu_undeclared.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out diagnostics/gnu_undeclared.asm:6:31: error: symbol not yet declared 'later' [A3005]

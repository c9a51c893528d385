# A name used where no relocation can carry it is named, with its column.
#@args --diagnostics=gnu
#@exit 4
#@noobj
start: NOP
    INT start
#@out Assembling diagnostics/gnu_not_relocatable.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out diagnostics/gnu_not_relocatable.asm:6:9: error: symbol does not need to be relocated 'start' [A3011]

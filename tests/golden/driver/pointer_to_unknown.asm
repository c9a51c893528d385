# A pointer item must name a symbol of the object.
        .DATA
known   .DB 1 0
ptr     .DW 1 nowhere
#@exit 4
#@noobj
#@out Assembling driver/pointer_to_unknown.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/pointer_to_unknown.asm line 4: (error) A3010 symbol does not exist in .symtab

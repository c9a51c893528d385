# A member with more values than its elements have room for.
        .DATA
s       .DATA_DEF 4
s       .DATA_INIT 1, 2, 3 0 8 16
#@exit 4
#@out Assembling struct/too_many_values.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/too_many_values.asm line 4: (error) A3019 insufficient structure instance size
#@noobj

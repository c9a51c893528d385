# Member values that run past the end of the instance.
        .DATA
s       .DATA_DEF 2
s       .DATA_INIT 1, 2 8 8 16
s       .DATA_DEF_END
#@exit 4
#@out Assembling struct/values_past_end.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/values_past_end.asm line 5: (error) A3019 insufficient structure instance size
#@noobj

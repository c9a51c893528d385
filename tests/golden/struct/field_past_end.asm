# A bit-field that runs past the last byte of the instance.
        .DATA
s       .DATA_DEF 1
s       .DATA_INIT 1 6 4 4
s       .DATA_DEF_END
#@exit 4
#@out Assembling struct/field_past_end.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/field_past_end.asm line 5: (error) A3019 insufficient structure instance size
#@noobj

# An instance end outside any instance is found in the second pass.
        .DATA
s       .DATA_DEF_END
#@exit 4
#@out Assembling struct/end_without_instance.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/end_without_instance.asm line 3: (error) A2025 missing .DATA_DEF directive
#@noobj

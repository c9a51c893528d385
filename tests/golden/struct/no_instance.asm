# A member outside any instance is found in the second pass.
        .DATA
m       .DATA_INIT 1 0 8 8
#@exit 4
#@noobj
#@out Assembling struct/no_instance.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/no_instance.asm line 3: (error) A2025 missing .DATA_DEF directive

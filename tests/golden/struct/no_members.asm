# An instance needs at least one member.
        .DATA
s       .DATA_DEF 2
s       .DATA_DEF_END
#@exit 4
#@out Assembling struct/no_members.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: struct/no_members.asm line 4: (error) A2026 missing struct initialized value/s
#@noobj

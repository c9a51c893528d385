# An origin below the current address is refused.
        .ABS
        .ORG 4
        NOP
        .ORG 1
#@exit 2
#@noobj
#@out Assembling sections/org_overlap.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: sections/org_overlap.asm line 5: (error) A3013 invalid ORG value, address overlaps

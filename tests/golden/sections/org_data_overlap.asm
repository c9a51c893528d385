# In data, the same origin twice is fine, a lower one is refused.
        .ABS
        .DATA
        .ORG 4
        .ORG 4
        .ORG 3
#@exit 2
#@out Assembling sections/org_data_overlap.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: sections/org_data_overlap.asm line 6: (error) A3013 invalid ORG value, address overlaps
#@noobj

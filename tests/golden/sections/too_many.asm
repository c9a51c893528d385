# Nineteen sections can be added to the predefined ones; the twentieth is refused.
        .SECTION "s1" a 1
        .SECTION "s2" a 1
        .SECTION "s3" a 1
        .SECTION "s4" a 1
        .SECTION "s5" a 1
        .SECTION "s6" a 1
        .SECTION "s7" a 1
        .SECTION "s8" a 1
        .SECTION "s9" a 1
        .SECTION "s10" a 1
        .SECTION "s11" a 1
        .SECTION "s12" a 1
        .SECTION "s13" a 1
        .SECTION "s14" a 1
        .SECTION "s15" a 1
        .SECTION "s16" a 1
        .SECTION "s17" a 1
        .SECTION "s18" a 1
        .SECTION "s19" a 1
        .SECTION "s20" a 1
#@exit 4
#@out Assembling sections/too_many.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: sections/too_many.asm line 21: (error) A5004 has reached the maximum number of sections
#@noobj

# Each unknown flag letter is reported and the section is still made; a type code above
# 14 fails the directive, so no object is written.
        .SECTION "s1" aqz 1
        .SECTION "s2" a 15
#@exit 4
#@noobj
#@out Assembling sections/section_errors.asm
#@out 3 errors, 0 warnings and 0 informational messages
#@out Assembler: sections/section_errors.asm line 3: (error) A3004 invalid section flag
#@out Assembler: sections/section_errors.asm line 3: (error) A3004 invalid section flag
#@out Assembler: sections/section_errors.asm line 4: (error) A3003 invalid section type

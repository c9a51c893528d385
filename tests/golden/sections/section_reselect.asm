# Every flag letter and a type code from the processor range are accepted, and a later
# .SECTION of the name, spelt in another case, only selects the section: its flags and
# type are not examined. Data placed in the section makes the write fail.
        .SECTION ".vec" awxM 12
        .SECTION ".VEC" q 99
v       .DB 2 1, 2
#@exit 4
#@noobj
#@out Assembling sections/section_reselect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: fileIO.cpp line 4: (internal) A5001 internal error

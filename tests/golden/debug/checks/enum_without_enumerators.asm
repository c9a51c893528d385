# An enumeration needs enumerators.
#@args -d 1
        .FILE "main.c"
        .ENUM "E"
        .ENUM_END "E"
#@exit 2
#@noobj
#@out Assembling debug/checks/enum_without_enumerators.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/enum_without_enumerators.asm line 5: (error) A2010 missing enumerators

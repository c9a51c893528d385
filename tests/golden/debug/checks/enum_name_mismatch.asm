# An .ENUM_END must name the open enumeration.
#@args -d 1
        .FILE "main.c"
        .ENUM "E"
        .ENUMERATOR "A" 1
        .ENUM_END "F"
#@exit 2
#@noobj
#@out Assembling debug/checks/enum_name_mismatch.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/enum_name_mismatch.asm line 6: (error) A2009 enum name mismatch

# A .STRUCT_END while an enumeration is open.
#@args -d 1
        .FILE "main.c"
        .ENUM "E"
        .STRUCT_END "S"
#@exit 2
#@noobj
#@out Assembling debug/checks/struct_end_without_struct.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/struct_end_without_struct.asm line 5: (error) A2003 missing .STRUCT directive

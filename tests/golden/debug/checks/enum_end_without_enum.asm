# An .ENUM_END without its .ENUM.
#@args -d 1
        .FILE "main.c"
        .TYPEDEF "t" "int"
        .ENUM_END "E"
#@exit 2
#@noobj
#@out Assembling debug/checks/enum_end_without_enum.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/enum_end_without_enum.asm line 5: (error) A2000 missing .ENUM directive

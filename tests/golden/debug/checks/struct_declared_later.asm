# A typedef of a structure that is described only further down. The build runs after
# the second pass, so the report carries the last line read.
#@args -d 1
#@exit 4
#@noobj
#@out Assembling debug/checks/struct_declared_later.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/struct_declared_later.asm line 12: (error) A4003 unresolved datatype "Later"
        .FILE "main.c"
        .DATA
        .TYPEDEF "T" "struct Later"
        .STRUCT "Later" 8

# A union member while a structure is open.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 8
        .UNIONMEM "m" "int" 16 0 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_without_union.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_without_union.asm line 5: (error) A2006 missing .UNION directive

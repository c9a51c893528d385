# A .UNION_END must name the open union.
#@args -d 1
        .FILE "main.c"
        .UNION "U" 8
        .UNION_END "V"
#@exit 2
#@noobj
#@out Assembling debug/checks/union_name_mismatch.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/union_name_mismatch.asm line 5: (error) A2005 struct/union name mismatch

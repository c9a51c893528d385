# A union member array needs a dimension.
#@args -d 1
        .FILE "main.c"
        .UNION "U" 32
        .UNIONMEM "v" "int" 8 0 0 0 1 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/union_member_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/union_member_dimension.asm line 5: (error) A2019 invalid array dimension

# The pointer flag of a union member is 0 or 1.
#@args -d 1
        .FILE "main.c"
        .UNION "U" 32
        .UNIONMEM "v" "int" 8 0 2 0 1 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/union_member_pointer_flag.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/union_member_pointer_flag.asm line 5: (error) A2023 invalid pointer flag

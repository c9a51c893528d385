# A structure member while a union is open.
#@args -d 1
        .FILE "main.c"
        .UNION "U" 8
        .STRUCTMEM "m" "int" 16 0 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_without_struct.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_without_struct.asm line 5: (error) A2003 missing .STRUCT directive

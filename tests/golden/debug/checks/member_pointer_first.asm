# A structure member's pointer flag is checked before its array flag.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 32
        .STRUCTMEM "v" "int" 8 0 7 0 9 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_pointer_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_pointer_first.asm line 5: (error) A2023 invalid pointer flag

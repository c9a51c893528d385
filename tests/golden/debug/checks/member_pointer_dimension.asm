# A pointer member needs a pointer dimension.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 32
        .STRUCTMEM "v" "int" 8 0 1 0 9 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_pointer_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_pointer_dimension.asm line 5: (error) A2020 invalid pointer dimension

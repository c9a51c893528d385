# The array flag of a structure member is 0 or 1.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 32
        .STRUCTMEM "v" "int" 8 0 0 0 9 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_array_flag.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_array_flag.asm line 5: (error) A2022 invalid array flag

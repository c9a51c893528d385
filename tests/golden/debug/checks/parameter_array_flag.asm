# The array flag of a parameter is 0 or 1.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .PARAMETER "v" 8 "int" 0 0 0 2 0 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/parameter_array_flag.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/parameter_array_flag.asm line 5: (error) A2022 invalid array flag

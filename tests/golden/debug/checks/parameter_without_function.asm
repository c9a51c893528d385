# A parameter outside any function.
#@args -d 1
        .FILE "main.c"
        .TYPEDEF "t" "int"
        .PARAMETER "p" 16 "int" 0 0 0 0 0 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/parameter_without_function.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/parameter_without_function.asm line 5: (error) A2012 missing .FUNCTION directive

# A parameter needs a positive line.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .PARAMETER "v" 8 "int" 0 0 0 0 0 0 -3
#@exit 2
#@noobj
#@out Assembling debug/checks/parameter_line.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/parameter_line.asm line 5: (error) A2001 invalid line number

# A return type outside any function.
#@args -d 1
        .FILE "main.c"
        .RETURN "int" 16 0 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/return_without_function.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/return_without_function.asm line 4: (error) A2012 missing .FUNCTION directive

# A .FUNC_END without its .FUNCTION.
#@args -d 1
        .FILE "main.c"
        .FUNC_END "f"
#@exit 2
#@noobj
#@out Assembling debug/checks/function_end_without_function.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/function_end_without_function.asm line 4: (error) A2012 missing .FUNCTION directive

# A .FUNC_END must name the open function.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .FUNC_END "g"
#@exit 2
#@noobj
#@out Assembling debug/checks/function_end_mismatch.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/function_end_mismatch.asm line 5: (error) A2008 function name mismatch

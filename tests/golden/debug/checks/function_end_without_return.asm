# A function must state its return type before it ends.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .FUNC_END "f"
#@exit 2
#@noobj
#@out Assembling debug/checks/function_end_without_return.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/function_end_without_return.asm line 5: (error) A2017 missing function return type

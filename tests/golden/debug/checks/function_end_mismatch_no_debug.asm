# Without -d 1 the descriptions are not checked, but the function bookkeeping still is.
        .VARIABLE "v" -5 "int" 0 9 0 9 0 0 0
        .FUNCTION "f"
        .FUNC_END "h"
#@exit 2
#@out Assembling debug/checks/function_end_mismatch_no_debug.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/function_end_mismatch_no_debug.asm line 4: (error) A2008 function name mismatch
#@noobj

# A second .FUNCTION while one is open reports 2013 at the line where the open one
# began, even without -d 1, and ends pass one.
#@exit 2
#@noobj
#@out Assembling debug/function_not_closed.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/function_not_closed.asm line 10: (error) A2013 missing .FUNC_END directive
first:  NOP
second: NOP
        .FUNCTION "first"
        NOP
        .FUNCTION "second"
        NOP

# A parameter whose datatype is a typedef described only after its function. The build
# runs after the second pass, so the report carries the last line read.
#@args -d 1
#@exit 4
#@noobj
#@out Assembling debug/checks/parameter_type_later.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/parameter_type_later.asm line 15: (error) A4003 unresolved datatype "Later"
        .FILE "main.c"
        .DATA
        .FUNCTION "f"
        .RETURN "int" 16 0 0 0 0 0 0
        .PARAMETER "p" 16 "Later" 0 0 0 0 0 0 1
        .FUNC_END "f"
        .TYPEDEF "Later" "int"

# A return type that is an array needs a dimension.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .RETURN "int" 8 0 1 0 1 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/return_array_dimension.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/return_array_dimension.asm line 5: (error) A2019 invalid array dimension

# A function has one return type.
#@args -d 1
        .FILE "main.c"
        .FUNCTION "f"
        .RETURN "int" 16 0 0 0 0 0 0
        .RETURN "int" 16 0 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/second_return.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/second_return.asm line 6: (error) A2024 duplicate return type

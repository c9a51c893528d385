# A declaration line of 0 is refused.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 8 "int" 0 0 0 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/zero_line.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/zero_line.asm line 5: (error) A2001 invalid line number

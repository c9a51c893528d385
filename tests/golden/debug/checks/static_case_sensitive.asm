# With -c the label of a static variable must be spelt as the variable is.
#@args -d 1 -c
        .FILE "main.c"
        .DATA
counter .DW 1 0
        .VARIABLE "Counter" 16 "short" SIGNED NORMAL -1 NORMAL 0 0 4 static
#@exit 2
#@out Assembling debug/checks/static_case_sensitive.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/static_case_sensitive.asm line 6: (error) A3005 symbol not yet declared 'Counter'
#@noobj

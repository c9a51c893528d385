# A static variable (negative offset) needs a label of its name.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "nolabel" 8 "int" 0 0 -1 0 0 0 1
#@exit 2
#@noobj
#@out Assembling debug/checks/static_without_label.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/static_without_label.asm line 5: (error) A3005 symbol not yet declared 'nolabel'

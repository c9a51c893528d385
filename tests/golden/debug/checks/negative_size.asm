# A negative size is reported before every other check.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v" -1 "int" 0 7 0 9 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/negative_size.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/negative_size.asm line 5: (error) A2018 invalid size specified

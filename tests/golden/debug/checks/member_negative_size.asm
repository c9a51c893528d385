# A member of negative size.
#@args -d 1
        .FILE "main.c"
        .STRUCT "S" 32
        .STRUCTMEM "v" "int" -8 0 7 0 0 0 0
#@exit 2
#@noobj
#@out Assembling debug/checks/member_negative_size.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/member_negative_size.asm line 5: (error) A2018 invalid size specified

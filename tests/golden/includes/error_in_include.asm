# A diagnostic inside an included file names that file and its own line.
        .DATA
ok      .DB 1 1
        .INCLUDE "includes/include/bad.inc"
#@exit 2
#@noobj
#@out Assembling includes/error_in_include.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: includes/include/bad.inc line 3: (error) A2018 invalid size specified

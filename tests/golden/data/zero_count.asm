# A data directive without elements is refused, and the first pass ends there.
ok      .DB 1 1
none    .DB 0 1
#@exit 2
#@noobj
#@out Assembling data/zero_count.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: data/zero_count.asm line 3: (error) A2018 invalid size specified

# TXL's second operand may not be indirect.
    TXL 1 (2)
#@exit 4
#@noobj
#@out Assembling encoding/checks/txl_indirect_second.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/txl_indirect_second.asm line 2: (error) A3014 indirect access is not allowed

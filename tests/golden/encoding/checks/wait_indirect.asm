# WAIT takes no indirect operand.
    WAIT (5)
#@exit 4
#@noobj
#@out Assembling encoding/checks/wait_indirect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/wait_indirect.asm line 2: (error) A3014 indirect access is not allowed

# PORTTST with a flag takes no indirect port.
    PORTTST (1) $3 F7
#@exit 4
#@noobj
#@out Assembling encoding/checks/porttst_three_indirect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/porttst_three_indirect.asm line 2: (error) A3014 indirect access is not allowed

# INPORT takes no indirect port.
    INPORT (5) 0x30
#@exit 4
#@noobj
#@out Assembling encoding/checks/inport_indirect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/inport_indirect.asm line 2: (error) A3014 indirect access is not allowed

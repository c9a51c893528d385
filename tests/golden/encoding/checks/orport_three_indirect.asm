# ORPORT with three operands takes no indirect port.
    ORPORT (5) (0x20) $1
#@exit 4
#@noobj
#@out Assembling encoding/checks/orport_three_indirect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/orport_three_indirect.asm line 2: (error) A3014 indirect access is not allowed

# OUTPORT checks the indirect port before the value's range.
    OUTPORT (5) $300
#@exit 4
#@noobj
#@out Assembling encoding/checks/outport_indirect_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/outport_indirect_first.asm line 2: (error) A3014 indirect access is not allowed

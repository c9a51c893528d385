# ANDPORT checks the value's range before the indirect port.
    ANDPORT (5) $300
#@exit 4
#@noobj
#@out Assembling encoding/checks/andport_range_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/andport_range_first.asm line 2: (error) A3015 value is greater than the operand size

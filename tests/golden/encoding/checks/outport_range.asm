# OUTPORT takes an 8-bit value.
    OUTPORT 5 $300
#@exit 4
#@noobj
#@out Assembling encoding/checks/outport_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/outport_range.asm line 2: (error) A3015 value is greater than the operand size

# ANDPORT with three operands checks the value's range first.
    ANDPORT (5) (0x20) $256
#@exit 4
#@noobj
#@out Assembling encoding/checks/andport_three_range_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/andport_three_range_first.asm line 2: (error) A3015 value is greater than the operand size

# SP_WR8 checks the value's range before the indirection.
    SP_WR8 (5) $300
#@exit 4
#@noobj
#@out Assembling encoding/checks/sp_wr8_range_first.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/sp_wr8_range_first.asm line 2: (error) A3015 value is greater than the operand size

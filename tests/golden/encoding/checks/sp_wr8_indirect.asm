# SP_WR8 takes no indirect address.
    SP_WR8 (5) $3
#@exit 4
#@noobj
#@out Assembling encoding/checks/sp_wr8_indirect.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/sp_wr8_indirect.asm line 2: (error) A3014 indirect access is not allowed

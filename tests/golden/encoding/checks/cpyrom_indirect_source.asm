# CPYROM takes no indirect source.
    CPYROM 0x10 (0x20) $1
#@exit 4
#@noobj
#@out Assembling encoding/checks/cpyrom_indirect_source.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/cpyrom_indirect_source.asm line 2: (error) A3014 indirect access is not allowed

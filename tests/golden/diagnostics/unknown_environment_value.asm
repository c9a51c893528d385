# A value of ZORLAN_DIAGNOSTICS the assembler does not know is ignored.
#@env ZORLAN_DIAGNOSTICS=json
#@exit 2
#@noobj
    OUTPROT 0x10 $1
#@out Assembling diagnostics/unknown_environment_value.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: diagnostics/unknown_environment_value.asm line 5: (error) A1002 not supported directive

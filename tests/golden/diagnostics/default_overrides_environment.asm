# --diagnostics=default keeps the usual listing when the environment asks for the other form.
#@env ZORLAN_DIAGNOSTICS=gnu
#@args --diagnostics=default
#@exit 2
#@noobj
    OUTPROT 0x10 $1
#@out Assembling diagnostics/default_overrides_environment.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: diagnostics/default_overrides_environment.asm line 6: (error) A1002 not supported directive

# ZORLAN_DIAGNOSTICS=gnu asks for the same form; an instruction written with operands it
# has no form for names the mnemonic.
#@env ZORLAN_DIAGNOSTICS=gnu
#@exit 2
#@noobj
start:  NOP
        LD8     $1 $2
#@out Assembling diagnostics/gnu_from_environment.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out diagnostics/gnu_from_environment.asm:7:9: error: instruction format not supported 'LD8' [A1004]

# --fatal-warnings counts warnings as errors for the exit status; the object is written all
# the same, as after any error that does not stop a pass, and the listing is unchanged.
#@args --fatal-warnings
#@exit 4
dup:    NOP
dup:    HALT
#@out Assembling diagnostics/fatal_warnings.asm
#@out 0 errors, 1 warnings and 0 informational messages
#@out Assembler: diagnostics/fatal_warnings.asm line 5: (warning) A3016 duplicate symbol 'DUP'

# The rule goes with the object: a run that leaves no object leaves no rule. -P is the
# short form.
#@args -P $TMP/out.d
#@exit 4
#@noobj
#@nofile out.d
        CALL    nowhere
#@out Assembling depfile/only_with_object.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: depfile/only_with_object.asm line 7: (error) A3012 unresolved symbol 'nowhere'

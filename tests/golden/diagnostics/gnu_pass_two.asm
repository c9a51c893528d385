# Warnings read "warning" and informational messages "note", in report order and with the
# line numbers of the usual listing; a name that pass two cannot resolve gets the column it
# is written in (not one in the comment).
#@args --diagnostics=gnu
#@exit 4
#@noobj
        .DATA
twice   .DB 1 1
twice   .DB 1 2
        .GLOBAL EXPORT twice
        .GLOBAL EXPORT twice
        .TEXT
start:  NOP
        CALL    nowhere         # nowhere else
#@out Assembling diagnostics/gnu_pass_two.asm
#@out 1 errors, 1 warnings and 1 informational messages
#@out diagnostics/gnu_pass_two.asm:9: warning: duplicate symbol 'TWICE' [A3016]
#@out diagnostics/gnu_pass_two.asm:11: note: multiple global declaration [A2027]
#@out diagnostics/gnu_pass_two.asm:14:17: error: unresolved symbol 'nowhere' [A3012]

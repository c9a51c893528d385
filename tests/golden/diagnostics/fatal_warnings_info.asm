# -E, the short form: informational messages are no warnings and leave the status at 0.
#@args -E
        .DATA
a       .DB 1 1
        .GLOBAL EXPORT a
        .GLOBAL EXPORT a
#@out Assembling diagnostics/fatal_warnings_info.asm
#@out 0 errors, 0 warnings and 1 informational messages
#@out Assembler: diagnostics/fatal_warnings_info.asm line 6: (info) A2027 multiple global declaration

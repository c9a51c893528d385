# Labels are found ignoring case, but .GLOBAL matches the symbol table's spelling exactly.
entry:  NOP
        .GLOBAL EXPORT ENTRY
#@exit 4
#@noobj
#@out Assembling driver/global_case_mismatch.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/global_case_mismatch.asm line 3: (error) A3006 symbol not found in string table

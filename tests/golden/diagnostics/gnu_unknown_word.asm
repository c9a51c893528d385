# With --diagnostics=gnu each diagnostic reads FILE:LINE:COLUMN: SEVERITY: TEXT [ACODE], as
# editors and build tools expect; a line that begins with a word the assembler does not
# know names that word and the column it starts in. The count line stays as it is.
#@args --diagnostics=gnu
#@exit 2
#@noobj
        NOP
    OUTPROT 0x10 $1
#@out Assembling diagnostics/gnu_unknown_word.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out diagnostics/gnu_unknown_word.asm:8:5: error: not supported directive 'OUTPROT' [A1002]

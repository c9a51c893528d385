# Datatype names compare exactly, even in a run that folds the case of symbol names:
# "Word_t" does not name the typedef "word_t", and the debug build fails with 4000.
#@args -d 1
#@exit 4
#@noobj
#@out Assembling debug/type_names_keep_their_case.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/type_names_keep_their_case.asm line 12: (error) A4000 unknown datatype 'Word_t'
        .FILE "main.c"
        .DATA
        .TYPEDEF "word_t" "unsigned short"
        .VARIABLE "v" 16 "Word_t" UNSIGNED NORMAL 0 NORMAL 0 0 8

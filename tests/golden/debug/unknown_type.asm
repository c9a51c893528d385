# A datatype that no entry ever names fails the debug build with 4000, reported at
# the describing directive's line; the object is not written.
#@args -d 1
#@exit 4
#@noobj
#@out Assembling debug/unknown_type.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/unknown_type.asm line 11: (error) A4000 unknown datatype 'mystery_t'
        .FILE "main.c"
        .DATA
        .VARIABLE "v" 16 "mystery_t" SIGNED NORMAL 0 NORMAL 0 0 3
        .TYPEDEF "other_t" "int"

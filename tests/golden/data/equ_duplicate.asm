# A second .EQU of a name (compared ignoring case) is a warning; the first value stands.
size    .EQU 42
SIZE    .EQU 7
        LD8 0x10 $Size      #@text 222A 0010
#@out Assembling data/equ_duplicate.asm
#@out 0 errors, 1 warnings and 0 informational messages
#@out Assembler: data/equ_duplicate.asm line 3: (warning) A3016 duplicate symbol 'SIZE'

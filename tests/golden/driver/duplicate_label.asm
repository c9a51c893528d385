# A second definition of a label is a warning: the first stays in force (names are
# compared ignoring case), the object is written and the status is 0. A label statement
# is complete before its newline, so it carries the line before it.
first:  NOP                 #@text 0000
FIRST:  HALT                #@text 0001
        JUMP first          #@text FA00 0000
#@sym first 0 1 0x10 1
#@sym FIRST 1 3 0x10 1
#@rel .rel.text 2 2 - 0
#@out Assembling driver/duplicate_label.asm
#@out 0 errors, 1 warnings and 0 informational messages
#@out Assembler: driver/duplicate_label.asm line 4: (warning) A3016 duplicate symbol 'FIRST'

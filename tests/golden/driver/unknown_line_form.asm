# A line that starts with no known word is of unknown form: pass one stops at it.
        NOP
two identifiers
        NOP
#@exit 2
#@noobj
#@out Assembling driver/unknown_line_form.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/unknown_line_form.asm line 3: (error) A1002 not supported directive

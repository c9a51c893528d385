# A data string may not run over the end of its line; the report names the line it starts on.
        .DATA
msg     .ASCII "abc
def"
#@exit 2
#@noobj
#@out Assembling driver/unterminated_string.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/unterminated_string.asm line 3: (error) A1006 syntax error unterminated string

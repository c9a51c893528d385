# An unknown escape in a data string keeps its own code. The statement ends before its
# newline is read, so the report carries the line before it.
        .DATA
ok      .DB 2 "\x41\101"
bad     .DB 2 "a\q"
#@exit 2
#@noobj
#@out Assembling driver/bad_escape.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/bad_escape.asm line 4: (error) A1007 syntax error illegal escape sequence

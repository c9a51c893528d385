# With -u a data name must start with an underscore. Both the scan for .ABS and pass one
# print the rule's message. The rejection leaves no code of its own, so the generic code
# is reported on the line after the last one read.
#@args -u
        .DATA
_ok     .DB 1 1
bad     .DB 1 2
#@exit 2
#@noobj
#@out Assembling driver/underscore_rule.asm
#@out Data identifier should start with _
#@out Data identifier should start with _
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/underscore_rule.asm line 8: (error) A1000 neither instruction nor directive

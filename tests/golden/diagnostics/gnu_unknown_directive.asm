# The short form -F; an unknown directive is named with its full stop, and a tab counts to
# the next multiple of eight columns.
#@args -F gnu
#@exit 2
#@noobj
	.TEXT
	.OUTPUT 1
#@out Assembling diagnostics/gnu_unknown_directive.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out diagnostics/gnu_unknown_directive.asm:7:9: error: not supported directive '.OUTPUT' [A1002]

# With debug information on, the source must name its file with .FILE. The check runs
# between the passes, at line 0.
#@args -d 1
        NOP
#@exit 1
#@noobj
#@out Assembling driver/missing_file_directive.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/missing_file_directive.asm line 0: (error) A3008 missing .FILE directive

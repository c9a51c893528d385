# A .FILE without a name.
#@args -d 1
        .FILE "main.c"
        .FILE ""
#@exit 2
#@noobj
#@out Assembling debug/checks/empty_file_name.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/empty_file_name.asm line 4: (error) A3007 invalid filename

# An enumerator outside any .ENUM.
#@args -d 1
        .FILE "main.c"
        .ENUMERATOR "A" 1
#@exit 2
#@noobj
#@out Assembling debug/checks/enumerator_without_enum.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: debug/checks/enumerator_without_enum.asm line 4: (error) A2000 missing .ENUM directive

# A count far beyond the data memory is refused before anything is laid down.
#@exit 4
#@noobj
#@out Assembling limits/huge_db.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_db.asm line 8: (error) A3020 memory overflow
        .DATA
big     .DB 2147483647 1

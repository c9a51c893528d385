# Two reservations whose sum passes the largest 32-bit number.
#@exit 4
#@noobj
#@out Assembling limits/huge_bss.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/huge_bss.asm line 8: (error) A3020 memory overflow
        .BSS a 2147483647
        .BSS b 2147483647

# Endless random bytes are refused like any other source beyond the size limit.
        .INCLUDE "/dev/urandom"
#@exit 2
#@noobj
#@out Assembling limits/include_urandom.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/include_urandom.asm line 2: (error) A3020 memory overflow

# A device that never ends is refused once it passes the source size limit.
        NOP
        .INCLUDE "/dev/zero"
#@exit 2
#@noobj
#@out Assembling limits/include_zero.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/include_zero.asm line 3: (error) A3020 memory overflow

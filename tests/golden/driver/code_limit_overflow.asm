# Code beyond 256 KiB ends the run after pass one, wherever the counter got there from;
# the report carries the last line read.
#@exit 4
#@noobj
#@out Assembling driver/code_limit_overflow.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/code_limit_overflow.asm line 12: (error) A3020 memory overflow
        .ABS
        .ORG 0x1FFFF
        LD32 x $1
        .DATA
x       .DD 1 0

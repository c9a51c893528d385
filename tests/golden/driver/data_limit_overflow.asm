# One byte more than the data memory holds ends the run after pass one; the report
# carries the last line read.
#@exit 4
#@noobj
#@out Assembling driver/data_limit_overflow.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/data_limit_overflow.asm line 10: (error) A3020 memory overflow
        .DATA
big     .DB 16384 0
more    .DB 1 0

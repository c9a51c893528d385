# Carriage returns before the newlines are skipped.
        .DATA
v       .DB 2 1,2
#@data 01 02
#@sym v 0 2 0x10 1

# A member of bit size 0 counts as byte-aligned and lays down its value.
        .DATA
s       .DATA_DEF 2
m       .DATA_INIT 5 0 8 0
e       .DATA_DEF_END
#@data 05 00

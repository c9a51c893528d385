# An identifier value in a bit-field member is stored as zeros and still gets its
# pointer relocation at the member's first byte.
        .DATA
pad     .DB 1 0
q       .DW 1 0
s       .DATA_DEF 4
m       .DATA_INIT q 4 16 12
e       .DATA_DEF_END
#@data 00 00 00 00 00 00 00
#@rel .rel.data 3 7 q 0

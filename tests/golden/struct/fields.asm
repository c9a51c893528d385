# Structure members wider or narrower than a byte: only the low bits of a value fill a
# bit-field, array elements follow each other, elements off a byte boundary straddle two
# bytes, and a 64-bit element takes the sign of its value.
        .DATA
low     .DATA_DEF 1
low     .DATA_INIT 0x1F3 0 2 2
low     .DATA_DEF_END
arr     .DATA_DEF 4
arr     .DATA_INIT 1, 2, 3 8 8 24
arr     .DATA_DEF_END
odd     .DATA_DEF 3
odd     .DATA_INIT 0xAB, 0xCD 4 8 16
odd     .DATA_DEF_END
wide    .DATA_DEF 8
wide    .DATA_INIT -2 0 64 64
wide    .DATA_DEF_END
#@data C0  00 01 02 03  0A BC D0  FE FF FF FF FF FF FF FF
#@sym low 0 1 0x10 1
#@sym arr 1 4 0x10 1
#@sym odd 5 3 0x10 1
#@sym wide 8 8 0x10 1

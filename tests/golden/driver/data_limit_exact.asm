# Exactly 16,384 bytes of data fit the data memory. Without code .text is left out, so
# .data becomes section 1.
        .DATA
big     .DB 16384 0
#@sym big 0 16384 0x10 1
#@shdr .data sh_size=16384

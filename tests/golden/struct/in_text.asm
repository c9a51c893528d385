# An instance in the text section starts on a word boundary after a zero pad byte; its
# symbol holds the word address and the size in bytes.
odd     .DB 1 9
s       .DATA_DEF 3
s       .DATA_INIT 0x0102 0 16 16
s       .DATA_DEF_END
        HALT
#@text 09 00  02 01 00  00 0001
#@sym odd 0 1 0x10 1
#@sym s 1 3 0x10 1

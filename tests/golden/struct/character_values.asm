# .DATA_INIT takes character constants and strings as lists of character codes; the
# escapes of a string are not processed there (a backslash and an n are two values).
        .DATA
s       .DATA_DEF 6
s       .DATA_INIT 'z' 0 8 8
s       .DATA_INIT 'a','b' 8 8 16
s       .DATA_INIT "a\n" 24 8 24
s       .DATA_DEF_END
#@data 7A 61 62 61 5C 6E
#@sym s 0 6 0x10 1

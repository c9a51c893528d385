# With .ABS, a single .ORG moves the text contents: the section starts with the code and
# the entry point is the origin's byte address.
        .ABS
        .ORG 0x100
start:  NOP
        HALT
#@header e_entry=0x200
#@text 0000 0001
#@sym start 0x100 2 0x14 1

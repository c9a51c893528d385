# Statements before and after each .INCLUDE are assembled exactly once, including a label
# on the line right after it.
        .DATA
before  .DB 1 0x01
        .INCLUDE "includes/include/one.inc"
after   .DB 1 0x02
        .TEXT
        .INCLUDE "includes/include/code.inc"
back:   NOP
#@data 01 11 12 02
#@text 0001 0000
#@sym before 0 1 0x10 2
#@sym inc1 1 1 0x10 2
#@sym inc2 2 1 0x10 2
#@sym after 3 1 0x10 2
#@sym inside 0 1 0x10 1
#@sym back 1 1 0x10 1

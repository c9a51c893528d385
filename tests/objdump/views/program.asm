# A small program for the views: code with relocated operands of several kinds, data
# in the text section, pointer items, bss, a weak name and linkage declarations.
        .DATA
count   .DB 1 3
table   .DW 2 start, count
limit   .CONST 0x1234
        .BSS buffer 8
        .WEAK spare
        .TEXT
start:  LD8 count $10
        OUTPORT 0x10 $1
        CALL delay
        JUMP (vector)
delay:  DEC8 count $1
        ADD16 table+2 $limit
        BTST8 count $3 C
        JNZ delay+2
        RTS
vector  .DW 1 delay
message .ASCIIZ "hi"
        .GLOBAL EXPORT start
        .GLOBAL DO_NOT_EXPORT delay

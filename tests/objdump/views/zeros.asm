# Runs of zero words for the disassembly: a run of four zero words or more (NOPs or zero
# data) is shown as "...", a shorter one as it is; a label ends a run, and pointers,
# whose zero bytes are relocated, are never part of one.
start:  LD8 pad $1
        NOP
        NOP
        NOP
        NOP
        NOP
        RTS
pad     .DB 20 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7
short:  NOP
        NOP
        NOP
        RTS
ptrs    .DW 4 start, start, start, start
tail    .DW 6 0, 0, 0, 0, 0, 0

# Linkage bits of .symtab entries in an absolute object.
        .ABS
main:   NOP
        .DATA
pub     .DB 1 1
hid     .DB 1 2
loc     .DB 1 3
        .GLOBAL EXPORT pub, main
        .GLOBAL DO_NOT_EXPORT hid
        .LOCAL loc
        .WEAK w1
#@sym pub 0 1 0x1D 2
#@sym hid 1 1 0x19 2
#@sym loc 2 1 0x14 2
#@sym w1 0xFFFF 1 0x12 2
#@sym main 0 1 0x1D 1

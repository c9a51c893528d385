# A second .GLOBAL of a name is noted as information and ends that directive's list in
# the first pass (so b is declared for the first time by the last line); the second pass
# still sets the bits of every name in the list.
        .DATA
a       .DB 1 1
b       .DB 1 2
        .GLOBAL DO_NOT_EXPORT a
        .GLOBAL EXPORT a, b
        .GLOBAL EXPORT b
#@out Assembling linkage/declared_twice.asm
#@out 0 errors, 0 warnings and 1 informational messages
#@out Assembler: linkage/declared_twice.asm line 8: (info) A2027 multiple global declaration
#@sym a 0 1 0x1D 1
#@sym b 1 1 0x1D 1

# With -u a data name loses its underscore in the symbol table, and so does a constant's
# name; a .BSS name needs none; .GLOBAL names data by its written name, underscore and all.
#@args -u
_k      .EQU 5
        LD8 0x10 $k         #@text 2205 0010
        .DATA
_a      .DB 1 1
        .GLOBAL EXPORT _a
        .BSS heap 4
#@sym a 0 1 0x1D 2
#@sym heap 0 4 0x10 3

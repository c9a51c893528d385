# Edges of the operand fields: a zero CPYMEM count, and a call to the last word of the
# code memory (bit 16 of the target in the first word).
    CPYMEM 0x10 0x20 $0     #@text 7C00 4020 0010
    CALL7 0x1FFFF           #@text FAFF FFFF

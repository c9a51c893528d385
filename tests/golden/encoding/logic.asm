# AND, OR, XOR and XNOR in the three widths: immediate, memory and three-operand forms.
#@sections .text .shstrtab
    AND8 0x10 $5                    #@text 4A05 0010
    XOR8 0x3FFF $0xC5               #@text 4A85 FFFF
    OR8 (0x10) $-1                  #@text 4B7F C010
    OR16 0x10 $-2                   #@text 4C40 0010 FFFE
    XNOR32 (0x10) $0x89ABCDEF       #@text 4FC0 0010 CDEF 89AB
    AND8 (0x10) (0x20)              #@text 5501 0020 0010
    OR32 0x10 0x4020                #@text 5440 8020 0010
    XOR16 0x10 0x20                 #@text 5480 4020 0010
    AND16 (0x10) (0x20) (0x30)      #@text 5703 4020 0030 0010
    XNOR8 0x10 0x20 0x30            #@text 56C0 0020 0030 0010
    OR32 0x10 0x20 0x30             #@text 5640 8020 0030 0010

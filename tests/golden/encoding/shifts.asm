# Shifts and rotates: count as immediate or in memory, two and three operands.
#@sections .text .shstrtab
    SHR8 0x10 $3                #@text 3203 0010
    SHL16 (0x4010) $0x25        #@text 3325 4010
    SAR32 0x10 0x20             #@text 3C40 8020 0010
    ROLC32 (0x10) (0x20)        #@text 3DE2 8020 0010
    SHR8 (0x10) (0x20) $0x13    #@text 3513 0020 8010
    ROR16 0x10 0x20 $5          #@text 3484 4020 8010
    SAR32 0x10 0x20 0x30        #@text 3E40 8030 0020 0010

# .EVEN in text and .ODD in data pad with zeros and leave their codes in sh_info:
# 2 for .EVEN, 1 for .ODD.
    HALT            #@text 0001
    .EVEN           #@text 0000
    HALT            #@text 0001
    .DATA
X   .DB 2 5,6       #@data 05 06
    .ODD            #@data 00
Y   .DB 1 7         #@data 07
#@sections .text .data .symtab .strtab .shstrtab
#@sym X 0 2 0x10 2
#@sym Y 3 1 0x10 2
#@shdr .text sh_info=2 sh_addralign=0
#@shdr .data sh_info=1 sh_addralign=0

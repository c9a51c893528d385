# Identifier values are zeros plus pointer relocations: 16-bit items get type 7, 32-bit
# items type 3, in .rel.data from the data section and in .rel.text from the text section.
# Names are found ignoring case. The first .symtab entry has index 0, which the listing
# shows as `-`.
main:   NOP
        .DATA
table   .DW 2 main, value
value   .DD 1 table
        .TEXT
ptr     .DW 1 VALUE
#@sections .text .data .symtab .strtab .rel.text .rel.data .shstrtab
#@text 0000 0000
#@data 00 00 00 00 00 00 00 00
#@sym table 0 4 0x10 2
#@sym value 4 4 0x10 2
#@sym ptr 1 1 0x10 1
#@sym main 0 2 0x10 1
#@rel .rel.text 2 7 value 0
#@rel .rel.data 0 7 main 0
#@rel .rel.data 2 7 value 0
#@rel .rel.data 4 3 - 0

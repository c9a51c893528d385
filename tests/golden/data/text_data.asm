# Data in the text section starts on a word boundary (a zero pad byte), is labelled with
# its word address and sized in words, rounded up.
start:  NOP
odd     .DB 3 1, 2, 3
word    .DW 1 0x1234
next:   HALT
#@sections .text .symtab .strtab .shstrtab
#@text 0000 01 02 03 00 34 12 0001
#@sym odd 1 2 0x10 1
#@sym word 3 1 0x10 1
#@sym start 0 4 0x10 1
#@sym next 4 1 0x10 1

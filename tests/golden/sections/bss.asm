# The named .BSS form reserves space in .bss for a symbol; a second reservation of the
# name warns but still reserves and gets its entry, and `?` data follows them.
        .BSS buf 5000
        .BSS BUF 3000
z       .DB 2 ?
#@out Assembling sections/bss.asm
#@out 0 errors, 1 warnings and 0 informational messages
#@out Assembler: sections/bss.asm line 4: (warning) A3016 duplicate symbol 'BUF'
#@sections .bss .symtab .strtab .shstrtab
#@shdr .bss sh_type=8 sh_size=8002
#@sym buf 0 5000 0x10 1
#@sym BUF 0x1388 3000 0x10 1
#@sym z 0x1f40 2 0x10 1

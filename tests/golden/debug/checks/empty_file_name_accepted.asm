# .FILE with an empty name still names the file: only a missing name is refused.
#@args -d 1
        .FILE "main.c"
        .FILE ""
        NOP                 #@text 0000

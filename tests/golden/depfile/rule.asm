# --MD writes a Make rule: the object, then the source and every file read through
# .INCLUDE (as it was opened), each once, in the order first read; a blank, '#' and '$'
# are written as Make reads them.
#@args --MD $TMP/out.d -I depfile/include -o $TMP/a#b$c.obj
        .INCLUDE "first.inc"
        .INCLUDE "depfile/include/with blank$.inc"
        .INCLUDE "first.inc"
#@text 0001 0000 0006 0001 0000
#@file out.d $TMP/a\#b$$c.obj: depfile/rule.asm depfile/include/first.inc depfile/include/nested.inc depfile/include/with\ blank$$.inc

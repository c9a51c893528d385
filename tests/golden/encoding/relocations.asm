# Relocation entries of data-address, immediate, port, bit-number, shift-count and
# copy-count operands: word positions, types and addends. v is at data byte 4, p at 6,
# L at text byte 2.
.DATA
pad .DB 4 1, 2, 3, 4
v   .DW 1 0x1234
p   .DB 1 9
.TEXT
      NOP                   #@text 0000
L:    LD16 v+2 $L           #@text 2400 0004 0002
      LD8 L $p              #@text 2206 0002
      AND8 v $p             #@text 4A06 0004
      CMP32 v $L            #@text DE00 0004 0002 0000
      OUTPORT p v           #@text B406 0004
      PORTTST p $p F3       #@text C806 0166
      SHR16 v v $p          #@text 3406 4004 0004
      SHR16 v+2 v+2 v+2     #@text 3E00 4004 0004 0004
      CPYMEM v v $p         #@text 7C06 4004 0004
      BSET8 v $p            #@text A286 0004
      ADD16 L+4 $L          #@text 6C00 0002 0002
      SP_INC $p             #@text 0806
      PUSH32 $L             #@text EC00 0002 0000
      TXL v p               #@text FD00 0006 0004
      RTS                   #@text 0006
#@rel .rel.text 2 8 v 2
#@rel .rel.text 3 12 L 0
#@rel .rel.text 5 6 L 0
#@rel .rel.text 4 11 p 0
#@rel .rel.text 7 6 v 0
#@rel .rel.text 6 14 p 0
#@rel .rel.text 9 6 v 0
#@rel .rel.text 10 13 L 0
#@rel .rel.text 12 1 p 0
#@rel .rel.text 13 6 v 0
#@rel .rel.text 14 1 p 0
#@rel .rel.text 15 9 p 0
#@rel .rel.text 18 6 v 0
#@rel .rel.text 17 6 v 0
#@rel .rel.text 16 15 p 0
#@rel .rel.text 22 8 v 2
#@rel .rel.text 21 6 v 2
#@rel .rel.text 20 8 v 2
#@rel .rel.text 25 6 v 0
#@rel .rel.text 24 6 v 0
#@rel .rel.text 23 16 p 0
#@rel .rel.text 27 6 v 0
#@rel .rel.text 26 10 p 0
#@rel .rel.text 29 8 L 2
#@rel .rel.text 30 12 L 0
#@rel .rel.text 31 11 p 0
#@rel .rel.text 33 13 L 0
#@rel .rel.text 37 6 v 0
#@rel .rel.text 36 6 p 0

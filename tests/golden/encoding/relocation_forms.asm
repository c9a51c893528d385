# Word positions and types of the relocation entries of each operand role, family by
# family: memory operands are type 6 (type 8 with an offset, which stays a byte addend),
# $label immediates type 11 (8-bit), 12 (16-bit) or 13 (32-bit) in the word that holds
# them, shift and bit counts type 10, ports type 1 and bit-test ports type 9. A negative
# offset from a text label halves towards minus infinity; a constant needs no entry.
        .DATA
pad     .DB 5 0
port    .DB 1 0
var     .DW 1 0
k       .EQU 7
        .TEXT
lbl:    NOP                     #@text 0000
        SP_LOAD var+2           #@text 1B00 0006
#@rel .rel.text 2 8 var 2
        SP_LOAD $lbl            #@text 0A00 0000
#@rel .rel.text 4 6 lbl 0
        SP_WR8 var $port        #@text 1205 0006
#@rel .rel.text 6 6 var 0
#@rel .rel.text 5 11 port 0
        PUSH8 var               #@text F200 0006
#@rel .rel.text 8 6 var 0
        PUSH8 $lbl              #@text E800
#@rel .rel.text 9 11 lbl 0
        PUSH16 $lbl             #@text EA00 0000
#@rel .rel.text 0xb 12 lbl 0
        POP16 var+2             #@text F340 0006
#@rel .rel.text 0xd 8 var 2
        LD32 var $port          #@text 2600 0006 0005 0000
#@rel .rel.text 0xf 6 var 0
#@rel .rel.text 0x10 13 port 0
        CPYROM var var $port    #@text 2C05 0006 0006
#@rel .rel.text 0x14 6 var 0
#@rel .rel.text 0x13 6 var 0
#@rel .rel.text 0x12 11 port 0
        SHR8 var $port          #@text 3205 0006
#@rel .rel.text 0x16 6 var 0
#@rel .rel.text 0x15 10 port 0
        SHR8 var var            #@text 3C00 0006 0006
#@rel .rel.text 0x19 6 var 0
#@rel .rel.text 0x18 6 var 0
        AND8 var var var        #@text 5600 0006 0006 0006
#@rel .rel.text 0x1d 6 var 0
#@rel .rel.text 0x1b 6 var 0
#@rel .rel.text 0x1c 6 var 0
        SUB32 var var var       #@text 7620 8006 0006 0006
#@rel .rel.text 0x21 6 var 0
#@rel .rel.text 0x1f 6 var 0
#@rel .rel.text 0x20 6 var 0
        AND8 var var            #@text 5400 0006 0006
#@rel .rel.text 0x24 6 var 0
#@rel .rel.text 0x23 6 var 0
        XOR16 var $port         #@text 4C80 0006 0005
#@rel .rel.text 0x26 6 var 0
#@rel .rel.text 0x27 12 port 0
        OR32 var $port          #@text 4E40 0006 0005 0000
#@rel .rel.text 0x29 6 var 0
#@rel .rel.text 0x2a 13 port 0
        ADC8 var $port          #@text 6A05 4006
#@rel .rel.text 0x2d 6 var 0
#@rel .rel.text 0x2c 11 port 0
        MUL16 var $port         #@text 6C40 0006 0005
#@rel .rel.text 0x2f 6 var 0
#@rel .rel.text 0x30 12 port 0
        NEG32 var $port         #@text 6E70 0006 0005 0000
#@rel .rel.text 0x32 6 var 0
#@rel .rel.text 0x33 13 port 0
        DEC32 var $port         #@text 8A05 8006
#@rel .rel.text 0x36 6 var 0
#@rel .rel.text 0x35 11 port 0
        INV8 var var            #@text 4440 0006 0006
#@rel .rel.text 0x39 6 var 0
#@rel .rel.text 0x38 6 var 0
        CPY16 var var           #@text 4400 4006 0006
#@rel .rel.text 0x3c 6 var 0
#@rel .rel.text 0x3b 6 var 0
        BTST8 var $port         #@text 9405 0006
#@rel .rel.text 0x3e 6 var 0
#@rel .rel.text 0x3d 10 port 0
        BTST8 0x10 var var      #@text 94C6 0010
#@rel .rel.text 0x3f 10 var 0
#@rel .rel.text 0x3f 10 var 0
        INPORT port $port       #@text BC05 0005
#@rel .rel.text 0x41 1 port 0
#@rel .rel.text 0x42 11 port 0
        ORPORT port $port       #@text BA05 0005
#@rel .rel.text 0x43 1 port 0
#@rel .rel.text 0x44 11 port 0
        ANDPORT port var $port  #@text C005 0005 0006
#@rel .rel.text 0x45 1 port 0
#@rel .rel.text 0x47 6 var 0
#@rel .rel.text 0x46 11 port 0
        PORTTST 7 var 3         #@text C807 0066
#@rel .rel.text 0x49 9 var 0
        CMP8 var var            #@text E400 0006 0006
#@rel .rel.text 0x4b 6 var 0
#@rel .rel.text 0x4c 6 var 0
        CMP8 var $port          #@text DA05 0006
#@rel .rel.text 0x4e 6 var 0
#@rel .rel.text 0x4d 11 port 0
        CMP16 var $port         #@text DC00 0006 0005
#@rel .rel.text 0x50 6 var 0
#@rel .rel.text 0x51 12 port 0
        CMP8 k $1               #@text DA01 0007
        CALL (var)              #@text FA88 0003
#@rel .rel.text 0x54 2 var 0
        CALLGT lbl+4294967293   #@text FA90 0000
#@rel .rel.text 0x56 4 lbl -2

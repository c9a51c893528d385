# Every operand form of every mnemonic, written once with numbers and once with names
# (data labels d0 to d2, code labels t0 onwards, forward ones too; "$name" only for
# names defined above it). The whole source assembles without a diagnostic, and going
# round through zorlan-objdump --reassemble gives the same code words and relocations.
# Forms that the operand checks refuse however they are written (WAIT with a name or a
# parenthesised number, POP8 with a "$name") are left out. A form the instruction set
# gains belongs here too.
        .DATA
d0      .DB 4 1, 2, 3, 4
d1      .DW 2 0x1234, 0x5678
d2      .DD 1 0x11223344
        .TEXT
t0:
        NOP
        HALT
        WAIT
        WAIT 0x30AF
        WAIT 0x24C4
        STOP
t1:
        STOP
        PUSHF
        POPF
        RTS
        IRET
        INTD
t2:
        INTT
        DRET
        HCF
        SAVEF
        SWAPF
        INT 0x2CB9
t3:
        INT 0x1D8E
        INT (0xA17)
        SETZ
        SETC
        SETO
        SETS
t4:
        SETI
        SETD
        SETT
        SETH
        SETF0
        SETF1
t5:
        SETF1
        SETF2
        SETF3
        SETF4
        SETF5
        SETF6
t6:
        SETF7
        CLRZ
        CLRC
        CLRO
        CLRS
        CLRI
t7:
        CLRI
        CLRD
        CLRT
        CLRH
        CLRF0
        CLRF1
t8:
        CLRF2
        CLRF3
        CLRF4
        CLRF5
        CLRF6
        CLRF7
t9:
        CLRF7
        CPYF C O
        CPYF F0 T
        TXL 0x17E6 0x444
        TXL 0x5B0 0x177F
        TXL (0x2187) 0x1BAC
        TXL t1 0x28FA
        TXL (t10+4) 0x2EBF
        TXL d0+2 0xBB5
        TXL 0x38C9 d2
        TXL 0x101 d1
t10:
        TXL d0 t14
        TXL t14 t10
        TXL t14+2 t6
        TXL t7+4 t12
        TXL 0x1189 t0+0
        TXL 0x127C t3+0
        TXL (0x333B) d0+6
        TXL (d1) t15+6
        TXL (t15+0) t14+4
        TXL (d1+4) d0+0
        WRCODE 0x1E6E 0x1774
t11:
        WRCODE 0x39F1 0x355D
        WRCODE (0x31E6) 0x14EA
        WRCODE (t15) 0x31
        WRCODE d2+4 0x33DC
        WRCODE (t17+4) 0xA57
        WRCODE 0x3695 (0x2D04)
        WRCODE 0x39DB t15
        WRCODE (0x3B06) (0x2F78)
        WRCODE (t1) t12
        WRCODE t19+0 (0x1E79)
        WRCODE (d1+0) t6
t12:
        WRCODE 0x3729 (t15+4)
        WRCODE 0x352 d0+6
        WRCODE (0xC23) d0+2
        WRCODE (t2) d1+0
        WRCODE t15+2 t12+4
        WRCODE (d0+4) (t6+2)
        SP_INC $-61
        SP_INC $-94
        SP_INC $t0
        SP_DEC $49
t13:
        SP_DEC $37
        SP_DEC $d0
        SP_DEC $d1
        SP_WR8 0x18FF $90
        SP_WR8 0xA40 $117
        SP_WR8 d1 $-61
        SP_WR8 t20 $-98
        SP_WR8 d0+6 $123
        SP_WR8 t10+2 $51
        SP_WR8 0x3BEC $t0
        SP_WR8 0xDC0 $t0
t14:
        SP_WR8 d2 $d0
        SP_WR8 d1 $d0
        SP_WR8 t8+6 $d1
        SP_WR8 d1+0 $t0
        SP_WR16 0x5EF $-78
        SP_WR16 0x1AB2 $60
        SP_WR16 t6 $59
        SP_WR16 t9 $-16
        SP_WR16 t15+2 $94
        SP_WR16 d1+4 $-28
        SP_WR16 0xD90 $d1
t15:
        SP_WR16 0x2D9A $t0
        SP_WR16 d1 $d0
        SP_WR16 d1 $t0
        SP_WR16 t2+6 $d1
        SP_WR16 d1+2 $d2
        SP_WR32 0x2005 $13
        SP_WR32 0x746 $91
        SP_WR32 d1 $24
        SP_WR32 d2 $102
        SP_WR32 d2+0 $-57
        SP_WR32 d0+2 $-56
t16:
        SP_WR32 0x12B7 $d2
        SP_WR32 0x23C6 $d0
        SP_WR32 t21 $d1
        SP_WR32 t19 $d0
        SP_WR32 t22+2 $d0
        SP_WR32 t16+4 $d1
        SP_RD8 0x3D0C $-27
        SP_RD8 0x3CE2 $79
        SP_RD8 t20 $125
        SP_RD8 t8 $-93
        SP_RD8 d0+4 $96
t17:
        SP_RD8 d1+4 $51
        SP_RD8 0x23B0 $d1
        SP_RD8 0x20FE $d1
        SP_RD8 d1 $t0
        SP_RD8 d0 $d1
        SP_RD8 t6+2 $d0
        SP_RD8 d2+6 $t0
        SP_RD16 0x1729 $111
        SP_RD16 0x722 $-9
        SP_RD16 t10 $-16
        SP_RD16 d1 $36
t18:
        SP_RD16 t22+4 $-64
        SP_RD16 d2+2 $-91
        SP_RD16 0x37D7 $t0
        SP_RD16 0x67C $d0
        SP_RD16 d2 $d2
        SP_RD16 t2 $t0
        SP_RD16 d0+4 $d2
        SP_RD32 0x231C $4
        SP_RD32 0x2924 $-77
        SP_RD32 d1 $-5
t19:
        SP_RD32 t20 $-27
        SP_RD32 d2+2 $102
        SP_RD32 d2+6 $58
        SP_RD32 0x2A44 $d0
        SP_RD32 0x2820 $d1
        SP_RD32 t22 $d2
        SP_RD32 t26 $d0
        SP_RD32 d2+4 $t0
        SP_RD32 t27+0 $t0
        SP_STORE 0x2B7B
        SP_STORE 0x3DF9
t20:
        SP_STORE (0x2ECF)
        SP_STORE t17
        SP_STORE d1+2
        SP_STORE d1+0
        SP_LOAD 0x5AB
        SP_LOAD 0x3B81
        SP_LOAD (0x2654)
        SP_LOAD t17
        SP_LOAD t27+6
        SP_LOAD d2+4
        SP_LOAD $-95
t21:
        SP_LOAD $121
        SP_LOAD $d1
        SP_LOAD $d2
        PUSH8 0x146A
        PUSH8 0x2A4C
        PUSH8 (0x1DB9)
        PUSH8 (t29)
        PUSH8 t16+4
        PUSH8 d1+0
        PUSH8 $22
        PUSH8 $66
t22:
        PUSH8 $d0
        PUSH8 $d1
        PUSH16 0x2DD1
        PUSH16 0x604
        PUSH16 (0x1E59)
        PUSH16 t17
        PUSH16 t24+4
        PUSH16 t25+4
        PUSH16 $-17
        PUSH16 $-2
        PUSH16 $t0
t23:
        PUSH16 $d1
        PUSH32 0x1078
        PUSH32 0x284F
        PUSH32 (0x35BC)
        PUSH32 d2
        PUSH32 d2+2
        PUSH32 d2+4
        PUSH32 $95
        PUSH32 $41
        PUSH32 $t0
        PUSH32 $d1
t24:
        POP8 0x2D30
        POP8 0x2983
        POP8 (0x1BA6)
        POP8 d1
        POP8 d2+6
        POP8 t22+4
        POP8 $-49
        POP8 $-94
        POP16 0x1695
t25:
        POP16 0xEC
        POP16 (0x3FD4)
        POP16 (t29)
        POP16 d2+2
        POP16 (t11+2)
        POP16 $-59
        POP16 $110
        POP32 0xC3E
        POP32 0x3E2F
t26:
        POP32 (0x1845)
        POP32 (d1)
        POP32 t13+4
        POP32 (d2+0)
        POP32 $-12
        POP32 $-27
        LD8 0x3C00 $93
        LD8 0x2402 $55
        LD8 (0x1D55) $-38
t27:
        LD8 d1 $87
        LD8 t7+2 $-90
        LD8 (t27+0) $-56
        LD8 0x143 $d1
        LD8 0x347 $t0
        LD8 (0x2B10) $d1
        LD8 d2 $d2
        LD8 d0+0 $d1
        LD8 (d1+0) $d1
        LD16 0x20DA $-19
        LD16 0xACF $0
t28:
        LD16 (0x3095) $-10
        LD16 (d2) $74
        LD16 (d0+6) $77
        LD16 (t0+6) $89
        LD16 0x374A $d0
        LD16 0x39E7 $d1
        LD16 (0x33D6) $t0
        LD16 d0 $d1
        LD16 t11+2 $t0
        LD16 t18+2 $d1
        LD32 0x22D4 $62
t29:
        LD32 0x1733 $13
        LD32 (0x1DB6) $4
        LD32 t23 $4
        LD32 t14+0 $-92
        LD32 d2+4 $-16
        LD32 0x1D95 $d1
        LD32 0x300A $d2
        LD32 (0xB71) $d1
        LD32 t13 $t0
        LD32 t31+2 $d1
        LD32 d0+6 $d0
t30:
        CPYROM 0x2E6F d2 0x32
        CPYROM 0x1C8E d0 0xDD6
        CPYROM 0x2590 0x1370 (0x2B05)
        CPYROM 0x3B71 0xDA7 d2
        CPYROM 0x3EEE t30 d2
        CPYROM 0x3F36 d2 (t3)
        CPYROM 0x352B 0x25BA $3
        CPYROM 0x2B12 0x13AC $-70
        CPYROM (0x15B9) 0x2400 $-39
        CPYROM (t27) 0x1310 $102
        CPYROM 0x1259 d2 $95
t31:
        CPYROM 0x36B0 t12 $-25
        CPYROM (d2) t0 $5
        CPYROM d2 d0 $-73
        CPYROM 0xAF0 0xB44 $d0
        CPYROM 0x3A64 0x79E $t0
        CPYROM (0x445) 0x6B4 $d2
        CPYROM d2 0x32F $d1
        CPYROM 0x3B61 d0 $d0
        CPYROM 0x28CA d0 $d2
        CPYROM d1 d2 $d0
        CPYROM d2 t21 $d0
t32:
        CPYMEM 0x2F48 (0x31A6) 0x4B1
        CPYMEM 0x1AEE t34 0x2E60
        CPYMEM 0x1407 0x2500 (0x153B)
        CPYMEM 0x149E 0x1FDB d2
        CPYMEM 0x3194 (0x28C0) (0xB3B)
        CPYMEM 0x26E8 d2 (d2)
        CPYMEM 0x2A4D 0x396D $126
        CPYMEM 0x141C 0x2784 $21
        CPYMEM (0x3CBE) 0x12F $76
        CPYMEM (t13) 0x1552 $95
        CPYMEM 0x857 (0x2A0E) $-84
t33:
        CPYMEM 0x1491 t1 $46
        CPYMEM (0x2823) (0x2570) $72
        CPYMEM t16 t39 $4
        CPYMEM 0x2370 0x89 $d2
        CPYMEM 0x2810 0x128F $d1
        CPYMEM (0x2CDA) (0x1A79) $d1
        CPYMEM t7 (d0) $d1
        SHR8 0x1E0B 0x6D6
        SHR8 0x3B3F 0x33C0
        SHR8 (0x2415) (0x36FF)
        SHR8 (t6) (t33)
t34:
        SHR8 d0+4 (0xC06)
        SHR8 d2+4 (d1)
        SHR8 (0x3207) t7+6
        SHR8 d1 d0+0
        SHR8 (t20+6) (t25+4)
        SHR8 t17+4 d2+4
        SHR8 0x1031 $69
        SHR8 0x271F $-64
        SHR8 (0x4FE) $23
        SHR8 (t7) $91
        SHR8 d0+6 $-24
t35:
        SHR8 (t7+2) $44
        SHR8 0x353 $d1
        SHR8 0x20E6 $d0
        SHR8 (0x9F1) $t0
        SHR8 d0 $d2
        SHR8 d0+6 $d2
        SHR8 t16+0 $d2
        SHR8 0x22BF 0x1D4E 0x303
        SHR8 0x2E31 0x2286 0x3056
        SHR8 (0x25DD) 0x1DB7 0x1FF6
        SHR8 (t9) 0x7B5 0x1B53
t36:
        SHR8 d0+4 0x1424 0xC4B
        SHR8 d2+6 0x5FC 0x154F
        SHR8 0x39BC (0x3668) 0xF9A
        SHR8 0x3883 t18 0x1A82
        SHR8 (0x22A1) (0x1869) 0x6B
        SHR8 t5 d2 0x1F56
        SHR8 0x4EB 0x1187 (0x1E18)
        SHR8 0x24DF 0x303D t19
        SHR8 (0x36EF) 0x361F (0x237E)
        SHR8 d1 0x956 d0
        SHR8 t12+2 0x210F (0x28D0)
t37:
        SHR8 t30+2 0x2C1D d2
        SHR8 0x13C (0x2B2D) (0x2031)
        SHR8 0x1D47 d0 d0
        SHR8 (0x302F) (0x3208) (0x247)
        SHR8 d0 d2 (d1)
        SHR8 (d1+4) (0x1A84) (0x332F)
        SHR8 (t8+4) (t43) (d2)
        SHR8 (0x110) (d2+2) (0x25ED)
        SHR8 (d2) t24+6 t16
        SHR8 (t40+6) d2+2 (0xF76)
        SHR8 t23+0 d1+4 t5
t38:
        SHR8 0x1D5B 0x28D4 t17+4
        SHR8 0x1E69 0x316 t40+4
        SHR8 (0x2855) 0x21C9 d1+6
        SHR8 d0 0x363 d2+4
        SHR8 d0+6 0x2BA4 (t11+4)
        SHR8 t46+2 0x34A0 d1+0
        SHR8 (0x289D) (0xAA3) d2+4
        SHR8 t1 d0 (t19+6)
        SHR8 (d1+6) (0x31FC) (t46+6)
        SHR8 (d0+2) (d0) d1+0
        SHR8 0xCE8 d0+0 (t0+2)
t39:
        SHR8 0x1C88 t30+2 d2+4
        SHR8 (0x3530) (t1+4) (d2+2)
        SHR8 (t43) d1+2 t6+0
        SHR8 t10+6 t45+2 t32+4
        SHR8 t43+4 (d1+0) (d2+0)
        SHR8 0x2E01 0x281E $-19
        SHR8 0x2BE2 0x2761 $119
        SHR8 (0x2273) (0x35C0) $115
        SHR8 d0 (t24) $5
        SHR8 0x273A 0x22D $d1
        SHR8 0x1835 0x2451 $d2
t40:
        SHR8 (0x3921) (0x3B82) $d2
        SHR8 d1 t12 $t0
        SHR16 0x1570 0x265C
        SHR16 0x26E0 0x2CD1
        SHR16 (0x1BD5) (0x1CE1)
        SHR16 d1 (t23)
        SHR16 d0+4 (0xB74)
        SHR16 t36+6 t42
        SHR16 (0x627) d0+0
        SHR16 t38 (d1+0)
        SHR16 (d0+0) t6+6
t41:
        SHR16 (t8+4) d1+0
        SHR16 0x368F $-27
        SHR16 0x24EB $-21
        SHR16 (0x324F) $-39
        SHR16 (t25) $-99
        SHR16 (d2+2) $-78
        SHR16 d1+0 $64
        SHR16 0x30F6 $d0
        SHR16 0x3CC $t0
        SHR16 (0x2BB5) $d1
        SHR16 t8 $t0
t42:
        SHR16 t8+2 $d0
        SHR16 t19+4 $t0
        SHR16 0x1502 0x1DE 0x17D8
        SHR16 0x2BC5 0x142 0xF31
        SHR16 (0x37C8) 0x32C2 0x3098
        SHR16 (d2) 0x331 0x2AE
        SHR16 d2+4 0x3DD9 0x18C7
        SHR16 t25+6 0x18C9 0x125
        SHR16 0x272B (0x1ED5) 0x8B5
        SHR16 0x24AF t25 0x51B
        SHR16 (0x1D42) (0x1E55) 0x32D8
t43:
        SHR16 d1 t19 0x1199
        SHR16 0x2B9E 0xB08 (0x2E16)
        SHR16 0xDF7 0x1546 t51
        SHR16 (0x3720) 0x2CAB (0xCAD)
        SHR16 d0 0x3D04 d1
        SHR16 t11+2 0x1C5D (0x157F)
        SHR16 d2+0 0x1552 d2
        SHR16 0x1E3D (0x207B) (0x3A58)
        SHR16 0x3E45 d0 t35
        SHR16 (0x25B0) (0x296C) (0x28EE)
        SHR16 t38 (t30) t35
t44:
        SHR16 (d2+6) (0x1551) (0x3B68)
        SHR16 (d2+2) t33 d1
        SHR16 (0x1480) t39+2 (0x22D5)
        SHR16 (t5) d2+6 t38
        SHR16 (t46+6) (d1+2) (0x22B8)
        SHR16 (t13+0) d0+6 t47
        SHR16 0xA6D 0x29EB d1+4
        SHR16 0x3245 0xA70 t6+0
        SHR16 (0x151D) 0x3533 d0+4
        SHR16 (d0) 0x3A59 (d2+0)
        SHR16 d2+0 0x29C3 d0+6
t45:
        SHR16 (d0+2) 0x25E3 d1+4
        SHR16 (0x2629) (0x1A2E) d0+4
        SHR16 (d2) d0 t20+2
        SHR16 t14+4 (0x1FB4) (d1+6)
        SHR16 t4+2 (d2) (t42+2)
        SHR16 0x2F69 d2+4 d0+6
        SHR16 0x1DE3 d2+2 d0+6
        SHR16 (0x3CCA) (d1+6) t6+0
        SHR16 (d2) t50+6 t11+4
        SHR16 (d0+2) t5+0 t43+4
        SHR16 (t29+2) (d0+6) t44+4
t46:
        SHR16 0x338A 0x9F $-48
        SHR16 0x2C54 0xB03 $-48
        SHR16 (0x2368) (0x427) $38
        SHR16 d2 (d0) $63
        SHR16 0x261A 0xA3B $d1
        SHR16 0x30D8 0x24DB $t0
        SHR16 (0x611) (0x3B9D) $d1
        SHR16 d1 (d2) $d1
        SHR32 0x150A 0x1A4D
        SHR32 0xD36 0x18FE
        SHR32 (0x2D41) (0x22A3)
t47:
        SHR32 (d1) (d0)
        SHR32 (t20+4) (0x38BD)
        SHR32 (t50+0) d0
        SHR32 (0x3A41) d1+0
        SHR32 (d2) t2+4
        SHR32 (t26+4) d1+4
        SHR32 d0+4 t16+4
        SHR32 0x3CC1 $72
        SHR32 0xD3F $120
        SHR32 (0x198) $61
        SHR32 (d0) $-43
t48:
        SHR32 t14+2 $-50
        SHR32 t49+2 $120
        SHR32 0x2F0B $d1
        SHR32 0x3441 $d2
        SHR32 (0x19A9) $d1
        SHR32 d0 $t0
        SHR32 d2+2 $d1
        SHR32 t3+0 $d2
        SHR32 0xD40 0x3E3D 0x2019
        SHR32 0x3049 0x3C70 0x3525
        SHR32 (0x131A) 0x29AC 0x293F
t49:
        SHR32 t16 0x19F5 0xBFD
        SHR32 t53+4 0x525 0x1510
        SHR32 t26+6 0x2A37 0x245
        SHR32 0x19B (0x5E6) 0xBB7
        SHR32 0x985 t35 0xCEC
        SHR32 (0x3A09) (0x288A) 0xE2B
        SHR32 t38 d0 0x3102
        SHR32 0x5C 0x3CA7 (0x1CF8)
        SHR32 0x2EBB 0x2E0C (d2)
        SHR32 (0x9B2) 0xA88 (0x2912)
        SHR32 d1 0x1697 t17
t50:
        SHR32 (t16+4) 0x2691 (0xAB1)
        SHR32 t49+0 0x132D (t6)
        SHR32 0xCE0 (0x3522) (0xF2F)
        SHR32 0x23FA d1 (d2)
        SHR32 (0xF0A) (0x2944) (0x22C7)
        SHR32 d1 t3 d2
        SHR32 (d2+2) (0xAD2) (0x3067)
        SHR32 (t17+4) d1 t29
        SHR32 (0x1F7D) d0+4 (0x90)
        SHR32 d1 t48+4 t43
        SHR32 d0+6 (t19+0) (0x1D4B)
t51:
        SHR32 d1+6 (t37+4) d0
        SHR32 0x9B6 0x94C (d0+0)
        SHR32 0x17FE 0xE70 t54+4
        SHR32 (0x20CA) 0x23CA t52+6
        SHR32 t33 0xFB4 d2+4
        SHR32 t52+2 0xC9 (t37+6)
        SHR32 d2+2 0x80 t53+0
        SHR32 (0x155A) (0xEE2) (d1+2)
        SHR32 (d1) d2 (t56+6)
        SHR32 d1+6 (0x16A8) t53+0
        SHR32 d2+2 d1 t9+2
t52:
        SHR32 0x35C5 t47+2 d2+4
        SHR32 0x2700 (d2+4) (d2+2)
        SHR32 (0x401) t29+6 (t17+6)
        SHR32 (t50) t6+4 (d0+4)
        SHR32 (d1+0) d2+4 t50+0
        SHR32 d0+2 t1+6 t54+6
        SHR32 0x3544 0x3A06 $-86
        SHR32 0x1747 0x12EB $15
        SHR32 (0x3DA) (0x2F49) $121
        SHR32 d0 d2 $26
        SHR32 0x225E 0x31B3 $d2
t53:
        SHR32 0x1799 0xC45 $d1
        SHR32 (0x3CEB) (0x2B9F) $d2
        SHR32 d2 (t6) $d2
        SHL8 0x817 0xDA9
        SHL8 0x142 0xD52
        SHL8 (0x3A8D) (0x2C86)
        SHL8 (d1) d2
        SHL8 t6+0 (0x3141)
        SHL8 d2+0 (t36)
        SHL8 (0x2198) d1+2
        SHL8 d0 t5+4
t54:
        SHL8 (d0+4) (d2+2)
        SHL8 (t45+0) t18+2
        SHL8 0x733 $-65
        SHL8 0x31A1 $-83
        SHL8 (0x12B4) $-82
        SHL8 (t44) $124
        SHL8 d1+0 $106
        SHL8 (t14+0) $95
        SHL8 0xEBA $d0
        SHL8 0x3D01 $d0
        SHL8 (0x1494) $d1
t55:
        SHL8 (t43) $d2
        SHL8 t7+2 $t0
        SHL8 (d2+4) $d0
        SHL8 0x1B14 0x22A7 0x5C3
        SHL8 0x114D 0x2F8E 0x3A93
        SHL8 (0x38E7) 0x37AB 0x11ED
        SHL8 t58 0x2C90 0x1170
        SHL8 t34+6 0x2CF6 0x3CCF
        SHL8 d2+0 0x54 0x39CB
        SHL8 0x28B9 (0x38E7) 0x2838
        SHL8 0x24E0 (t4) 0x1F5
t56:
        SHL8 (0x2E89) (0xCAE) 0x2569
        SHL8 (d2) t55 0x30A0
        SHL8 0x1A66 0x80A (0x2AA6)
        SHL8 0x12BE 0x25A5 d2
        SHL8 (0x161) 0x2C5B (0x30CD)
        SHL8 t11 0x2919 t13
        SHL8 t55+6 0x3BD (0x2D18)
        SHL8 t0+6 0x2DAE d0
        SHL8 0x2BE9 (0x2F49) (0x2614)
        SHL8 0x2366 (d0) t7
        SHL8 (0x194D) (0x2B8) (0x27F5)
t57:
        SHL8 t11 d1 (t47)
        SHL8 (d1+6) (0x3069) (0x243)
        SHL8 (t26+6) t48 t31
        SHL8 (0x9CA) d0+4 (0x3B63)
        SHL8 t35 (t34+4) t51
        SHL8 (d0+4) t13+6 (0x3673)
        SHL8 t47+2 (d0+2) d2
        SHL8 0x34B2 0x4B5 d1+0
        SHL8 0x5F0 0x325C d2+0
        SHL8 (0x3F7D) 0x32D6 t37+6
        SHL8 (t57) 0x3DC6 d0+4
t58:
        SHL8 (t63+6) 0x2417 t51+2
        SHL8 t49+0 0x2963 d1+6
        SHL8 (0x2F2B) (0xA71) t7+0
        SHL8 t47 (d2) t3+2
        SHL8 (d2+4) (0x35A8) (t61+4)
        SHL8 d0+0 d2 t41+2
        SHL8 0xAFC (t19+0) d1+2
        SHL8 0x3C86 (t28+0) (t26+4)
        SHL8 (0x1108) t58+0 d1+4
        SHL8 d0 (t66+0) (t33+2)
        SHL8 d2+4 t36+0 d2+6
t59:
        SHL8 (t7+2) (d2+6) d0+4
        SHL8 0x342D 0x3C12 $-10
        SHL8 0x1934 0x2CAC $-27
        SHL8 (0x1DF1) (0x860) $27
        SHL8 d0 t67 $92
        SHL8 0x8C3 0x3647 $d2
        SHL8 0x23E 0x2950 $d0
        SHL8 (0x2610) (0x2326) $t0
        SHL8 (d1) (d1) $d0
        SHL16 0x2418 0x3403
        SHL16 0x334C 0x17B2
t60:
        SHL16 (0x2791) (0xC46)
        SHL16 t12 (t61)
        SHL16 (t6+6) (0x1C44)
        SHL16 d1+6 d0
        SHL16 (0x28A8) (d2+2)
        SHL16 d1 t54+6
        SHL16 (d2+0) d2+4
        SHL16 t64+0 d2+0
        SHL16 0x3BFF $-2
        SHL16 0x1676 $-81
        SHL16 (0x2B2B) $52
t61:
        SHL16 (t32) $30
        SHL16 t15+6 $-36
        SHL16 (d0+4) $24
        SHL16 0x161F $d0
        SHL16 0x1129 $d0
        SHL16 (0x33F9) $d0
        SHL16 (t6) $t0
        SHL16 d2+4 $t0
        SHL16 d2+0 $d0
        SHL16 0xB83 0x18F5 0xCD0
        SHL16 0x196F 0x1C15 0x23A9
t62:
        SHL16 (0x325C) 0x1FD9 0x2243
        SHL16 t17 0x3C3D 0x3253
        SHL16 d1+2 0x305B 0xD10
        SHL16 t62+0 0xE71 0x1B08
        SHL16 0x71F (0x2141) 0x274B
        SHL16 0x3513 d0 0x2EE3
        SHL16 (0x31CF) (0x1D) 0x2FBA
        SHL16 d1 t47 0x3538
        SHL16 0x217E 0x3798 (0x25C9)
        SHL16 0xCA9 0x8B8 (t64)
        SHL16 (0x150A) 0x836 (0x25EF)
t63:
        SHL16 t15 0x1571 t7
        SHL16 (t13+0) 0x17B4 (0x28ED)
        SHL16 t59+0 0x3F3B t19
        SHL16 0x71D (0x351) (0x1028)
        SHL16 0x396B d0 d2
        SHL16 (0x183D) (0x2B3C) (0x3E8A)
        SHL16 (t68) (d1) t63
        SHL16 d1+2 (0x865) (0x1598)
        SHL16 t36+0 (t35) t25
        SHL16 (0x69B) d2+6 (0x1D0)
        SHL16 t38 (t14+0) (t18)
t64:
        SHL16 (d0+2) (d1+6) (0x21E0)
        SHL16 t0+6 (d0+6) (d0)
        SHL16 0x3663 0x3227 d2+4
        SHL16 0x672 0x3240 d0+2
        SHL16 (0xFDE) 0x1FD9 (t31+0)
        SHL16 d2 0x317E (t37+6)
        SHL16 t31+0 0x1D44 (d2+2)
        SHL16 d2+4 0x275E (t43+0)
        SHL16 (0x20F9) (0xEED) d0+0
        SHL16 t20 (d0) t44+4
        SHL16 (t23+0) (0x1DFF) d1+6
t65:
        SHL16 t39+0 t34 t47+2
        SHL16 0x89F (t72+0) t34+0
        SHL16 0xDB5 (t49+6) d0+2
        SHL16 (0x2DCD) d2+2 (t7+2)
        SHL16 t29 d1+0 d0+2
        SHL16 d1+4 t39+2 d2+0
        SHL16 (d2+0) (t14+4) t10+2
        SHL16 0x24F0 0x265A $123
        SHL16 0x1B7B 0x35A9 $-13
        SHL16 (0x25EC) (0xCF0) $11
        SHL16 d1 t19 $94
t66:
        SHL16 0x2F27 0x2647 $d1
        SHL16 0x120D 0x880 $t0
        SHL16 (0x32F3) (0x3EC5) $d2
        SHL16 d2 d1 $d0
        SHL32 0x201B 0x3FCC
        SHL32 0x1D93 0x3941
        SHL32 (0x1071) (0xB37)
        SHL32 (d2) (d0)
        SHL32 (d0+6) (0x1180)
        SHL32 d2+2 d1
        SHL32 (0xB2C) t55+0
t67:
        SHL32 d1 t58+6
        SHL32 (t52+2) (d2+4)
        SHL32 t1+0 d2+6
        SHL32 0x1817 $-59
        SHL32 0x293D $60
        SHL32 (0x1326) $-65
        SHL32 d1 $-35
        SHL32 d0+6 $33
        SHL32 d2+0 $-66
        SHL32 0x3054 $d0
        SHL32 0xA3A $d2
t68:
        SHL32 (0x790) $d2
        SHL32 t35 $d2
        SHL32 t74+6 $d0
        SHL32 (t35+4) $d1
        SHL32 0x405 0x1C25 0x2E00
        SHL32 0x6F8 0x10A0 0xF7A
        SHL32 (0x310A) 0x350D 0x176B
        SHL32 d0 0x1E5C 0x3330
        SHL32 (d1+0) 0x2E0C 0x2D06
        SHL32 t8+2 0x26EF 0x192F
        SHL32 0x6F4 (0x1C67) 0x1C73
t69:
        SHL32 0x1B8E (d0) 0xE98
        SHL32 (0x54D) (0x36C6) 0x1B28
        SHL32 t61 (t2) 0x13E2
        SHL32 0x29CA 0x12DD (0x3B9E)
        SHL32 0x48 0x956 t73
        SHL32 (0x17EF) 0x29D3 (0x2730)
        SHL32 d0 0x20AE (t62)
        SHL32 t32+2 0x2639 (0x31B9)
        SHL32 (d2+6) 0x23A d1
        SHL32 0x2307 (0xFFA) (0x1584)
        SHL32 0x135 t39 (d2)
t70:
        SHL32 (0x3776) (0x57D) (0x622)
        SHL32 t67 (d2) d2
        SHL32 d0+2 (0x15EE) (0x2A79)
        SHL32 (t12+2) d1 t8
        SHL32 (0x2538) t55+2 (0x392)
        SHL32 d2 t30+0 t55
        SHL32 d0+2 t35+0 (0x142C)
        SHL32 d1+0 d0+6 (t67)
        SHL32 0x2C3D 0x1D85 t1+2
        SHL32 0x2B8A 0x14D6 d0+0
        SHL32 (0x352E) 0x3A t42+6
t71:
        SHL32 t32 0x2A11 d2+0
        SHL32 t50+6 0xC31 t5+4
        SHL32 (t16+6) 0x1125 t26+0
        SHL32 (0x12CA) (0x2BC6) d2+2
        SHL32 d2 (d2) t11+4
        SHL32 (t60+6) (0xACC) t64+0
        SHL32 (t58+0) t43 t2+0
        SHL32 0x322A (d0+4) d1+6
        SHL32 0x3301 t69+6 d0+4
        SHL32 (0xF2A) t26+4 d1+0
        SHL32 d2 d1+2 d0+2
t72:
        SHL32 d1+6 (d2+2) d2+4
        SHL32 d1+6 t55+4 d2+2
        SHL32 0x1547 0x220 $-79
        SHL32 0x3176 0x3FB9 $30
        SHL32 (0x64F) (0x35CF) $11
        SHL32 d1 d2 $39
        SHL32 0x3417 0xAEB $d2
        SHL32 0x3923 0x1066 $d2
        SHL32 (0x212D) (0x17D6) $d0
        SHL32 d1 (d2) $t0
        SAR8 0x1035 0x142E
t73:
        SAR8 0x1127 0x1DCC
        SAR8 (0x510) (0xAFD)
        SAR8 t8 (t8)
        SAR8 (t30+2) (0xB85)
        SAR8 d0+6 (t33)
        SAR8 (0x35D8) t32+4
        SAR8 (t9) (t73+2)
        SAR8 d2+2 d2+4
        SAR8 d2+2 t80+6
        SAR8 0x2D34 $-15
        SAR8 0x27A7 $39
t74:
        SAR8 (0x17A6) $36
        SAR8 t48 $91
        SAR8 (d0+2) $107
        SAR8 d1+6 $-16
        SAR8 0x3997 $d1
        SAR8 0xA10 $t0
        SAR8 (0x140) $d1
        SAR8 (d2) $t0
        SAR8 d2+4 $d1
        SAR8 (t26+6) $d0
        SAR8 0x11AD 0x1853 0x3EF5
t75:
        SAR8 0x3858 0x39F1 0x828
        SAR8 (0x8CC) 0xB90 0x39CF
        SAR8 d2 0x487 0x3674
        SAR8 (d0+2) 0x3C05 0x786
        SAR8 t29+6 0x3909 0x3E4D
        SAR8 0x23AF (0x19A8) 0x1ECF
        SAR8 0x2FD9 d2 0x1F37
        SAR8 (0x219) (0x217) 0x184E
        SAR8 t46 (t57) 0x39EB
        SAR8 0x561 0x2738 (0x4C7)
        SAR8 0xFB9 0x2C56 (d0)
t76:
        SAR8 (0xEF1) 0x3D61 (0x2CA6)
        SAR8 (t6) 0x236F d2
        SAR8 d1+2 0x1AE5 (0x847)
        SAR8 t39+4 0x825 d0
        SAR8 0x2570 (0x33BF) (0x5A3)
        SAR8 0x1325 (t6) d2
        SAR8 (0x175F) (0x2191) (0x2C64)
        SAR8 d0 t45 (t19)
        SAR8 (d1+6) (0x2323) (0x162E)
        SAR8 t64+0 t37 t15
        SAR8 (0x3325) d0+4 (0x3C16)
t77:
        SAR8 t46 (d0+4) t36
        SAR8 (t53+2) d0+6 (0x3994)
        SAR8 d1+4 d1+0 t50
        SAR8 0x2D82 0xFB4 (t13+2)
        SAR8 0x2BED 0x118D t74+4
        SAR8 (0x30A9) 0x3589 t78+2
        SAR8 (d0) 0xE42 t61+6
        SAR8 (d2+6) 0x935 (t73+2)
        SAR8 (t25+2) 0x1DAA t23+0
        SAR8 (0x27FA) (0x41D) (d1+4)
        SAR8 (d0) (t84) d1+2
t78:
        SAR8 d0+4 (0xF2A) (t74+6)
        SAR8 d0+0 (d2) t32+6
        SAR8 0xEF t28+4 d0+4
        SAR8 0x3350 d2+4 t3+6
        SAR8 (0x2616) d2+0 d1+0
        SAR8 t22 (d0+0) d2+2
        SAR8 (t45+6) d1+0 (t78+4)
        SAR8 (t46+6) d1+6 d2+2
        SAR8 0x3DD5 0x1D4 $-39
        SAR8 0xF4F 0x3352 $93
        SAR8 (0x3FCF) (0x3D5D) $-49
t79:
        SAR8 (d1) (d0) $-63
        SAR8 0x2F08 0x30B8 $d1
        SAR8 0x34E6 0x3796 $d2
        SAR8 (0x3476) (0x17EE) $t0
        SAR8 t38 d0 $t0
        SAR16 0x3BE7 0x278E
        SAR16 0x3772 0x3813
        SAR16 (0x2C81) (0x3707)
        SAR16 t34 t74
        SAR16 (d1+4) (0x3353)
        SAR16 d0+4 d1
t80:
        SAR16 (0x364B) t22+6
        SAR16 d0 d1+2
        SAR16 (t67+0) (d1+6)
        SAR16 t83+6 (d1+2)
        SAR16 0xFE1 $-56
        SAR16 0x1375 $-98
        SAR16 (0x22EF) $-4
        SAR16 d2 $-68
        SAR16 (t72+0) $-36
        SAR16 d0+2 $6
        SAR16 0x3726 $d1
t81:
        SAR16 0x33E0 $d0
        SAR16 (0x124) $d1
        SAR16 t27 $t0
        SAR16 (d0+0) $d1
        SAR16 t18+2 $d1
        SAR16 0x2AD8 0x3D55 0x35AF
        SAR16 0x3F94 0x2CCC 0x2493
        SAR16 (0xEF8) 0x1CBD 0x123
        SAR16 t66 0x1E9 0xB3A
        SAR16 (t47+4) 0x383B 0x1929
        SAR16 d0+6 0x2CD2 0x3B03
t82:
        SAR16 0x3C21 (0x53C) 0x3B76
        SAR16 0x1D5B (t18) 0x2F2C
        SAR16 (0x10F7) (0x2F3F) 0xE55
        SAR16 d1 (t66) 0x463
        SAR16 0x320A 0x3958 (0x5F5)
        SAR16 0x8BF 0x1D8D (t52)
        SAR16 (0xCD8) 0x2151 (0x5BB)
        SAR16 t24 0x3256 t58
        SAR16 (t62+0) 0x2B65 (0x2F17)
        SAR16 (t56+6) 0x1947 t63
        SAR16 0x3DF7 (0x1CF3) (0x2F0B)
t83:
        SAR16 0x37FE t26 (d0)
        SAR16 (0x2F6D) (0x210) (0x46F)
        SAR16 (t67) (d1) d2
        SAR16 d2+6 (0x3351) (0x2ED)
        SAR16 d0+6 t14 d2
        SAR16 (0x10F9) t33+6 (0x15CA)
        SAR16 t57 (t84+0) d0
        SAR16 t49+6 t5+4 (0x244A)
        SAR16 (t18+2) t72+0 (t42)
        SAR16 0x170D 0x20 (t6+6)
        SAR16 0x1651 0x69D t83+0
t84:
        SAR16 (0x376A) 0x2458 (t6+4)
        SAR16 d2 0x144E t78+6
        SAR16 t48+2 0x3307 t18+6
        SAR16 d1+0 0x1682 d2+6
        SAR16 (0x3591) (0x50C) d2+6
        SAR16 t28 t71 d2+6
        SAR16 d2+6 (0x2330) d0+0
        SAR16 t36+2 d2 (d2+2)
        SAR16 0x9F (d1+0) (d0+2)
        SAR16 0x2DE6 (t22+2) t27+0
        SAR16 (0x3A46) (d2+6) t27+6
t85:
        SAR16 (d1) (t42+0) t90+4
        SAR16 t24+6 (t11+2) d1+6
        SAR16 t88+2 t32+0 d2+6
        SAR16 0xDAB 0x356D $-27
        SAR16 0x384F 0xF75 $120
        SAR16 (0x3A17) (0x3AB4) $-3
        SAR16 (d2) t70 $88
        SAR16 0x1925 0x3AA7 $d2
        SAR16 0x3801 0x2054 $t0
        SAR16 (0xDCF) (0x34B2) $t0
        SAR16 d1 d1 $t0
t86:
        SAR32 0x1283 0x20FC
        SAR32 0x38E3 0x357C
        SAR32 (0x130A) (0x3BBA)
        SAR32 (t56) t58
        SAR32 (t85+0) (0x2C)
        SAR32 t11+0 t92
        SAR32 (0x2969) t37+6
        SAR32 t85 (d1+0)
        SAR32 d2+4 (d0+0)
        SAR32 d0+6 (d2+2)
        SAR32 0x25EE $17
t87:
        SAR32 0x1910 $98
        SAR32 (0x2B38) $32
        SAR32 t74 $47
        SAR32 d0+2 $-84
        SAR32 t47+4 $-66
        SAR32 0x38C1 $t0
        SAR32 0x1CBC $d2
        SAR32 (0x17D6) $d2
        SAR32 (d0) $d1
        SAR32 d2+2 $t0
        SAR32 t58+4 $d1
t88:
        SAR32 0x1B3D 0x3B7D 0x876
        SAR32 0x3A3B 0x378B 0x2E50
        SAR32 (0x37D3) 0xD2D 0x2CF7
        SAR32 (t0) 0x2951 0x2045
        SAR32 d0+6 0xC1B 0x20CE
        SAR32 d0+0 0x2322 0x342B
        SAR32 0xBCA (0x2D4) 0x40D
        SAR32 0x30B2 d2 0x381
        SAR32 (0x29CD) (0x1D3B) 0x1153
        SAR32 d0 t57 0xF9A
        SAR32 0x1119 0x2F16 (0x1779)
t89:
        SAR32 0x2C09 0x3A0 (d1)
        SAR32 (0x394A) 0x17BF (0x3643)
        SAR32 t15 0x3F59 t21
        SAR32 (t34+4) 0x2142 (0x1F5B)
        SAR32 d0+6 0x19D0 t9
        SAR32 0x31B2 (0x1725) (0x2EA7)
        SAR32 0x216D d1 t39
        SAR32 (0x587) (0x3490) (0x38F4)
        SAR32 t61 d0 d0
        SAR32 t95+0 (0x1EBB) (0x1F01)
        SAR32 d1+0 t38 (t27)
t90:
        SAR32 (0x207D) t36+4 (0xECA)
        SAR32 t93 d2+0 (t32)
        SAR32 d0+4 d1+0 (0x11FC)
        SAR32 d1+4 t25+4 (d0)
        SAR32 0x3ACB 0x3783 d0+0
        SAR32 0x3640 0x3373 t32+4
        SAR32 (0x3ECC) 0x17B8 d0+4
        SAR32 (t95) 0x105A t95+2
        SAR32 d0+4 0x3E6F d2+2
        SAR32 (d0+4) 0x162 t92+4
        SAR32 (0xDDE) (0x1EF2) d0+6
t91:
        SAR32 t1 d2 (t45+0)
        SAR32 (t35+4) (0x3D52) (d2+2)
        SAR32 d0+4 t34 (t37+4)
        SAR32 0x6D1 d0+4 d0+6
        SAR32 0x206E t0+4 t86+4
        SAR32 (0x2E43) d2+0 (d0+4)
        SAR32 d2 t57+6 (t25+0)
        SAR32 d1+2 t77+0 (d0+4)
        SAR32 d1+2 t63+2 t15+0
        SAR32 0x1AC 0x3410 $11
        SAR32 0x79F 0x1124 $-86
t92:
        SAR32 (0xE0) (0x49F) $-76
        SAR32 (d0) t48 $-96
        SAR32 0x1611 0x25BE $d1
        SAR32 0x22E 0x11F7 $d0
        SAR32 (0x1FD1) (0x38E) $d2
        SAR32 (t22) d1 $d0
        SAL8 0x179B 0x90E
        SAL8 0x1679 0xCDF
        SAL8 (0x1805) (0xDA1)
        SAL8 t53 d1
        SAL8 (d0+2) (0x1967)
t93:
        SAL8 (t91+0) d2
        SAL8 (0x1EFB) (d1+0)
        SAL8 d2 t32+0
        SAL8 (d2+6) d1+4
        SAL8 t39+4 d1+4
        SAL8 0x1CF2 $-21
        SAL8 0x3E3B $119
        SAL8 (0x550) $22
        SAL8 (d0) $1
        SAL8 t19+6 $-93
        SAL8 d1+4 $43
t94:
        SAL8 0xB1B $t0
        SAL8 0x11AE $t0
        SAL8 (0x2797) $t0
        SAL8 (t8) $d2
        SAL8 (t80+0) $d1
        SAL8 d2+0 $d1
        SAL8 0x2573 0x3F45 0x3951
        SAL8 0xE 0x2882 0xA5D
        SAL8 (0x232F) 0x10C4 0x23ED
        SAL8 t41 0x3E3A 0x336
        SAL8 t55+6 0x2D32 0x3722
t95:
        SAL8 (t0+0) 0x69 0x25C0
        SAL8 (0x29CD) (0x1923) 0x2B9E
        SAL8 t77 t0 0x2BA2
        SAL8 0x164B 0x259E (0x2BE2)
        SAL8 0x19E4 0x270B d2
        SAL8 (0x212A) 0x1D49 (0x1F2E)
        SAL8 t5 0x197B d2
        SAL8 d2+0 0x241A (0xED)
        SAL8 d2+6 0x2C59 t39
        SAL8 0x3B67 (0x15F9) (0x1B3A)
        SAL8 0x32B6 t4 t59
t96:
        SAL8 (0x1DAA) (0x2FC5) (0x2865)
        SAL8 (d0) d2 d0
        SAL8 t99+2 (0x1070) (0x821)
        SAL8 t29+4 (t94) d0
        SAL8 (0x31CA) t26+2 (0x2F93)
        SAL8 (t8) t49+6 (d1)
        SAL8 t48+2 d0+0 (0x105A)
        SAL8 (d2+2) d2+4 d1
        SAL8 0x3EC2 0x663 t79+6
        SAL8 0x1A27 0x32E7 t80+6
        SAL8 (0x3272) 0x3B3B t75+6
t97:
        SAL8 (t59) 0x121B t78+6
        SAL8 t21+4 0x28BF d2+0
        SAL8 t27+0 0x1321 d2+4
        SAL8 (0x3EAE) (0x3850) (d0+6)
        SAL8 (d2) d0 d0+0
        SAL8 (t104+0) (0x5AB) (d1+4)
        SAL8 (d1+4) t99 d0+0
        SAL8 0xB37 d2+6 t9+2
        SAL8 0x297E d2+2 d2+0
        SAL8 (0x1F2A) d1+4 (t48+4)
        SAL8 d2 (d1+6) t102+0
t98:
        SAL8 d1+2 (t24+2) (d1+4)
        SAL8 t64+6 (t67+2) (t99+2)
        SAL8 0x3249 0x337F $-50
        SAL8 0x3151 0x3AEB $-11
        SAL8 (0x15B2) (0x3A4E) $-13
        SAL8 d2 t79 $-65
        SAL8 0x25FD 0x130E $d0
        SAL8 0x7BB 0x3808 $d0
        SAL8 (0x2B2B) (0x308) $t0
        SAL8 d1 d1 $d2
        SAL16 0x3957 0x270E
t99:
        SAL16 0x8AA 0x330E
        SAL16 (0x1762) (0x241E)
        SAL16 (t38) (t37)
        SAL16 t100+0 (0x38C)
        SAL16 t18+0 (t18)
        SAL16 (0x223E) d2+0
        SAL16 (d2) t40+6
        SAL16 d1+2 t15+2
        SAL16 d2+6 t5+0
        SAL16 0x230E $4
        SAL16 0x3180 $-8
t100:
        SAL16 (0x1AFD) $53
        SAL16 (d0) $124
        SAL16 (t64+2) $105
        SAL16 (t13+4) $-8
        SAL16 0x3C3D $d1
        SAL16 0x15FB $d1
        SAL16 (0x1573) $t0
        SAL16 t65 $d0
        SAL16 t3+0 $t0
        SAL16 t26+0 $d0
        SAL16 0xE82 0x3CE0 0x139C
t101:
        SAL16 0x3542 0xA4F 0x845
        SAL16 (0x1D32) 0x1437 0x31B7
        SAL16 d1 0x2734 0x12C1
        SAL16 t65+0 0x25E3 0x1E63
        SAL16 d2+0 0x2D39 0x283F
        SAL16 0x156B (0x1A86) 0x111F
        SAL16 0x1F09 t37 0x2D43
        SAL16 (0x2B03) (0x2934) 0x3A44
        SAL16 t27 (d1) 0x4C4
        SAL16 0xDFB 0x339D (0x3142)
        SAL16 0x234 0xCBE d1
t102:
        SAL16 (0x13FE) 0x18D3 (0xEDB)
        SAL16 d0 0x200C d1
        SAL16 t47+4 0x37AD (0x2FA1)
        SAL16 (t83+2) 0x30CB (t99)
        SAL16 0xC3A (0x1CA4) (0x2CF2)
        SAL16 0x2137 (t17) t10
        SAL16 (0x3D43) (0x281A) (0x3854)
        SAL16 (d1) (t32) (t13)
        SAL16 d1+2 (0x1356) (0xBDC)
        SAL16 (t69+6) (t7) t37
        SAL16 (0x30D9) t51+6 (0x319)
t103:
        SAL16 (d0) (d1+4) d1
        SAL16 d2+0 t101+2 (0x1944)
        SAL16 t59+4 (t6+0) d1
        SAL16 0x34B5 0x2DDC t107+6
        SAL16 0x40B 0x5C0 t15+2
        SAL16 (0xA88) 0x337B d0+0
        SAL16 (d2) 0x1217 d0+2
        SAL16 (d1+2) 0x2202 (d1+6)
        SAL16 t88+0 0x2D17 (t8+6)
        SAL16 (0x1E51) (0x290F) d2+6
        SAL16 (t98) t77 d0+6
t104:
        SAL16 t34+2 (0x687) t74+6
        SAL16 (d2+0) t65 (t51+6)
        SAL16 0x3D27 t44+2 t15+4
        SAL16 0x31A0 d0+0 t20+0
        SAL16 (0x129E) (d0+6) t108+6
        SAL16 (d2) (t44+4) t58+2
        SAL16 t11+6 t103+4 (d1+6)
        SAL16 d0+4 d1+6 d0+2
        SAL16 0x2DA1 0x2D42 $-63
        SAL16 0x39F1 0x1618 $-20
        SAL16 (0x2301) (0xEDC) $-54
t105:
        SAL16 (d2) d2 $36
        SAL16 0x360 0x21D4 $d2
        SAL16 0x2DBB 0x12F9 $t0
        SAL16 (0x3DAD) (0x2E13) $d2
        SAL16 (d1) d0 $d1
        SAL32 0x506 0xF1
        SAL32 0xFC9 0x2912
        SAL32 (0xB01) (0x2D2C)
        SAL32 t76 d0
        SAL32 (t56+4) (0x1845)
        SAL32 t32+6 d1
t106:
        SAL32 (0x270F) d1+4
        SAL32 d2 t75+4
        SAL32 d0+6 d0+4
        SAL32 d2+6 (d2+4)
        SAL32 0x29C3 $94
        SAL32 0x38DA $10
        SAL32 (0xF30) $98
        SAL32 t72 $93
        SAL32 (d0+0) $-97
        SAL32 d2+4 $104
        SAL32 0x3DC4 $d2
t107:
        SAL32 0x3300 $t0
        SAL32 (0xA14) $t0
        SAL32 d1 $d0
        SAL32 (d2+4) $d0
        SAL32 d1+4 $d0
        SAL32 0x11E 0x2D4 0x323E
        SAL32 0x3146 0x2E08 0x237B
        SAL32 (0x1769) 0x220C 0xCAE
        SAL32 d1 0x3C19 0xD5A
        SAL32 d0+0 0x3FE3 0xD95
        SAL32 d0+2 0xAAA 0x8C5
t108:
        SAL32 0x3094 (0x25CA) 0x604
        SAL32 0xA25 (d1) 0x7A4
        SAL32 (0x159D) (0x2661) 0x2BF9
        SAL32 (d2) t101 0x2B53
        SAL32 0x3FD7 0x2009 (0x3CD)
        SAL32 0xD54 0x198B d0
        SAL32 (0x1760) 0x8BE (0x3CA3)
        SAL32 (t84) 0x13EE (d2)
        SAL32 d0+0 0x204C (0x338A)
        SAL32 t55+4 0x969 (d1)
        SAL32 0x3C51 (0x1CEA) (0x1C18)
t109:
        SAL32 0x3696 d2 (d2)
        SAL32 (0x3FBC) (0x143C) (0x7A)
        SAL32 d1 (d2) d0
        SAL32 d1+2 (0x283) (0x1C0D)
        SAL32 (d0+6) d0 t34
        SAL32 (0x18A) (t16+6) (0x2376)
        SAL32 (d2) (d0+2) t49
        SAL32 (t105+0) (t106+2) (0xD4F)
        SAL32 (d0+0) t26+6 (t98)
        SAL32 0x322B 0x1D16 t13+0
        SAL32 0x279E 0x13C4 (t53+0)
t110:
        SAL32 (0x1F70) 0x8CC (d2+0)
        SAL32 d2 0xDF6 (d0+0)
        SAL32 (t53+0) 0x3309 t73+2
        SAL32 d2+4 0xB2C d2+6
        SAL32 (0x2126) (0x3294) (d2+4)
        SAL32 t80 t102 t86+2
        SAL32 t38+6 (0x24C4) t86+4
        SAL32 t10+2 t58 d2+0
        SAL32 0x304B (d2+0) t58+6
        SAL32 0x1754 t70+6 d0+4
        SAL32 (0x11E) t0+6 t71+2
t111:
        SAL32 d2 (t111+0) t95+4
        SAL32 t89+4 d2+0 (d2+6)
        SAL32 t67+0 (d0+0) t16+4
        SAL32 0x258F 0x31EF $37
        SAL32 0x19E 0x19E5 $107
        SAL32 (0x1746) (0x31A7) $5
        SAL32 (t111) d0 $-48
        SAL32 0x5E1 0x38AD $t0
        SAL32 0x126C 0x25F0 $t0
        SAL32 (0x1B6F) (0x129B) $d2
        SAL32 d0 d1 $t0
t112:
        ROR8 0x3771 0x1248
        ROR8 0xBBE 0x2B8D
        ROR8 (0x3615) (0x2C25)
        ROR8 (d0) (d2)
        ROR8 d1+0 (0x23F4)
        ROR8 d1+4 t113
        ROR8 (0x106) d2+0
        ROR8 (d2) d2+6
        ROR8 t30+6 (d2+4)
        ROR8 d0+6 (d0+0)
        ROR8 0x1F64 $-40
t113:
        ROR8 0xCF7 $-85
        ROR8 (0x2B7A) $-22
        ROR8 d0 $-33
        ROR8 t113+6 $21
        ROR8 d1+4 $57
        ROR8 0x332C $d2
        ROR8 0x26C0 $t0
        ROR8 (0xDE3) $d2
        ROR8 t42 $d2
        ROR8 t28+4 $d1
        ROR8 d1+6 $d1
t114:
        ROR8 0xC73 0x31B2 0x1904
        ROR8 0x30D4 0x2894 0x3A8A
        ROR8 (0x3985) 0x12B 0x12A2
        ROR8 (d0) 0x38D0 0x3ED9
        ROR8 t73+4 0x3767 0x1900
        ROR8 (d1+4) 0x38E9 0x361B
        ROR8 0xEDE (0x1A9C) 0x3F66
        ROR8 0x3284 d2 0x155D
        ROR8 (0x269) (0x2B12) 0xA05
        ROR8 d2 (t25) 0xEF0
        ROR8 0xEDC 0x1A8C (0x16D3)
t115:
        ROR8 0x1210 0x2A3B t21
        ROR8 (0x112C) 0xD5F (0x2943)
        ROR8 t33 0x10B t26
        ROR8 (t115+2) 0x3988 (0x2BF0)
        ROR8 (t109+0) 0xA48 d1
        ROR8 0x3359 (0x1F21) (0x11FD)
        ROR8 0x2846 t7 d2
        ROR8 (0x2DF6) (0x155) (0x24D)
        ROR8 d0 (d1) d1
        ROR8 t115+2 (0x164) (0x2369)
        ROR8 t100+2 (t20) d2
t116:
        ROR8 (0x280A) t83+2 (0x22FC)
        ROR8 t108 d2+0 (t82)
        ROR8 t74+4 (d0+6) (0x142D)
        ROR8 t101+0 t20+2 d2
        ROR8 0x30CB 0x324C t105+6
        ROR8 0x232B 0x392B d1+2
        ROR8 (0x253C) 0x41A d0+4
        ROR8 t20 0x1C3F (t22+4)
        ROR8 t42+6 0x6E7 d1+4
        ROR8 d0+4 0x38B0 (t5+6)
        ROR8 (0xE22) (0x774) t110+4
t117:
        ROR8 (t25) t104 d1+4
        ROR8 d2+4 (0x3BA) (d1+2)
        ROR8 t41+0 d2 d1+0
        ROR8 0x13AF (t102+6) d1+6
        ROR8 0x3DED (t115+0) t117+4
        ROR8 (0x2FB1) d0+4 (d0+0)
        ROR8 (t114) (d1+6) t67+6
        ROR8 t3+4 (d2+0) d2+2
        ROR8 t55+0 d2+0 (d0+0)
        ROR8 0x21E6 0x2FE3 $-28
        ROR8 0x2C19 0x2818 $-12
t118:
        ROR8 (0x256B) (0x6EE) $-34
        ROR8 t107 t14 $92
        ROR8 0x3EAB 0x469 $d0
        ROR8 0x2BB2 0x26B $d1
        ROR8 (0x118) (0x1B1F) $d1
        ROR8 t67 (t37) $t0
        ROR16 0xB29 0x73A
        ROR16 0x2647 0x1988
        ROR16 (0x6) (0x273A)
        ROR16 d1 d2
        ROR16 t122+0 (0xA52)
t119:
        ROR16 (d0+0) t41
        ROR16 (0x1E12) (t0+2)
        ROR16 (t22) t110+6
        ROR16 (t5+2) d1+4
        ROR16 d2+2 t14+4
        ROR16 0x5A5 $124
        ROR16 0x36AF $18
        ROR16 (0x1A6F) $-12
        ROR16 d2 $-18
        ROR16 d2+2 $-52
        ROR16 t55+2 $-35
t120:
        ROR16 0x1C75 $d0
        ROR16 0x1C32 $d0
        ROR16 (0x3430) $d1
        ROR16 d1 $d2
        ROR16 d1+6 $d2
        ROR16 d0+4 $d2
        ROR16 0x1F95 0x2D60 0x15B3
        ROR16 0x237 0x2B46 0x3372
        ROR16 (0x2B31) 0x70F 0x17E
        ROR16 d0 0x3D5B 0x413
        ROR16 t76+6 0x224A 0x2B2A
t121:
        ROR16 d1+4 0x188B 0x3F03
        ROR16 0x330D (0x26ED) 0x3C85
        ROR16 0x3642 (d0) 0x3AC1
        ROR16 (0x2680) (0x22C7) 0x2486
        ROR16 t9 (d1) 0x12A0
        ROR16 0x2ABF 0x86D (0x898)
        ROR16 0x842 0x202B t82
        ROR16 (0x3F68) 0x3EDB (0x1828)
        ROR16 d2 0x11CA (d1)
        ROR16 t4+0 0x3EF4 (0x2333)
        ROR16 d2+6 0xDBA (t32)
t122:
        ROR16 0x3805 (0x15E4) (0x11FA)
        ROR16 0x3BEB t9 (d1)
        ROR16 (0x1636) (0x2F72) (0x37EF)
        ROR16 (d1) t19 t85
        ROR16 t114+0 (0x310) (0x6AD)
        ROR16 (d2+0) (d1) d2
        ROR16 (0x7E) (d0+0) (0x11D3)
        ROR16 (d0) d1+0 d0
        ROR16 t25+0 t44+2 (0x2139)
        ROR16 (d1+0) d0+6 d1
        ROR16 0x156D 0x29AB t8+4
t123:
        ROR16 0x12CF 0x10E0 t92+2
        ROR16 (0x2828) 0x2F0B d1+2
        ROR16 d1 0x307C t2+4
        ROR16 t110+2 0x30E3 d1+0
        ROR16 d1+0 0x1B87 d2+0
        ROR16 (0x394F) (0x956) (d0+6)
        ROR16 d0 t115 d1+4
        ROR16 d2+6 (0x2E51) d0+4
        ROR16 (d1+4) (d0) (d0+4)
        ROR16 0xE82 d1+4 (d1+4)
        ROR16 0x38C1 t31+4 (d2+4)
t124:
        ROR16 (0x22B3) t44+4 (t58+0)
        ROR16 d0 d0+0 t43+6
        ROR16 d0+6 t106+2 d0+0
        ROR16 t47+4 d2+6 d2+6
        ROR16 0xBCC 0x32F0 $-63
        ROR16 0x34A2 0x131E $7
        ROR16 (0x3A74) (0x2D1C) $-81
        ROR16 t38 d0 $53
        ROR16 0x81A 0x226E $d0
        ROR16 0x3F0 0x151 $d2
        ROR16 (0x1640) (0x1786) $t0
t125:
        ROR16 (d1) t47 $t0
        ROR32 0x201F 0x36B5
        ROR32 0x3EF6 0xBE9
        ROR32 (0x378F) (0x2DC6)
        ROR32 d2 (t96)
        ROR32 d2+2 (0x29EE)
        ROR32 t42+6 (t117)
        ROR32 (0x1E5D) (t1+2)
        ROR32 (d2) t95+0
        ROR32 t34+0 (t21+0)
        ROR32 d2+0 d1+2
t126:
        ROR32 0xB20 $52
        ROR32 0x4F2 $99
        ROR32 (0x3253) $-46
        ROR32 t74 $-85
        ROR32 t18+0 $0
        ROR32 t105+6 $-80
        ROR32 0x53B $t0
        ROR32 0x29E6 $d2
        ROR32 (0x128E) $t0
        ROR32 (t103) $d2
        ROR32 d0+0 $d0
t127:
        ROR32 t26+4 $d0
        ROR32 0x3B38 0x3FCB 0x29B2
        ROR32 0xF3B 0x3C7E 0x1504
        ROR32 (0x1822) 0x2273 0x1E60
        ROR32 d0 0x39E0 0x19B9
        ROR32 d2+4 0x3480 0x2606
        ROR32 d1+6 0x3420 0x2652
        ROR32 0x160B (0x2DCD) 0x39C5
        ROR32 0x30CD d0 0x9CD
        ROR32 (0x350) (0x851) 0x1AD8
        ROR32 t131 d2 0x1C29
t128:
        ROR32 0x1277 0xD74 (0xEFC)
        ROR32 0x2023 0x2506 (d2)
        ROR32 (0x1F11) 0x115A (0x6BE)
        ROR32 d2 0x365D t99
        ROR32 t109+0 0x2AD3 (0x3EE)
        ROR32 t27+0 0x247C (t79)
        ROR32 0x847 (0x3910) (0x30F5)
        ROR32 0xA15 (d1) (t0)
        ROR32 (0x1767) (0xE47) (0x24DE)
        ROR32 (t118) t50 (d2)
        ROR32 d0+0 (0x78) (0x2DA7)
t129:
        ROR32 d0+0 t118 t56
        ROR32 (0x3386) d0+2 (0x173E)
        ROR32 d0 (t92+6) d2
        ROR32 (d0+6) (d2+6) (0x306C)
        ROR32 (d1+0) t76+4 t37
        ROR32 0x1FCD 0x1F82 t13+6
        ROR32 0x3EF9 0x2632 d2+2
        ROR32 (0x1BEE) 0x49D d1+2
        ROR32 t49 0x2E04 t119+4
        ROR32 t59+6 0x2B69 d0+6
        ROR32 d2+4 0xD2B (d0+0)
t130:
        ROR32 (0x34E2) (0x10E2) d0+2
        ROR32 d0 t105 (d0+0)
        ROR32 (d2+2) (0x1827) t14+6
        ROR32 t91+4 (d1) t133+0
        ROR32 0x364B d0+0 d0+6
        ROR32 0x9D1 t89+4 d1+6
        ROR32 (0xC42) d1+2 t82+6
        ROR32 (t4) t58+0 d1+0
        ROR32 t23+6 t14+6 (t55+2)
        ROR32 t17+0 t108+2 (t104+6)
        ROR32 0xA3E 0x97E $123
t131:
        ROR32 0x1FD5 0x13EE $114
        ROR32 (0x304) (0xD53) $-14
        ROR32 d2 t18 $-70
        ROR32 0x66C 0x3B88 $d0
        ROR32 0x5D 0x30A8 $d0
        ROR32 (0x52F) (0x7E0) $d0
        ROR32 t57 t105 $d2
        ROL8 0x2F8D 0x2C76
        ROL8 0x344F 0x16AF
        ROL8 (0x211D) (0x2B9A)
        ROL8 d0 d0
t132:
        ROL8 t74+4 (0x1CF8)
        ROL8 d2+6 d2
        ROL8 (0x19F5) (d2+0)
        ROL8 t5 d2+4
        ROL8 t121+4 d2+0
        ROL8 d2+0 d0+6
        ROL8 0x1CAE $-34
        ROL8 0x2D73 $27
        ROL8 (0x3FEB) $-83
        ROL8 t16 $-22
        ROL8 t118+4 $-82
t133:
        ROL8 (t8+0) $70
        ROL8 0x1A13 $t0
        ROL8 0xB82 $t0
        ROL8 (0x3DF2) $d0
        ROL8 d2 $d0
        ROL8 t116+2 $d1
        ROL8 t128+0 $d0
        ROL8 0x11D3 0xE99 0x3A4E
        ROL8 0x2C1D 0x68A 0x1AA6
        ROL8 (0x1C20) 0x30C6 0x31ED
        ROL8 d0 0x3082 0x346A
t134:
        ROL8 t25+0 0x38C5 0x1B67
        ROL8 (t104+6) 0x2443 0x3AED
        ROL8 0x27A1 (0x9A8) 0xE3E
        ROL8 0xDA2 d1 0x37B8
        ROL8 (0x19AC) (0x3864) 0x2076
        ROL8 t40 t65 0x1AFB
        ROL8 0x3370 0x563 (0x9B7)
        ROL8 0x5DF 0x3553 (d0)
        ROL8 (0x351F) 0x337 (0x3B2A)
        ROL8 d0 0xE89 (d1)
        ROL8 t89+4 0x3B30 (0x9D6)
t135:
        ROL8 t129+0 0x3E5B t38
        ROL8 0x5D2 (0x1499) (0x760)
        ROL8 0x1CDB t93 (t63)
        ROL8 (0x35A9) (0x2F0B) (0x18D1)
        ROL8 t101 d1 t30
        ROL8 (d1+4) (0x1CF9) (0x2868)
        ROL8 t120+2 t57 t98
        ROL8 (0x34CF) (d2+4) (0x2A76)
        ROL8 d2 (d0+4) d2
        ROL8 t32+4 t90+4 (0x11A)
        ROL8 (d0+0) (t73+2) (d2)
t136:
        ROL8 0xD15 0x19B7 d1+4
        ROL8 0x3552 0x640 d2+2
        ROL8 (0xCE8) 0x177 d2+0
        ROL8 (t113) 0x3686 (d1+0)
        ROL8 d0+0 0xDE9 (d0+6)
        ROL8 d1+2 0xF5C t25+4
        ROL8 (0x2545) (0x1C61) t103+6
        ROL8 (d2) d1 d2+4
        ROL8 t130+4 (0x8D6) (t23+4)
        ROL8 d0+0 t15 t41+2
        ROL8 0x2832 d0+0 (d0+0)
t137:
        ROL8 0x36B7 d0+2 t43+0
        ROL8 (0x30AD) (t72+2) t26+2
        ROL8 d2 d1+2 t49+2
        ROL8 (t49+6) t72+2 (d1+0)
        ROL8 d0+4 (d2+0) (t30+6)
        ROL8 0xD3E 0x3926 $82
        ROL8 0x3074 0xF20 $-92
        ROL8 (0x2578) (0x1DE6) $21
        ROL8 (d1) d2 $126
        ROL8 0x1DF3 0x39D $d1
        ROL8 0x19 0x13B9 $d0
t138:
        ROL8 (0x1926) (0x3CA0) $d0
        ROL8 d2 t125 $t0
        ROL16 0x349D 0x3364
        ROL16 0x307D 0x13AE
        ROL16 (0xE29) (0x2F9A)
        ROL16 d0 (t95)
        ROL16 d1+2 (0x3EB9)
        ROL16 (d1+6) (d0)
        ROL16 (0x1721) d0+4
        ROL16 (t33) d2+2
        ROL16 t71+0 t125+4
t139:
        ROL16 (d2+2) (d2+4)
        ROL16 0x318 $-83
        ROL16 0x334D $93
        ROL16 t83+0 $-85
        ROL16 t94+4 $68
        ROL16 0x377F $t0
        ROL16 0x2C6D $d2
        ROL16 (0x2B42) $t0
        ROL16 t124 $d0
        ROL16 d1+0 $t0
        ROL16 (d2+2) $d0
t140:
        ROL16 0x139D 0x17BD 0x23D6
        ROL16 0x3F93 0x75E 0x2566
        ROL16 (0x3532) 0x20C6 0x1C56
        ROL16 (t30) 0x2517 0x2EA
        ROL16 (d0+2) 0x1150 0x860
        ROL16 (d1+4) 0x20D8 0x1D48
        ROL16 0x3758 (0x344B) 0x190E
        ROL16 0x1237 (d0) 0x214
        ROL16 (0x858) (0x2A37) 0x1F5C
        ROL16 (d1) t66 0x13B
        ROL16 0x2F3 0x37D6 (0xBD2)
t141:
        ROL16 0x199F 0x2C41 (t48)
        ROL16 (0x210D) 0x2E3B (0x1E89)
        ROL16 (d1) 0xCA8 t140
        ROL16 t83+0 0x3A5C (0x2143)
        ROL16 (t114+4) 0x272A t59
        ROL16 0x3D53 (0x28A4) (0x1CF9)
        ROL16 0x22D2 t98 t143
        ROL16 (0x1169) (0x26A3) (0x3E49)
        ROL16 t42 t123 t100
        ROL16 t95+2 (0x48A) (0x2A86)
        ROL16 d2+0 t38 (t94)
t142:
        ROL16 (0x564) d2+2 (0x21EA)
        ROL16 t105 (d0+0) (d2)
        ROL16 t24+6 (d1+6) (0xD1)
        ROL16 t37+0 t48+4 (t13)
        ROL16 0x1EDD 0x2194 d1+4
        ROL16 0x1828 0x26EB d1+2
        ROL16 (0x5A9) 0x30AE t123+2
        ROL16 d2 0x163A (t30+2)
        ROL16 t138+4 0x359F d2+4
        ROL16 t76+2 0x27FD t33+6
        ROL16 (0x5C9) (0x1EEF) d2+4
t143:
        ROL16 (t91) t133 (d2+6)
        ROL16 d1+2 (0x3A25) d2+6
        ROL16 (t63+6) t134 (d2+6)
        ROL16 0x6B0 t93+4 (d2+6)
        ROL16 0x191F t44+2 d1+6
        ROL16 (0x1C12) t146+0 (t87+4)
        ROL16 t130 t101+4 (t9+0)
        ROL16 d1+2 t44+0 (t151+4)
        ROL16 d1+2 (d2+6) t85+4
        ROL16 0x1F7C 0x222D $96
        ROL16 0x2BEB 0x1A29 $36
t144:
        ROL16 (0x2BE2) (0x1472) $84
        ROL16 d1 t150 $56
        ROL16 0x2530 0x269A $d1
        ROL16 0x54C 0x68 $d2
        ROL16 (0xEC0) (0x2F84) $d2
        ROL16 (d2) d2 $d0
        ROL32 0x32A8 0xC3F
        ROL32 0x112E 0x2711
        ROL32 (0x3F88) (0x2122)
        ROL32 t4 (t62)
        ROL32 d0+6 (0x2C4C)
t145:
        ROL32 d1+6 (t4)
        ROL32 (0xACB) t52+0
        ROL32 d1 d0+4
        ROL32 (d0+0) d1+4
        ROL32 (t130+4) d0+6
        ROL32 0x313F $-70
        ROL32 0x260F $-58
        ROL32 (0x10CB) $52
        ROL32 (t142) $75
        ROL32 (t100+0) $-62
        ROL32 t149+0 $-91
t146:
        ROL32 0x3060 $t0
        ROL32 0x3CC1 $d2
        ROL32 (0x21B4) $d1
        ROL32 d0 $d0
        ROL32 d2+0 $d2
        ROL32 t75+0 $d0
        ROL32 0x2ED1 0x158C 0x3746
        ROL32 0x3137 0x1BAC 0xA0E
        ROL32 (0x1757) 0x14AA 0x360C
        ROL32 (t114) 0x6B1 0x313C
        ROL32 t111+6 0x236D 0x15B3
t147:
        ROL32 (t29+0) 0x1FDA 0x51D
        ROL32 0x239F (0x3310) 0x1E5E
        ROL32 0x30 d2 0x25AE
        ROL32 (0x2708) (0x101B) 0x7D1
        ROL32 d2 (d0) 0x328D
        ROL32 0xDA3 0xB1C (0x1FB1)
        ROL32 0x2702 0x24CB t128
        ROL32 (0x2C9C) 0x3B0F (0x2B18)
        ROL32 d1 0x3945 (d1)
        ROL32 (d1+6) 0x182C (0x3A7B)
        ROL32 t122+4 0x35A4 d1
t148:
        ROL32 0x1406 (0x2073) (0x28BA)
        ROL32 0x1A4D t32 (d0)
        ROL32 (0x655) (0x18C9) (0x15F9)
        ROL32 d1 t132 d1
        ROL32 d1+4 (0x15C8) (0x3062)
        ROL32 (t53+6) t37 t58
        ROL32 (0x225F) d1+2 (0x3911)
        ROL32 d0 d0+0 t117
        ROL32 (d0+4) (d2+6) (0x200)
        ROL32 t18+6 d1+0 d0
        ROL32 0x37E6 0x1F48 d2+0
t149:
        ROL32 0x2979 0x598 (d1+4)
        ROL32 (0x2684) 0x120C t107+6
        ROL32 d1 0x1AA6 (d0+4)
        ROL32 d1+6 0x2E26 t37+4
        ROL32 d1+2 0x853 (t8+0)
        ROL32 (0xD77) (0x1E7F) (t148+2)
        ROL32 d2 d2 (t36+4)
        ROL32 0xDD3 d1+2 d1+0
        ROL32 0x138B t103+0 d0+6
        ROL32 (0x8E6) d2+4 d1+4
        ROL32 t43 d2+4 (t41+4)
t150:
        ROL32 t69+6 t93+0 t4+0
        ROL32 d2+4 t20+2 (d1+6)
        ROL32 0x88 0xA53 $71
        ROL32 0x173 0x1F11 $49
        ROL32 (0x31A6) (0x39A6) $-38
        ROL32 t98 t32 $-58
        ROL32 0x21E3 0xE80 $d1
        ROL32 0x3B03 0x49D $d1
        ROL32 (0x200C) (0x230E) $d2
        ROL32 t116 (d0) $d2
        RORC8 0x2703 0x393D
t151:
        RORC8 0x3612 0x2BEC
        RORC8 (0xC44) (0x279D)
        RORC8 t33 t107
        RORC8 d0+4 (0x2F8)
        RORC8 (d2+2) t97
        RORC8 (0x38B) d1+6
        RORC8 (d0) t94+4
        RORC8 (t120+4) d1+6
        RORC8 (d0+6) (d1+6)
        RORC8 0x26D0 $37
        RORC8 0x3AF4 $-13
t152:
        RORC8 (0x1B3A) $38
        RORC8 d1 $32
        RORC8 (t112+0) $85
        RORC8 t159+2 $66
        RORC8 0xF6A $t0
        RORC8 0x30B8 $d0
        RORC8 (0x1CA7) $d1
        RORC8 d1 $t0
        RORC8 t32+4 $t0
        RORC8 t3+2 $t0
        RORC8 0x1878 0x36FD 0xCA7
t153:
        RORC8 0xF00 0x217F 0x2C4C
        RORC8 (0x1D30) 0x12F0 0x28F3
        RORC8 (t1) 0xE0 0x1166
        RORC8 d2+2 0x3EAC 0x212
        RORC8 d0+2 0x188E 0x2BC1
        RORC8 0x1993 (0x519) 0x40C
        RORC8 0x270C (d0) 0x304
        RORC8 (0x9F6) (0x10E7) 0x154E
        RORC8 t88 d0 0x204E
        RORC8 0x1931 0x375D (0x1A7F)
        RORC8 0x331E 0x287F t95
t154:
        RORC8 (0x2020) 0x2A59 (0x13BC)
        RORC8 d2 0x1C9E d2
        RORC8 (t113+0) 0x142F (0x14DF)
        RORC8 t147+4 0x29F2 d2
        RORC8 0x1012 (0x19A0) (0x3A8C)
        RORC8 0x43C d0 t36
        RORC8 (0xB95) (0x3FD9) (0x80C)
        RORC8 (d1) (d0) t162
        RORC8 t4+2 (0x24B0) (0x1317)
        RORC8 t47+0 t1 d0
        RORC8 (0x1827) d1+6 (0x35C3)
t155:
        RORC8 t134 t139+0 d2
        RORC8 (d2+0) (d1+6) (0x4D8)
        RORC8 t14+2 t72+2 d0
        RORC8 0x9D 0x2019 t125+0
        RORC8 0x13ED 0x1B1A (t20+6)
        RORC8 (0x2AEE) 0x1740 t90+6
        RORC8 d1 0x299B d0+2
        RORC8 t88+4 0x33B0 t73+6
        RORC8 t140+4 0x87 d2+2
        RORC8 (0x3D79) (0x655) d2+2
        RORC8 (t132) (d2) d2+6
t156:
        RORC8 d0+4 (0x371F) d2+2
        RORC8 (t59+0) (t78) d1+2
        RORC8 0x13AB (d2+0) d2+2
        RORC8 0x907 t53+6 t4+4
        RORC8 (0x2873) d1+2 t158+4
        RORC8 (d2) d1+2 d1+2
        RORC8 t124+6 d1+2 t134+2
        RORC8 (d2+4) (t28+4) t39+6
        RORC8 0x3BA2 0x10AB $13
        RORC8 0x3F00 0x26EF $-100
        RORC8 (0x12D1) (0x23A9) $-64
t157:
        RORC8 t120 (d1) $56
        RORC8 0xF2F 0x196 $d0
        RORC8 0x18A5 0xD09 $d1
        RORC8 (0x7B8) (0x66F) $t0
        RORC8 (t112) d0 $t0
        RORC16 0x27FD 0x1F1
        RORC16 0x29DD 0x1E9A
        RORC16 (0x1E50) (0x15BF)
        RORC16 (d0) t159
        RORC16 d2+4 (0x3CE8)
        RORC16 d0+6 t46
t158:
        RORC16 (0x5D0) (t111+4)
        RORC16 t56 t18+2
        RORC16 t45+6 d1+4
        RORC16 t72+2 t91+4
        RORC16 0x2ACD $82
        RORC16 0x1268 $1
        RORC16 (0x20CB) $98
        RORC16 d2 $23
        RORC16 d1+4 $8
        RORC16 (d1+4) $61
        RORC16 0x1396 $d2
t159:
        RORC16 0x35C $t0
        RORC16 (0x13AD) $t0
        RORC16 t134 $d0
        RORC16 (d0+0) $d2
        RORC16 d0+6 $d0
        RORC16 0x3AAD 0x32E9 0x19DA
        RORC16 0x3C1B 0xA5A 0x20BC
        RORC16 (0x3FE9) 0x2F2C 0xCF7
        RORC16 (d0) 0x41B 0x1FEF
        RORC16 (t124+6) 0xFBD 0x2707
        RORC16 t72+0 0x113B 0x2502
t160:
        RORC16 0x35AF (0x150) 0x132E
        RORC16 0x2437 d2 0x135B
        RORC16 (0x6B4) (0x2D5E) 0x1348
        RORC16 (t26) t142 0x3565
        RORC16 0x1B4A 0x1C48 (0xDB3)
        RORC16 0x355E 0x1B51 t2
        RORC16 (0x2813) 0x9E2 (0xA2E)
        RORC16 (d1) 0xBE1 d1
        RORC16 t114+2 0x2081 (0x22E4)
        RORC16 t50+0 0x1A25 t42
        RORC16 0x1FAE (0x2AF0) (0x26A5)
t161:
        RORC16 0x13DE (d2) t109
        RORC16 (0x2FCB) (0xCFB) (0x36DB)
        RORC16 d2 d1 t26
        RORC16 (d1+0) (0x2AD4) (0x2DBF)
        RORC16 (d0+4) (t30) (d1)
        RORC16 (0x1D6) (t9+6) (0x699)
        RORC16 d2 t48+2 (t47)
        RORC16 d1+2 t82+0 (0x1789)
        RORC16 t128+6 t52+0 d0
        RORC16 0x370B 0x17DE d0+2
        RORC16 0x22FB 0x108F (d0+2)
t162:
        RORC16 (0x1898) 0x2B99 d0+0
        RORC16 d0 0x39C0 (t163+4)
        RORC16 d1+4 0xFBB t22+0
        RORC16 d1+4 0x3C25 t82+4
        RORC16 (0x28BA) (0xC91) (t152+6)
        RORC16 (t118) t72 d2+4
        RORC16 (d1+2) (0x2A49) t159+6
        RORC16 (t26+6) (t56) d2+6
        RORC16 0xE2D t43+2 (d2+4)
        RORC16 0x1F84 t136+4 d0+4
        RORC16 (0x3E80) d2+4 t161+4
t163:
        RORC16 d2 d2+4 d1+4
        RORC16 t116+0 t4+4 d0+2
        RORC16 d2+2 t59+0 d2+2
        RORC16 0x2FF5 0x2673 $-44
        RORC16 0x5E3 0x10E1 $85
        RORC16 (0x2454) (0x203B) $81
        RORC16 (t41) d1 $-75
        RORC16 0x20FB 0x36BF $d1
        RORC16 0xDD0 0x15C2 $t0
        RORC16 (0x31E2) (0x3CBB) $d1
        RORC16 d0 d1 $d2
t164:
        RORC32 0x3703 0xF66
        RORC32 0xEDA 0x251D
        RORC32 (0x1E0) (0x2DA6)
        RORC32 (t36) t102
        RORC32 (t122+2) (0x23F1)
        RORC32 d1+2 d0
        RORC32 (0x590) (d1+0)
        RORC32 t115 (t169+2)
        RORC32 (d1+0) (d0+2)
        RORC32 d0+0 (t49+2)
        RORC32 0x1FB1 $-9
t165:
        RORC32 0x4B8 $78
        RORC32 (0x60D) $59
        RORC32 (d0) $111
        RORC32 t109+0 $67
        RORC32 d2+0 $8
        RORC32 0x986 $t0
        RORC32 0x1EAC $d0
        RORC32 (0x1B04) $d2
        RORC32 t66 $d2
        RORC32 d1+0 $d2
        RORC32 d2+2 $d1
t166:
        RORC32 0x22C8 0x115B 0x274C
        RORC32 0x28DD 0x15AF 0x345F
        RORC32 (0x126D) 0x145B 0x745
        RORC32 t37 0x2877 0x2D9A
        RORC32 t57+4 0x21F 0x271
        RORC32 d2+4 0x26A6 0x33C2
        RORC32 0x2DBE (0x3DB) 0x210D
        RORC32 0x3423 (d0) 0x1559
        RORC32 (0xF32) (0x46B) 0x31FD
        RORC32 t152 t82 0x2826
        RORC32 0x3213 0x1D06 (0x38C2)
t167:
        RORC32 0x1B6F 0x12BE t70
        RORC32 (0x1F6) 0xCE (0x2AD1)
        RORC32 d1 0x3CFA d0
        RORC32 d2+6 0x2DAC (0x34F7)
        RORC32 (t105+4) 0x360E (d2)
        RORC32 0x198C (0x803) (0x3F29)
        RORC32 0x249E (t168) t2
        RORC32 (0x17A5) (0x1312) (0x3F7C)
        RORC32 (t118) (d0) (d0)
        RORC32 (d1+6) (0x2A57) (0x403)
        RORC32 d2+0 d2 t175
t168:
        RORC32 (0x1700) d1+2 (0x9B8)
        RORC32 t97 t31+6 (t18)
        RORC32 t22+2 d0+6 (0x1B8F)
        RORC32 d1+0 d2+4 t141
        RORC32 0x3E26 0x2546 (t166+2)
        RORC32 0x534 0x27D2 t80+4
        RORC32 (0x13B8) 0x31A6 t28+6
        RORC32 (t151) 0x2DFA (t169+2)
        RORC32 d0+2 0x40E t4+6
        RORC32 d1+4 0xE81 t11+0
        RORC32 (0xD11) (0xB27) d1+6
t169:
        RORC32 (t96) t51 t47+6
        RORC32 (t119+4) (0x28C9) d0+2
        RORC32 (t39+2) t100 t26+0
        RORC32 0x2392 d2+2 t32+0
        RORC32 0x15D7 t143+0 t51+2
        RORC32 (0xE39) t137+4 d1+2
        RORC32 (t128) t120+6 (t103+6)
        RORC32 d2+6 (d0+0) t60+0
        RORC32 d0+6 t7+6 (d2+4)
        RORC32 0x252 0x19AE $10
        RORC32 0x1E5F 0x367A $-39
t170:
        RORC32 (0x180F) (0x3497) $-8
        RORC32 t18 (t94) $79
        RORC32 0x125 0x3CE7 $d2
        RORC32 0x18AB 0x57B $d2
        RORC32 (0x2FE0) (0x2424) $d1
        RORC32 d0 t93 $d1
        ROLC8 0x1309 0x2B69
        ROLC8 0x16BA 0x132E
        ROLC8 (0x1C92) (0x22FB)
        ROLC8 (d2) t21
        ROLC8 t101+0 (0xCD1)
t171:
        ROLC8 d0+4 (t19)
        ROLC8 (0x1AE3) (d2+6)
        ROLC8 (t13) (d2+4)
        ROLC8 d0+2 (d1+2)
        ROLC8 t59+6 t54+6
        ROLC8 0x3EA6 $36
        ROLC8 0x2B2A $-63
        ROLC8 (0x8A4) $63
        ROLC8 t145 $92
        ROLC8 (d2+0) $-31
        ROLC8 d1+4 $53
t172:
        ROLC8 0xF66 $d2
        ROLC8 0x3800 $d0
        ROLC8 (0x1367) $d1
        ROLC8 d0 $t0
        ROLC8 d0+4 $d2
        ROLC8 d0+0 $d0
        ROLC8 0x1C5 0x62B 0x149A
        ROLC8 0x3A41 0x9D6 0xB13
        ROLC8 (0x2E8) 0x11F9 0x688
        ROLC8 (d0) 0x3CCE 0x29A8
        ROLC8 t160+4 0xE03 0xC14
t173:
        ROLC8 d2+0 0x1BFE 0x3FC6
        ROLC8 0x3E78 (0x521) 0x1308
        ROLC8 0x1C87 t106 0x2767
        ROLC8 (0x3FB1) (0x3DDD) 0x31B0
        ROLC8 d1 (d0) 0x15E
        ROLC8 0x6C8 0x37CB (0x32FB)
        ROLC8 0x3668 0x2825 (d0)
        ROLC8 (0x280D) 0x524 (0xC4E)
        ROLC8 d0 0x11B9 (t79)
        ROLC8 t138+4 0x2C8E (0x1F00)
        ROLC8 d0+2 0x1085 (t19)
t174:
        ROLC8 0xB31 (0x3401) (0xCE2)
        ROLC8 0x37FF d1 t171
        ROLC8 (0x191C) (0x3D8F) (0x26B3)
        ROLC8 d0 (d2) t134
        ROLC8 d1+2 (0x1A0C) (0xD3B)
        ROLC8 d1+6 t1 t180
        ROLC8 (0x3934) t125+4 (0x698)
        ROLC8 t30 d1+4 t82
        ROLC8 d1+0 t6+4 (0x15E2)
        ROLC8 d0+6 t12+0 d2
        ROLC8 0x1E27 0x4F9 d1+4
t175:
        ROLC8 0x233A 0x1284 d2+0
        ROLC8 (0x7D7) 0x1788 d0+6
        ROLC8 t157 0x17F4 t128+2
        ROLC8 d2+4 0x37C6 t20+0
        ROLC8 d1+2 0x2342 d1+4
        ROLC8 (0x223D) (0x8A7) (t132+6)
        ROLC8 d2 (t7) (d0+4)
        ROLC8 d2+2 (0x3DF8) d2+0
        ROLC8 d1+0 t8 (d1+6)
        ROLC8 0x2758 t58+0 d1+6
        ROLC8 0xD24 (t113+4) t70+2
t176:
        ROLC8 (0x1B6A) (d1+0) (t150+4)
        ROLC8 (d0) t36+2 d2+2
        ROLC8 d2+4 t19+0 t171+6
        ROLC8 (t78+6) d2+2 t129+4
        ROLC8 0x3A7C 0x9D6 $-7
        ROLC8 0x38F0 0x23E $38
        ROLC8 (0x1D85) (0x883) $-14
        ROLC8 d0 (t134) $-52
        ROLC8 0x38C1 0x3B90 $d1
        ROLC8 0x4B4 0x32D7 $d2
        ROLC8 (0xA58) (0x1400) $t0
t177:
        ROLC8 (t104) d2 $d1
        ROLC16 0x2D09 0x4F0
        ROLC16 0x1BE9 0x3FEF
        ROLC16 (0x2244) (0x25C6)
        ROLC16 (d0) (t70)
        ROLC16 d2+0 (0x2E83)
        ROLC16 (d2+6) d2
        ROLC16 (0x15C3) (t111+4)
        ROLC16 (d1) d2+2
        ROLC16 (t37+4) (t144+4)
        ROLC16 d1+0 (t169+2)
t178:
        ROLC16 0x3A87 $-17
        ROLC16 0xF15 $-63
        ROLC16 (0x846) $96
        ROLC16 t65 $-98
        ROLC16 t57+4 $-47
        ROLC16 d2+0 $-20
        ROLC16 0x2DF3 $d2
        ROLC16 0x3501 $t0
        ROLC16 (0xFD9) $d0
        ROLC16 (d1) $d0
        ROLC16 t171+4 $d1
t179:
        ROLC16 d1+6 $d2
        ROLC16 0x3F5D 0x2348 0x2F11
        ROLC16 0x21F0 0xCB1 0x19B
        ROLC16 (0xE7A) 0x78A 0x3390
        ROLC16 t91 0x1432 0x1496
        ROLC16 t164+2 0x1F7A 0x167A
        ROLC16 d1+6 0x2F4A 0x1A32
        ROLC16 0x107B (0xF48) 0x1B7
        ROLC16 0x326A (t45) 0x306A
        ROLC16 (0x2C98) (0x1F13) 0x3D1C
        ROLC16 (t109) d0 0x16C7
t180:
        ROLC16 0x755 0x2037 (0x20B8)
        ROLC16 0xA55 0x34AA (d0)
        ROLC16 (0x23A2) 0x320E (0xD89)
        ROLC16 d1 0x36BC t151
        ROLC16 d1+0 0x18DF (0x1529)
        ROLC16 t144+0 0x10C7 t176
        ROLC16 0x590 (0x2D8E) (0xCC3)
        ROLC16 0x3FAE (d2) d2
        ROLC16 (0x156B) (0x79E) (0x2C92)
        ROLC16 d2 (d1) (d2)
        ROLC16 (d0+2) (0x155E) (0x1648)
t181:
        ROLC16 t152+0 (d2) d2
        ROLC16 (0x2460) t164+6 (0x3273)
        ROLC16 (d1) d1+0 t140
        ROLC16 t150+0 t175+0 (0x23B5)
        ROLC16 t88+6 (d2+2) (d1)
        ROLC16 0x37F 0x35E5 t139+2
        ROLC16 0x16AB 0xC6 t75+4
        ROLC16 (0x2199) 0x6E6 d0+4
        ROLC16 d0 0x29AB d2+6
        ROLC16 d0+2 0x254 d2+2
        ROLC16 t12+6 0x1747 (d0+0)
t182:
        ROLC16 (0x2E0A) (0x30A0) d1+4
        ROLC16 d2 t183 t30+6
        ROLC16 d0+2 (0x2B8B) (t43+2)
        ROLC16 (d1+4) t63 d2+4
        ROLC16 0x1DB1 t122+2 d1+2
        ROLC16 0x314D d1+0 d0+4
        ROLC16 (0x3B27) t24+6 t67+6
        ROLC16 d0 t144+2 d1+4
        ROLC16 d1+2 d0+6 d2+0
        ROLC16 d0+0 (t140+2) (d1+6)
        ROLC16 0x30B1 0x15C9 $89
t183:
        ROLC16 0xD9C 0x15B1 $-60
        ROLC16 (0x2D98) (0x1187) $0
        ROLC16 t98 (d1) $61
        ROLC16 0x64E 0x3710 $d2
        ROLC16 0x1FA8 0x234 $d2
        ROLC16 (0x3443) (0xE96) $d2
        ROLC16 d1 t120 $d1
        ROLC32 0x572 0x36E4
        ROLC32 0x2915 0x2B65
        ROLC32 (0x1D05) (0x2A7C)
        ROLC32 (t138) d2
t184:
        ROLC32 (d2+2) (0x653)
        ROLC32 (t187+0) d2
        ROLC32 (0x14AE) (d1+2)
        ROLC32 (d0) (d1+2)
        ROLC32 t97+2 d2+2
        ROLC32 t164+2 (t175+2)
        ROLC32 0x3C5F $-2
        ROLC32 0x554 $125
        ROLC32 (0x2C65) $-84
        ROLC32 t66 $-7
        ROLC32 d0+6 $-8
t185:
        ROLC32 t16+6 $99
        ROLC32 0x1717 $d2
        ROLC32 0x2ABC $d1
        ROLC32 (0x34AA) $d0
        ROLC32 t101 $d1
        ROLC32 t13+0 $t0
        ROLC32 (t23+4) $d0
        ROLC32 0x3025 0xCF0 0x2A89
        ROLC32 0x1865 0x34A4 0x34F6
        ROLC32 (0x3347) 0x2EFF 0x2D22
        ROLC32 d0 0x2BA4 0x1C14
t186:
        ROLC32 d0+6 0x2445 0x1D94
        ROLC32 d1+2 0x363D 0x15A8
        ROLC32 0x1BC0 (0x1231) 0x2F3E
        ROLC32 0x2A78 d1 0x13EB
        ROLC32 (0x6FC) (0x1B8E) 0x3F3
        ROLC32 t118 (t117) 0x3795
        ROLC32 0x309F 0x2ADE (0x4FD)
        ROLC32 0x29A1 0x1C6A t26
        ROLC32 (0x2DAB) 0x1DD3 (0x3A8B)
        ROLC32 d1 0x20B4 t24
        ROLC32 d0+6 0x1BF5 (0x20CB)
t187:
        ROLC32 (d2+6) 0x3C14 t164
        ROLC32 0x3983 (0x3D45) (0x1909)
        ROLC32 0x1503 d0 t189
        ROLC32 (0x2F17) (0x1FE5) (0x339F)
        ROLC32 (d1) (t126) t10
        ROLC32 d1+0 (0x278C) (0x1801)
        ROLC32 d0+4 t148 t29
        ROLC32 (0x397D) d0+0 (0xAC8)
        ROLC32 (t74) t86+2 t190
        ROLC32 t155+2 (t16+2) (0x2F71)
        ROLC32 d1+2 t73+0 (t112)
t188:
        ROLC32 0x101 0x72B d1+6
        ROLC32 0x146C 0x3E99 (t40+4)
        ROLC32 (0x2C24) 0x3429 d1+0
        ROLC32 t144 0x2ADA (d1+0)
        ROLC32 t11+4 0x3214 d2+0
        ROLC32 d0+0 0x3327 (t33+2)
        ROLC32 (0x719) (0x30E9) t176+2
        ROLC32 (d2) (t147) (t131+6)
        ROLC32 t94+6 (0x2CA4) t50+2
        ROLC32 d0+2 d2 t43+0
        ROLC32 0x11D3 t192+0 (t20+6)
t189:
        ROLC32 0x82A d0+2 t195+4
        ROLC32 (0xEAD) d0+0 t24+6
        ROLC32 d2 t119+4 d0+4
        ROLC32 t180+6 d1+2 d1+6
        ROLC32 d2+4 t18+6 (d2+6)
        ROLC32 0x3D7B 0x25C3 $-90
        ROLC32 0x182E 0x34C7 $-36
        ROLC32 (0x994) (0x32C9) $23
        ROLC32 d1 d2 $-20
        ROLC32 0x16E 0x32BA $d0
        ROLC32 0xB69 0xC11 $d1
t190:
        ROLC32 (0x39B4) (0x1092) $d0
        ROLC32 (t162) (t55) $d1
        AND8 0x2D62 0x15D5
        AND8 0x15EA 0x3D80
        AND8 (0x1996) 0x1033
        AND8 d2 0x3B04
        AND8 d2+2 0x2C52
        AND8 (t7+4) 0x3004
        AND8 0xC45 (0x144C)
        AND8 0x3AA4 d2
        AND8 (0x2299) (0x1FF8)
t191:
        AND8 t56 t93
        AND8 (t13+6) (0x329A)
        AND8 (d0+0) t40
        AND8 0x2E60 t7+2
        AND8 0x256 t198+0
        AND8 (0x117) (d0+6)
        AND8 d1 (t129+6)
        AND8 t78+0 t56+0
        AND8 d1+6 t79+0
        AND8 0x2721 $-95
        AND8 0x3019 $-38
t192:
        AND8 (0x21BD) $114
        AND8 (d0) $-92
        AND8 (t174+6) $63
        AND8 (t118+6) $38
        AND8 0x9CC $d0
        AND8 0x2A39 $t0
        AND8 (0x2AFA) $d0
        AND8 (d0) $t0
        AND8 d0+0 $d2
        AND8 t195+0 $t0
        AND8 0x3E6E 0x3135 0x3BC1
t193:
        AND8 0x345E 0x2A01 0x355
        AND8 (0x2E1D) (0x275F) 0x11AB
        AND8 (t54) t110 0x1CF5
        AND8 0x355B 0xE59 (0xC41)
        AND8 0x3B31 0x1713 t134
        AND8 0x3273 (0x2EE) (0x2F6)
        AND8 0x1179 t160 t124
        AND8 (0x1C47) (0x2729) (0x562)
        AND8 t119 d1 (t151)
        AND8 t3+6 (0x341B) (0xDCE)
        AND8 d0+4 (d2) d2
t194:
        AND8 (0x1ECB) (d1+2) (0x368B)
        AND8 d2 (t64+0) t82
        AND8 t13+4 d2+2 (0x3835)
        AND8 t21+0 (t78+0) t89
        AND8 0x604 0x3672 (d2+2)
        AND8 0x3B1E 0x409 d0+6
        AND8 (0x140D) (0x2FF7) d2+6
        AND8 (t71) d2 t158+6
        AND8 (t80+4) (0xDC0) t130+0
        AND8 (d0+2) d0 t186+4
        AND8 0x117E d1+4 (t134+2)
t195:
        AND8 0x383B (t122+0) (d2+4)
        AND8 (0xD27) (t146+6) (t70+4)
        AND8 t87 t75+6 d2+6
        AND8 d0+6 (d1+6) (t156+2)
        AND8 t11+2 t195+4 t27+0
        AND16 0x3CD2 0x3F0E
        AND16 0x1275 0x324B
        AND16 (0xA96) 0x17D
        AND16 t67 0x2947
        AND16 t161+0 0x37D
        AND16 d0+6 0xCEF
t196:
        AND16 0x1F65 (0x36C5)
        AND16 0x1461 (t29)
        AND16 (0x26DE) (0x52E)
        AND16 d1 d2
        AND16 d1+2 (0x2F3B)
        AND16 (d1+2) (t28)
        AND16 0x672 (d0+6)
        AND16 0x26EB t21+2
        AND16 (0x2E1C) (t69+0)
        AND16 t43 (d2+0)
        AND16 t146+4 d2+6
t197:
        AND16 d0+0 (t191+4)
        AND16 0x126C $20
        AND16 0x206A $-88
        AND16 (0x3C0A) $55
        AND16 (d2) $42
        AND16 t7+0 $-35
        AND16 t198+0 $106
        AND16 0x1749 $d0
        AND16 0xDCE $d2
        AND16 (0x6AC) $d0
        AND16 d2 $t0
t198:
        AND16 d0+6 $d0
        AND16 d1+6 $d2
        AND16 0x1CEC 0x3A64 0x1BB6
        AND16 0x28CC 0x33C0 0x1E77
        AND16 (0x392F) (0x2FB7) 0x1901
        AND16 t201 t151 0x2B78
        AND16 0x3FB6 0x33B9 (0x2FC8)
        AND16 0xCDA 0x1E85 (d1)
        AND16 0x32B9 (0x2CB2) (0x599)
        AND16 0xFA3 t155 t189
        AND16 (0x1A8B) (0x2DEE) (0x24F5)
t199:
        AND16 t133 (t27) t31
        AND16 d1+0 (0x3E06) (0x1524)
        AND16 d0+6 t90 t26
        AND16 (0xA9E) d2+0 (0xB4C)
        AND16 t184 (d1+2) d1
        AND16 (t83+4) t157+0 (0x63E)
        AND16 (t138+6) d2+6 t160
        AND16 0x19F5 0x7FD t135+6
        AND16 0x2F46 0x2172 t27+6
        AND16 (0x45A) (0x17B5) d2+4
        AND16 t76 t6 t38+4
t200:
        AND16 (d0+6) (0x7DA) (t129+4)
        AND16 t128+0 d0 (t6+6)
        AND16 0x3D04 d0+2 (t57+4)
        AND16 0x2132 (t129+2) (t198+0)
        AND16 (0x2D62) d2+4 t5+0
        AND16 t91 (d2+4) (t106+4)
        AND16 d2+0 (d0+2) (d1+0)
        AND16 (d1+2) d0+2 (d0+0)
        AND32 0xA68 0x37DA
        AND32 0xEF 0x3D6E
        AND32 (0x9A0) 0x7A0
t201:
        AND32 t60 0x3FD2
        AND32 t83+2 0x795
        AND32 (d2+0) 0x313A
        AND32 0x1E42 (0x2143)
        AND32 0x861 (t167)
        AND32 (0x182B) (0x3EB8)
        AND32 d1 t27
        AND32 d1+4 (0x3554)
        AND32 d2+2 t194
        AND32 0x35AF (t66+4)
        AND32 0x2898 d1+2
t202:
        AND32 (0x347) t154+0
        AND32 t195 t131+6
        AND32 t74+4 t143+4
        AND32 (t210+4) d1+2
        AND32 0x1D0A $-13
        AND32 0x14EC $90
        AND32 (0x1933) $114
        AND32 (d1) $62
        AND32 t47+4 $-53
        AND32 t156+6 $-6
        AND32 0x2B4A $t0
t203:
        AND32 0x15EC $t0
        AND32 (0x3719) $d1
        AND32 (t3) $d2
        AND32 t199+0 $d1
        AND32 d2+0 $d1
        AND32 0x141C 0x7C4 0x22A5
        AND32 0x507 0x3B80 0x1EAA
        AND32 (0xB63) (0x2369) 0x3BB2
        AND32 (t196) d1 0x31C3
        AND32 0x17AD 0x52F (0x23EE)
        AND32 0x13E9 0x3EA7 d2
t204:
        AND32 0x3B57 (0x932) (0x19E1)
        AND32 0x32C5 t153 (t184)
        AND32 (0x2766) (0xA7) (0x101F)
        AND32 d1 t25 t156
        AND32 (d0+0) (0x17BC) (0x1FE4)
        AND32 d1+4 t57 d1
        AND32 (0x2674) d1+6 (0x3F6A)
        AND32 (t65) (t97+6) t170
        AND32 d2+6 d2+0 (0x2B73)
        AND32 d2+0 d1+0 t203
        AND32 0x29C1 0x1D43 d1+2
t205:
        AND32 0x3D96 0x1ACA t88+4
        AND32 (0x11D1) (0x1DC9) t1+6
        AND32 d2 t106 (t179+0)
        AND32 t157+4 (0x3C17) (t62+6)
        AND32 t17+4 d2 d2+4
        AND32 0x147C t205+6 d2+4
        AND32 0xF5B (t103+2) t147+0
        AND32 (0x1A4B) d0+6 (d2+0)
        AND32 (t209) (d0+4) (t118+4)
        AND32 (t213+6) (d1+2) d0+6
        AND32 (d2+6) t35+6 d0+2
t206:
        OR8 0x3C79 0x2C24
        OR8 0x9A9 0x2321
        OR8 (0x18B9) 0x18F7
        OR8 d2 0x1A3D
        OR8 d0+4 0x36AB
        OR8 (d0+0) 0x7C5
        OR8 0x13EA (0x982)
        OR8 0x2C8C t162
        OR8 (0x2082) (0x806)
        OR8 (d1) (d0)
        OR8 d0+6 (0x68)
t207:
        OR8 t137+6 t49
        OR8 0xF98 (t177+2)
        OR8 0x204A (d2+0)
        OR8 (0x2C3C) (t112+0)
        OR8 (d0) (d2+2)
        OR8 (t72+2) d0+2
        OR8 d0+2 d0+4
        OR8 0x39C0 $116
        OR8 0x3104 $28
        OR8 (0x1A1C) $75
        OR8 d2 $51
t208:
        OR8 t26+0 $109
        OR8 t45+0 $-2
        OR8 0x1F6E $d0
        OR8 0x3A36 $d2
        OR8 (0x2469) $d2
        OR8 d1 $d2
        OR8 (d2+6) $d2
        OR8 d1+0 $d1
        OR8 0x1D63 0x3156 0xE61
        OR8 0x2575 0x31E9 0x282D
        OR8 (0xD04) (0x1748) 0x3BC3
t209:
        OR8 d2 t49 0x26C8
        OR8 0x1DC2 0x866 (0x19C9)
        OR8 0xBB 0x3653 d0
        OR8 0x273C (0xBCB) (0x1C15)
        OR8 0x2FE3 t33 d0
        OR8 (0x176C) (0x12F8) (0x3D44)
        OR8 t11 t128 d1
        OR8 d0+6 (0x1EEA) (0x3A87)
        OR8 (d1+2) d2 t132
        OR8 (0x35D6) d1+2 (0x26F8)
        OR8 t122 t56+6 (t5)
t210:
        OR8 t213+0 (t86+0) (0x1F11)
        OR8 t33+0 (t196+0) (d1)
        OR8 0x3340 0x201E (d1+0)
        OR8 0x2B45 0x30C3 d0+6
        OR8 (0x347B) (0x2818) d2+4
        OR8 (d1) (d2) t39+4
        OR8 d2+4 (0x3D79) (d1+4)
        OR8 (d2+4) d1 d1+0
        OR8 0x136B d1+0 (t212+0)
        OR8 0x1074 (d0+4) (t99+0)
        OR8 (0xFE8) t177+6 t164+4
t211:
        OR8 (t79) d1+4 d0+2
        OR8 d0+2 t197+2 t100+2
        OR8 d0+6 d1+6 (t126+6)
        OR16 0x33A1 0x1D1D
        OR16 0xA4E 0x3D8F
        OR16 (0x2320) 0xEC9
        OR16 d1 0x3E83
        OR16 d2+6 0x3BE2
        OR16 d1+6 0x3C3D
        OR16 0x1950 (0x3FD2)
        OR16 0x13CE t14
t212:
        OR16 (0x2F56) (0x1234)
        OR16 d1 t19
        OR16 (d1+0) (0x3460)
        OR16 d2+4 t209
        OR16 0x30A2 t71+2
        OR16 0x327E t77+2
        OR16 (0x2CF3) d1+2
        OR16 d0 d2+2
        OR16 (t111+0) d1+4
        OR16 (d2+4) d1+0
        OR16 0x3F2B $84
t213:
        OR16 0x2183 $18
        OR16 (0x2E95) $103
        OR16 (t137) $-12
        OR16 d0+0 $-43
        OR16 d1+0 $126
        OR16 0x97C $d0
        OR16 0x1E98 $d1
        OR16 (0x12FC) $d1
        OR16 d2 $d1
        OR16 (t37+2) $d0
        OR16 d0+2 $t0
t214:
        OR16 0x1264 0x420 0x3913
        OR16 0x321 0x7B4 0x379A
        OR16 (0x1144) (0x2662) 0x3D48
        OR16 (t36) t53 0x39E2
        OR16 0x1230 0x3735 (0x3919)
        OR16 0x1A7D 0x2E00 d1
        OR16 0x396A (0x3A11) (0x3985)
        OR16 0x21EF d1 (d2)
        OR16 (0x3B24) (0x23C8) (0x33F0)
        OR16 t132 t120 t151
        OR16 t156+4 (0x2B6B) (0xD86)
t215:
        OR16 (t89+2) d0 (t73)
        OR16 (0x23EF) d2+4 (0x246)
        OR16 (d0) t35+6 t26
        OR16 (d1+0) d1+2 (0x2E48)
        OR16 (t19+2) d0+4 (d0)
        OR16 0x13EB 0x3A01 (d0+4)
        OR16 0x3C1 0x334E d1+6
        OR16 (0x1549) (0x64F) (d2+2)
        OR16 t182 (t97) (t124+4)
        OR16 t61+2 (0x1253) t22+0
        OR16 d1+0 (t154) d0+0
t216:
        OR16 0x3386 t64+2 d0+0
        OR16 0x27EE (t167+2) d1+6
        OR16 (0x3E4D) t4+6 t168+2
        OR16 (t37) t82+6 (t141+0)
        OR16 (d2+6) t49+0 t103+6
        OR16 t9+4 d1+6 (d0+4)
        OR32 0x3379 0x1F59
        OR32 0x22E7 0x20D7
        OR32 (0x1945) 0x14DF
        OR32 d1 0x2E8D
        OR32 d1+2 0x245F
t217:
        OR32 t102+4 0x6D2
        OR32 0x1DBA (0x22C5)
        OR32 0x2FA5 d2
        OR32 (0x2C43) (0x148C)
        OR32 t8 d1
        OR32 (t134+4) (0x10F5)
        OR32 d0+4 d0
        OR32 0x17DC t166+6
        OR32 0xC81 d1+6
        OR32 (0x35D3) t31+2
        OR32 (t156) (d2+2)
t218:
        OR32 (t100+4) d0+0
        OR32 t162+4 d0+0
        OR32 0x1612 $98
        OR32 0x3E74 $-41
        OR32 (0x20B0) $50
        OR32 d1 $-92
        OR32 (d1+6) $-51
        OR32 (t109+2) $-37
        OR32 0x178F $d0
        OR32 0x272B $d2
        OR32 (0x83) $d1
t219:
        OR32 (t219) $d2
        OR32 (t86+2) $d0
        OR32 d0+4 $d1
        OR32 0x3B49 0x3DE2 0x12BD
        OR32 0x1F5A 0x2180 0x1BC8
        OR32 (0x2D13) (0x744) 0xE7A
        OR32 t122 d1 0x3427
        OR32 0x1068 0x1A50 (0x822)
        OR32 0x2A82 0x20DE d2
        OR32 0x32E3 (0x188A) (0x36EA)
        OR32 0x3BF8 d1 t205
t220:
        OR32 (0x12D1) (0x3BC8) (0xA7A)
        OR32 (t132) (t163) (t70)
        OR32 d2+0 (0x26AD) (0x3995)
        OR32 (t134+6) d1 (d1)
        OR32 (0x1899) (t151+4) (0xD60)
        OR32 t170 t19+0 t215
        OR32 (t121+6) t50+4 (0x1874)
        OR32 (d1+6) d2+4 t78
        OR32 0x158A 0x4 d2+4
        OR32 0x322C 0x324F (t87+4)
        OR32 (0x2797) (0x3EF3) (t208+6)
t221:
        OR32 t82 (d1) (t159+4)
        OR32 (t57+6) (0xC31) d0+6
        OR32 (d1+2) d2 t128+2
        OR32 0x714 (d1+4) d1+0
        OR32 0x33D8 t117+6 t125+0
        OR32 (0x2E4A) t84+4 d2+0
        OR32 t116 (t156+6) d2+4
        OR32 (d1+4) (t38+2) (d2+0)
        OR32 (d1+0) t31+4 (d0+0)
        XOR8 0x1625 0x33DA
        XOR8 0x3F6D 0x2C9B
t222:
        XOR8 (0x2EDF) 0x36C4
        XOR8 (d0) 0xF8D
        XOR8 d0+4 0x3ADA
        XOR8 d2+2 0x3416
        XOR8 0x3C91 (0x333B)
        XOR8 0x2A1E d1
        XOR8 (0x1759) (0xFF8)
        XOR8 (t131) d0
        XOR8 t51+6 (0x1F8D)
        XOR8 d1+0 (t64)
        XOR8 0x1C0C d1+0
t223:
        XOR8 0x33C d2+2
        XOR8 (0x3CF1) (t92+0)
        XOR8 (d2) t73+6
        XOR8 d0+0 (d2+2)
        XOR8 d2+6 (t51+0)
        XOR8 0x961 $96
        XOR8 0x3923 $43
        XOR8 (0xAA0) $-68
        XOR8 d1 $-37
        XOR8 t231+6 $48
        XOR8 t226+6 $58
t224:
        XOR8 0x30C2 $d1
        XOR8 0x3299 $d2
        XOR8 (0x2213) $d0
        XOR8 d0 $d2
        XOR8 d2+4 $d1
        XOR8 d2+6 $d1
        XOR8 0x3AB4 0x1B79 0x1021
        XOR8 0x1088 0x97D 0x2F19
        XOR8 (0x2864) (0x5DC) 0x1188
        XOR8 (d0) t72 0x1D69
        XOR8 0x2E29 0x216 (0xE2E)
t225:
        XOR8 0x7E 0x2CDB (d1)
        XOR8 0x29D8 (0x2D15) (0xB97)
        XOR8 0x15BB d1 (t231)
        XOR8 (0x3C77) (0x2CBE) (0x2D96)
        XOR8 (t15) d1 (t23)
        XOR8 t143+4 (0x2AB) (0x3A2)
        XOR8 t13+6 (t33) (t41)
        XOR8 (0x11EB) (t129+4) (0x1F83)
        XOR8 t95 (d2+0) t0
        XOR8 t84+0 t120+4 (0xC8)
        XOR8 d2+0 d2+2 t20
t226:
        XOR8 0x2C33 0x21F7 d2+4
        XOR8 0x1712 0x211D (d0+0)
        XOR8 (0x3F13) (0x15A0) t122+6
        XOR8 d1 (d1) t230+2
        XOR8 t133+6 (0xFA6) t27+4
        XOR8 t112+4 (t149) t116+6
        XOR8 0x1806 t123+2 d1+2
        XOR8 0x48F d2+4 (t105+0)
        XOR8 (0x78D) d0+4 t111+4
        XOR8 t104 d2+4 d0+2
        XOR8 d0+2 d0+4 t127+4
t227:
        XOR8 d1+4 t96+4 (t4+6)
        XOR16 0xBE8 0x21BB
        XOR16 0x21F3 0x949
        XOR16 (0x2FF2) 0x3476
        XOR16 (d1) 0x38E
        XOR16 d1+0 0x3FE
        XOR16 d2+2 0xBB2
        XOR16 0x2729 (0x3A1E)
        XOR16 0x185E (d1)
        XOR16 (0x1A06) (0x259B)
        XOR16 d1 d1
t228:
        XOR16 (t62+6) (0x1D0D)
        XOR16 d1+4 (d2)
        XOR16 0x198B t172+0
        XOR16 0xA96 t212+6
        XOR16 (0x1960) (d2+6)
        XOR16 t117 (t178+4)
        XOR16 t153+2 (t190+6)
        XOR16 (t187+0) d2+2
        XOR16 0x3106 $118
        XOR16 0x3A9A $-39
        XOR16 (0x139F) $101
t229:
        XOR16 d2 $-60
        XOR16 (d1+4) $120
        XOR16 d1+4 $-15
        XOR16 0x170F $t0
        XOR16 0x495 $t0
        XOR16 (0x18A6) $d1
        XOR16 t45 $d0
        XOR16 (t105+2) $t0
        XOR16 (t163+0) $d0
        XOR16 0x34C7 0x2E7C 0x188A
        XOR16 0x3CED 0x12E4 0x1C84
t230:
        XOR16 (0xA4) (0x1DD0) 0x9BD
        XOR16 d0 d1 0x2678
        XOR16 0x2578 0x688 (0x2299)
        XOR16 0x2B3E 0x2336 (t163)
        XOR16 0x1804 (0x38B3) (0x1ECB)
        XOR16 0x3B15 t193 t137
        XOR16 (0x233) (0x2F3C) (0x3F98)
        XOR16 t97 d0 t78
        XOR16 d1+6 (0x1167) (0x329F)
        XOR16 t193+4 d2 (t229)
        XOR16 (0x5D5) d0+2 (0x8F)
t231:
        XOR16 d2 (t20+2) d0
        XOR16 t106+4 (t14+2) (0x828)
        XOR16 t204+6 (d1+0) d1
        XOR16 0x3AA5 0x397D d0+4
        XOR16 0x2759 0x3BA9 d0+0
        XOR16 (0xFFD) (0x23DA) d2+6
        XOR16 (t238) (t117) t198+4
        XOR16 t189+0 (0x1943) t95+6
        XOR16 t175+4 t64 d0+2
        XOR16 0x295A (t65+2) (d2+2)
        XOR16 0x3883 (t179+6) t12+4
t232:
        XOR16 (0x3775) d0+4 d1+0
        XOR16 (t70) (d1+6) (t165+4)
        XOR16 (t213+2) d1+6 d1+4
        XOR16 t219+2 d1+0 t218+4
        XOR32 0x1EF8 0xF57
        XOR32 0xF3C 0x1CAC
        XOR32 (0x3AFB) 0x383C
        XOR32 t197 0x2DCA
        XOR32 t82+4 0x37F
        XOR32 (t5+2) 0x3CD
        XOR32 0x3BCB (0x10E2)
t233:
        XOR32 0x16A t139
        XOR32 (0x2846) (0x13DE)
        XOR32 (d0) d1
        XOR32 d2+4 (0x2E32)
        XOR32 (d0+2) d1
        XOR32 0x3EC0 d0+6
        XOR32 0x3649 (d0+2)
        XOR32 (0x19F3) d1+6
        XOR32 t140 t1+4
        XOR32 t163+6 t155+2
        XOR32 t168+0 t207+0
t234:
        XOR32 0x24C2 $-48
        XOR32 0x2875 $64
        XOR32 (0x1D49) $6
        XOR32 (t232) $-15
        XOR32 (t179+4) $-31
        XOR32 t74+4 $34
        XOR32 0x8EF $d0
        XOR32 0x3868 $t0
        XOR32 (0x2B18) $t0
        XOR32 t237 $t0
        XOR32 t75+0 $d1
t235:
        XOR32 t96+4 $d1
        XOR32 0x39D8 0x1589 0x1E4A
        XOR32 0x127E 0x3CAD 0xD9B
        XOR32 (0x1592) (0x373D) 0xA74
        XOR32 t11 t204 0x3B1A
        XOR32 0x32BD 0x1281 (0x2122)
        XOR32 0x39F5 0x13C1 (t18)
        XOR32 0xF63 (0x3478) (0x2B00)
        XOR32 0x11C0 t80 t172
        XOR32 (0x39D1) (0x3CAF) (0x251A)
        XOR32 d2 (d0) d2
t236:
        XOR32 t149+2 (0x1C71) (0x2EA)
        XOR32 t219+6 (t146) d0
        XOR32 (0x2527) t120+6 (0x633)
        XOR32 d2 (t102+0) (t182)
        XOR32 (t50+0) t177+0 (0x3301)
        XOR32 d2+6 d2+6 t97
        XOR32 0x246B 0x1F6D (t221+6)
        XOR32 0x3ADC 0x511 t173+4
        XOR32 (0x17C3) (0x3A74) d1+4
        XOR32 (d0) (d1) t105+2
        XOR32 d1+2 (0x104) t126+6
t237:
        XOR32 (t214+4) (t115) d0+0
        XOR32 0x408 d1+6 (t112+6)
        XOR32 0x2EE5 d2+6 (t78+0)
        XOR32 (0x1C44) t159+4 t184+4
        XOR32 d2 t200+2 d1+2
        XOR32 t181+2 t158+6 (t30+0)
        XOR32 d2+0 (d1+6) (t233+6)
        XNOR8 0x234F 0x12EF
        XNOR8 0x16A1 0xA1D
        XNOR8 (0x27A2) 0x3B6E
        XNOR8 t34 0x89B
t238:
        XNOR8 t118+0 0x2C12
        XNOR8 t0+4 0x1A38
        XNOR8 0x2090 (0x139C)
        XNOR8 0x3904 (t6)
        XNOR8 (0x3EDB) (0x22)
        XNOR8 (t215) (d2)
        XNOR8 t52+0 (0x2B36)
        XNOR8 (d0+6) d1
        XNOR8 0x2538 d1+4
        XNOR8 0x6AB (t42+6)
        XNOR8 (0x3699) (t77+6)
t239:
        XNOR8 (t80) t27+2
        XNOR8 t139+6 t131+4
        XNOR8 t197+4 (t85+4)
        XNOR8 0x1CDE $-74
        XNOR8 0x3690 $-78
        XNOR8 (0x428) $122
        XNOR8 t109 $-80
        XNOR8 (t135+0) $-2
        XNOR8 d1+2 $22
        XNOR8 0x266E $d2
        XNOR8 0x136D $d1
t240:
        XNOR8 (0x3F0D) $d2
        XNOR8 d2 $t0
        XNOR8 d1+2 $t0
        XNOR8 (t38+4) $d2
        XNOR8 0xF9F 0x1F79 0x37F1
        XNOR8 0x280 0x66 0x107C
        XNOR8 (0x14F4) (0x304D) 0x165
        XNOR8 t221 t239 0x279F
        XNOR8 0x332C 0x6A7 (0x2F2)
        XNOR8 0x14FD 0x2228 (d1)
        XNOR8 0x2A6B (0x310A) (0x316F)
t241:
        XNOR8 0xDEE d2 t166
        XNOR8 (0xE27) (0xE56) (0x2110)
        XNOR8 (d1) (d0) d0
        XNOR8 d0+0 (0x125A) (0x380F)
        XNOR8 (d0+2) (d0) (t245)
        XNOR8 (0x3203) t89+6 (0x3EC7)
        XNOR8 d1 d1+4 t140
        XNOR8 t32+4 (d1+2) (0x50C)
        XNOR8 d2+0 (d1+6) (d1)
        XNOR8 0x3817 0xAE4 (d0+0)
        XNOR8 0x718 0x2F7B t74+4
t242:
        XNOR8 (0x13A3) (0x1994) t198+0
        XNOR8 t12 (t124) t117+4
        XNOR8 (t13+0) (0x1160) t122+2
        XNOR8 d0+6 (d1) (d0+6)
        XNOR8 0x2294 d2+2 (d0+4)
        XNOR8 0x1E8C (d2+4) t135+2
        XNOR8 (0x2035) t120+2 t15+0
        XNOR8 d1 d0+6 t195+0
        XNOR8 (d2+2) (t148+4) d0+2
        XNOR8 t226+2 (t103+2) d1+2
        XNOR16 0x1CCF 0x1636
t243:
        XNOR16 0x3C69 0x26A3
        XNOR16 (0x2CCC) 0x145E
        XNOR16 (t65) 0xB77
        XNOR16 t205+6 0x484
        XNOR16 (t146+2) 0x67B
        XNOR16 0x28CA (0x16FB)
        XNOR16 0x28E3 t112
        XNOR16 (0x315B) (0x1CED)
        XNOR16 (t221) t68
        XNOR16 t111+6 (0x3976)
        XNOR16 d2+2 (t111)
t244:
        XNOR16 0x1B (d2+2)
        XNOR16 0xFB6 d0+0
        XNOR16 (0xA01) t79+6
        XNOR16 (t191) t155+2
        XNOR16 d2+6 (t27+4)
        XNOR16 (t25+4) d0+0
        XNOR16 0xF27 $-55
        XNOR16 0x1EB3 $-49
        XNOR16 t164+4 $107
        XNOR16 (t35+6) $7
        XNOR16 0x5DA $d1
t245:
        XNOR16 0x20C4 $t0
        XNOR16 (0x58D) $d2
        XNOR16 t31 $d1
        XNOR16 d1+2 $d2
        XNOR16 d0+6 $d0
        XNOR16 0xCC5 0x15C3 0x3CA
        XNOR16 0x3AB4 0x2E45 0x2AA5
        XNOR16 (0x1E7F) (0x253E) 0xD66
        XNOR16 t124 t14 0x2049
        XNOR16 0x2208 0x30E6 (0x4F6)
        XNOR16 0x229F 0x3927 d0
t246:
        XNOR16 0x30BE (0x1940) (0x2063)
        XNOR16 0x9BB t80 (d0)
        XNOR16 (0x39DF) (0x10F6) (0x2BC8)
        XNOR16 t232 t52 t166
        XNOR16 (d1+0) (0x2F08) (0x3B58)
        XNOR16 d0+2 d1 (t150)
        XNOR16 (0xE67) (t68+4) (0x2D7F)
        XNOR16 (t145) (t224+0) (d2)
        XNOR16 (t56+4) t96+2 (0x2386)
        XNOR16 d2+0 (d2+6) d0
        XNOR16 0x3FA 0x24FF (d1+0)
t247:
        XNOR16 0x203D 0x231D d0+2
        XNOR16 (0xF52) (0x19C6) (d0+4)
        XNOR16 t228 (d2) t24+0
        XNOR16 t64+0 (0x3405) t6+4
        XNOR16 t188+4 (t230) t14+0
        XNOR16 0xB72 d0+4 (t80+6)
        XNOR16 0x34F1 t24+2 t36+2
        XNOR16 (0x258B) t233+0 t224+2
        XNOR16 d2 (d1+2) (t184+2)
        XNOR16 t201+2 d0+0 t68+6
        XNOR16 (d2+4) t4+6 t48+0
t248:
        XNOR32 0x244A 0x3FAB
        XNOR32 0x242B 0x2C10
        XNOR32 (0x381A) 0x3785
        XNOR32 t164 0x1895
        XNOR32 t127+6 0x39B9
        XNOR32 t149+0 0x34B2
        XNOR32 0xD11 (0x3852)
        XNOR32 0x3B82 d0
        XNOR32 (0x1000) (0x190)
        XNOR32 (t149) d0
        XNOR32 (d2+4) (0x1327)
t249:
        XNOR32 t212+4 (t256)
        XNOR32 0xCBD t113+0
        XNOR32 0x1246 (d0+6)
        XNOR32 (0x34F2) t33+4
        XNOR32 d1 (t149+0)
        XNOR32 t14+6 t140+6
        XNOR32 d1+4 (t253+6)
        XNOR32 0x2A66 $-81
        XNOR32 0x38FF $36
        XNOR32 (0x322A) $-95
        XNOR32 d2 $112
t250:
        XNOR32 d2+0 $-62
        XNOR32 d2+6 $41
        XNOR32 0xB6B $d0
        XNOR32 0x3F3A $d1
        XNOR32 (0x2DD7) $t0
        XNOR32 (d2) $d0
        XNOR32 d2+6 $t0
        XNOR32 t235+2 $t0
        XNOR32 0x24EF 0xFF5 0x2F38
        XNOR32 0x244F 0x2170 0xAE0
        XNOR32 (0x3B13) (0x1A2E) 0x2F50
t251:
        XNOR32 d0 (d0) 0x208C
        XNOR32 0x378 0x25E6 (0x3A75)
        XNOR32 0xB3 0x1109 d0
        XNOR32 0x171D (0x2F56) (0x1BAA)
        XNOR32 0x29FC t166 t88
        XNOR32 (0x3504) (0x22CC) (0x2712)
        XNOR32 d1 t203 (d2)
        XNOR32 d0+0 (0x134F) (0x43D)
        XNOR32 d0+6 d0 (t218)
        XNOR32 (0x3C1B) (d1+0) (0x795)
        XNOR32 t24 d2+2 t47
t252:
        XNOR32 t259+2 d0+0 (0x1E4C)
        XNOR32 d1+4 d2+2 d1
        XNOR32 0xA62 0x2BEE d2+6
        XNOR32 0x2C20 0xB6C t47+4
        XNOR32 (0x610) (0x1C8E) (t174+4)
        XNOR32 d1 t33 d1+4
        XNOR32 (d0+0) (0x343C) t186+2
        XNOR32 t26+4 d2 (t129+6)
        XNOR32 0x982 d2+4 (d0+4)
        XNOR32 0xD0A d2+0 t17+6
        XNOR32 (0x3ED5) t66+4 (d0+4)
t253:
        XNOR32 d2 d0+6 t190+4
        XNOR32 t256+2 d0+0 d1+2
        XNOR32 d2+2 d2+4 d1+4
        ADD8 0x30E2 0x3DFC
        ADD8 0xE62 0x31A9
        ADD8 (0x987) 0x2EC7
        ADD8 (d1) 0x2570
        ADD8 (t255+0) 0x57A
        ADD8 (d1+6) 0x165D
        ADD8 0xCC5 (0x1E34)
        ADD8 0x1E55 d1
t254:
        ADD8 (0x1CD5) (0x3E8C)
        ADD8 d0 (t197)
        ADD8 t144+0 (0x33C1)
        ADD8 (d0+2) t40
        ADD8 0x51C d2+4
        ADD8 0x947 d2+2
        ADD8 (0x55B) d0+0
        ADD8 d2 t84+2
        ADD8 t74+6 t174+6
        ADD8 d0+6 (t187+0)
        ADD8 0x1FC2 $113
t255:
        ADD8 0x10D0 $107
        ADD8 (0x191) $44
        ADD8 (d0) $-56
        ADD8 (d1+0) $70
        ADD8 d2+6 $-95
        ADD8 0x2309 $t0
        ADD8 0xF89 $t0
        ADD8 (0xD64) $d2
        ADD8 d1 $d1
        ADD8 d1+0 $d1
        ADD8 (d2+0) $d2
t256:
        ADD8 0x2F0B 0x1147 0xC2B
        ADD8 0x36FE 0x1016 0x1A68
        ADD8 (0x2D63) 0x2C2E 0x1FA7
        ADD8 (d1) 0x2370 0x3E6B
        ADD8 t207+0 0x18B8 0x750
        ADD8 d0+0 0x364E 0x21DD
        ADD8 0x1866 (0x14B7) 0x16FE
        ADD8 0x2CDD (t210) 0x22E
        ADD8 (0x107C) (0x370D) 0x10D9
        ADD8 t105 d1 0xE5B
        ADD8 (t258+6) (0x407) 0x2B40
t257:
        ADD8 (d2+0) (d0) 0x20B4
        ADD8 0x2D2E t9+4 0xCC
        ADD8 0x2FD5 (d1+2) 0x2CB
        ADD8 (0x1199) t59+2 0x158F
        ADD8 t246 t58+2 0x3219
        ADD8 d2+2 d1+0 0x380F
        ADD8 t258+6 d0+0 0x31CF
        ADD8 0x1103 0x3652 (0x1536)
        ADD8 0x15A3 0x2B5 t190
        ADD8 (0x2A8B) 0x7D1 (0x990)
        ADD8 (d0) 0x3D62 t26
t258:
        ADD8 d0+4 0x22F (0x1FF8)
        ADD8 t6+6 0x161D (t47)
        ADD8 0x2F85 (0x2531) (0x13CF)
        ADD8 0x3E3C (t20) (t212)
        ADD8 (0x321C) (0x3B4B) (0x1883)
        ADD8 t126 t76 (d0)
        ADD8 d1+6 (0x3D4F) (0x3CC0)
        ADD8 t162+2 t231 (t49)
        ADD8 (0x1C9B) (t123+0) (0x2864)
        ADD8 d0 d2+4 d1
        ADD8 d2+4 (t251+4) (0x2935)
t259:
        ADD8 (t68+4) (t259+4) d1
        ADD8 0x17B7 0xC7B (t223+0)
        ADD8 0x3EB7 0x1E27 (d0+2)
        ADD8 (0x11F0) 0x3865 (t94+0)
        ADD8 t167 0x3F23 t8+2
        ADD8 t89+6 0x3392 (t250+6)
        ADD8 t180+6 0x3F0E (d1+2)
        ADD8 (0x35CC) (0x2DB6) t252+2
        ADD8 (d1) d2 (t193+4)
        ADD8 (t88+6) (0x37) t184+4
        ADD8 d0+0 t28 t4+6
t260:
        ADD8 0x1C42 (t28+2) (d1+6)
        ADD8 0x3BF d0+4 (t258+4)
        ADD8 (0x1B9E) t10+4 d1+6
        ADD8 (t102) d2+4 (t99+2)
        ADD8 t125+6 (d2+0) (t34+4)
        ADD8 (t13+0) (t24+6) (d2+6)
        ADD16 0x3822 0x6E1
        ADD16 0x1FCF 0x3A44
        ADD16 (0x3733) 0x462
        ADD16 d0 0x2928
        ADD16 d0+2 0x246F
t261:
        ADD16 (t74+6) 0x3A20
        ADD16 0x7C1 (0x1FB1)
        ADD16 0x3DB6 t128
        ADD16 (0x2DB5) (0xC8C)
        ADD16 d1 d0
        ADD16 t23+2 (0x3617)
        ADD16 d2+6 d1
        ADD16 0x2034 d2+2
        ADD16 0x32E (t265+4)
        ADD16 (0x14E9) d2+0
        ADD16 (d0) d2+4
t262:
        ADD16 d2+6 d0+0
        ADD16 (d1+4) (t208+2)
        ADD16 0x19CA $-68
        ADD16 0x3207 $117
        ADD16 (0x2A2D) $28
        ADD16 (t239) $48
        ADD16 (d0+0) $35
        ADD16 (t81+4) $3
        ADD16 0x252B $d0
        ADD16 0x35F2 $d2
        ADD16 (0x9A8) $t0
t263:
        ADD16 t137 $t0
        ADD16 (d2+0) $d2
        ADD16 (t157+2) $d0
        ADD16 0x123C 0x3928 0x1DD6
        ADD16 0x36EF 0x2C16 0x260B
        ADD16 (0x1355) 0x26DE 0x1B9F
        ADD16 d1 0x255E 0x80D
        ADD16 (t127+4) 0x3CE2 0x1D45
        ADD16 d1+2 0x1697 0x28DB
        ADD16 0x3F5E (0x2B65) 0x1090
        ADD16 0x2EE9 t181 0x21F
t264:
        ADD16 (0x2CB8) (0x495) 0x2835
        ADD16 t271 t154 0x1FED
        ADD16 t233+4 (0x1295) 0x1052
        ADD16 t122+2 (d1) 0x34B0
        ADD16 0x28A7 (d1+2) 0x3159
        ADD16 0x751 (d0+0) 0x3952
        ADD16 (0x1359) t160+4 0x247C
        ADD16 t91 t206+4 0x2A83
        ADD16 d0+2 (d0+2) 0x134E
        ADD16 t12+0 d1+4 0xDDB
        ADD16 0x1B95 0x189C (0x1952)
t265:
        ADD16 0x2B66 0xDE9 (t116)
        ADD16 (0x3968) 0x3354 (0x1179)
        ADD16 d0 0x1ADC t260
        ADD16 d2+0 0x18A (0x2F92)
        ADD16 d0+2 0x33C3 t82
        ADD16 0x1BD (0x3208) (0x2FC)
        ADD16 0x1AF2 t133 d0
        ADD16 (0x12CB) (0x2E03) (0x3056)
        ADD16 (t250) (d1) d0
        ADD16 d2+0 (0x2AA1) (0x2091)
        ADD16 (t171+4) (t132) d0
t266:
        ADD16 (0x2CDF) (d0+6) (0x129B)
        ADD16 (t252) (d1+4) d2
        ADD16 d0+0 d2+0 (0x1AF7)
        ADD16 (d2+4) (d2+0) d1
        ADD16 0x3179 0x33C1 d1+4
        ADD16 0x6CE 0x200 t132+2
        ADD16 (0x1EAA) 0x3C18 d0+6
        ADD16 (d1) 0x2712 d1+0
        ADD16 (d2+4) 0x156 t245+4
        ADD16 (d1+6) 0x2DDC t240+4
        ADD16 (0x1A66) (0x34FB) t206+2
t267:
        ADD16 (d0) d1 t160+2
        ADD16 t110+6 (0x2871) (t162+6)
        ADD16 d1+2 (d2) t84+6
        ADD16 0x3F76 d0+6 d0+4
        ADD16 0x1566 d0+0 (t63+0)
        ADD16 (0x3274) t116+4 t270+2
        ADD16 d1 t32+0 d0+2
        ADD16 t259+2 d0+2 t182+0
        ADD16 (d1+4) d2+0 d0+6
        ADD32 0x2206 0x17BE
        ADD32 0x205F 0x1349
t268:
        ADD32 (0x3FA6) 0x16
        ADD32 d0 0x3EFE
        ADD32 t109+2 0x1E1E
        ADD32 d2+0 0xA33
        ADD32 0x32E6 (0x207F)
        ADD32 0x106A (d1)
        ADD32 (0xF11) (0xF5A)
        ADD32 (d1) d1
        ADD32 t124+0 (0x2158)
        ADD32 (d1+6) (d1)
        ADD32 0x681 t275+6
t269:
        ADD32 0x19B9 t270+0
        ADD32 (0x3F6C) d0+2
        ADD32 d0 d0+2
        ADD32 (d0+2) t235+2
        ADD32 t41+0 d0+6
        ADD32 0x37DD $-49
        ADD32 0xFC6 $51
        ADD32 (0x24B7) $62
        ADD32 t177 $-43
        ADD32 (t222+2) $29
        ADD32 t188+0 $-63
t270:
        ADD32 0x3D6 $t0
        ADD32 0x245D $d2
        ADD32 (0xFA6) $d1
        ADD32 (t188) $d0
        ADD32 d1+2 $t0
        ADD32 (d1+2) $d1
        ADD32 0x11E6 0x33DF 0x3795
        ADD32 0x3012 0x1502 0x2BFA
        ADD32 (0x1CB1) 0x2DB2 0x15EA
        ADD32 t127 0x1D8E 0x73C
        ADD32 (d1+0) 0x3793 0x328C
t271:
        ADD32 t23+4 0x1472 0x25CE
        ADD32 0x16B0 (0x3687) 0x152C
        ADD32 0x287E (t34) 0x8B7
        ADD32 (0x2A51) (0x1D50) 0x1F3
        ADD32 (d2) t180 0xFEE
        ADD32 (d1+4) (0x1C99) 0x3AF4
        ADD32 t53+2 t271 0x19F9
        ADD32 0x2BDA t104+2 0x2249
        ADD32 0x23AF t228+2 0x30A1
        ADD32 (0x1BFB) (d2+4) 0x285C
        ADD32 t223 (t242+4) 0x12AB
t272:
        ADD32 t149+6 t128+0 0x35A3
        ADD32 t245+0 d1+2 0x2285
        ADD32 0x30F9 0x13B3 (0x15D5)
        ADD32 0x70F 0x1123 (t117)
        ADD32 (0x321C) 0x963 (0x363C)
        ADD32 (d0) 0x3B (d2)
        ADD32 t88+0 0x9A9 (0x1338)
        ADD32 t157+6 0x2036 d0
        ADD32 0x2D9 (0x11BD) (0xB39)
        ADD32 0x2040 d1 (d0)
        ADD32 (0x1755) (0x2A27) (0x3B3F)
t273:
        ADD32 d1 (d2) d2
        ADD32 t96+2 (0x3D7E) (0x96)
        ADD32 (d2+6) t26 (d0)
        ADD32 (0x1F58) t131+6 (0x2E69)
        ADD32 d0 d1+6 (d2)
        ADD32 (t187+4) t236+6 (0xFBC)
        ADD32 (d2+4) d0+6 t103
        ADD32 0xE21 0x1312 d0+2
        ADD32 0x27F9 0xD7C t111+4
        ADD32 (0x494) 0x68C t48+6
        ADD32 (d0) 0x183D t234+4
t274:
        ADD32 t222+6 0x101C (t178+2)
        ADD32 (t205+2) 0x1457 (t141+2)
        ADD32 (0x28A7) (0x2D3B) t135+4
        ADD32 (t186) (t93) d2+2
        ADD32 (t58+0) (0x18A8) (d2+2)
        ADD32 d0+6 (t11) d2+0
        ADD32 0x338D d0+0 t263+6
        ADD32 0x277B d2+2 d1+0
        ADD32 (0x10B4) d2+6 (t89+6)
        ADD32 (d0) t261+2 d0+0
        ADD32 t69+0 t271+0 (t222+6)
t275:
        ADD32 d1+6 (d2+6) (d1+6)
        ADC8 0x874 0x3B71
        ADC8 0x30E8 0x3A82
        ADC8 (0x84E) 0x1BD6
        ADC8 (t188) 0x36C6
        ADC8 (d2+2) 0x3503
        ADC8 d0+6 0x251B
        ADC8 0x3E16 (0x3E57)
        ADC8 0x1B36 (t175)
        ADC8 (0x1398) (0x19B)
        ADC8 (t222) d0
t276:
        ADC8 t121+6 (0x1ED1)
        ADC8 t257+2 d1
        ADC8 0x2E6F d1+4
        ADC8 0x1912 d0+2
        ADC8 (0x1AA2) (d0+4)
        ADC8 d1 t54+4
        ADC8 d1+4 d1+2
        ADC8 (t92+2) d0+2
        ADC8 0xF8F $-71
        ADC8 0x13B3 $126
        ADC8 (0x194E) $-54
t277:
        ADC8 t280 $19
        ADC8 (d1+6) $41
        ADC8 t114+6 $12
        ADC8 0xE7A $d2
        ADC8 0xA89 $t0
        ADC8 (0x1188) $d1
        ADC8 t213 $t0
        ADC8 t185+6 $d2
        ADC8 d0+4 $d0
        ADC8 0x1437 0x56F 0x3970
        ADC8 0x33A5 0x323D 0xA62
t278:
        ADC8 (0x34EA) 0x2617 0x939
        ADC8 (t126) 0x1900 0x21DF
        ADC8 d0+2 0x3760 0xC53
        ADC8 d1+4 0x2205 0x264F
        ADC8 0x3EA7 (0x241F) 0x1568
        ADC8 0x8CD d1 0x2268
        ADC8 (0x75C) (0x2E4D) 0x8D2
        ADC8 t274 (t47) 0x3F8C
        ADC8 d0+0 (0x2B12) 0xA47
        ADC8 t75+2 t114 0x3A88
        ADC8 (0x2210) (d1+0) 0x38EA
t279:
        ADC8 d1 d1+4 0xEE2
        ADC8 (t16+0) t201+6 0x2B93
        ADC8 (t203+0) (d0+4) 0x8C6
        ADC8 0x397B 0x1005 (0x2459)
        ADC8 0x3755 0x31C5 d1
        ADC8 (0xD35) 0x39BA (0x1414)
        ADC8 t44 0x341E (d2)
        ADC8 (d1+2) 0x1141 (0x319B)
        ADC8 t249+0 0xFCC t80
        ADC8 0x1322 (0x31DC) (0x2C47)
        ADC8 0x39FB t234 t245
t280:
        ADC8 (0x3800) (0xA0A) (0x84A)
        ADC8 d1 (t280) (t71)
        ADC8 t17+2 (0x3F51) (0x2856)
        ADC8 (t164+2) (t35) t192
        ADC8 (0x1810) t258+2 (0x2B0D)
        ADC8 d2 d0+2 t100
        ADC8 (t144+2) (t238+4) (0x39D1)
        ADC8 d1+4 d1+4 t105
        ADC8 0x19C3 0x1CBA (d0+4)
        ADC8 0x6A8 0x129A t64+6
        ADC8 (0x62E) 0x1C5F d0+0
t281:
        ADC8 t190 0x1A7E (d1+2)
        ADC8 t231+4 0x218C (d1+2)
        ADC8 d2+0 0x3DD8 (d0+4)
        ADC8 (0x23FB) (0x201B) (d1+6)
        ADC8 (t284) d0 (t3+0)
        ADC8 (d0+2) (0x21A9) t146+2
        ADC8 d1+6 t177 d0+4
        ADC8 0x1EC1 d0+2 t157+2
        ADC8 0x107 d0+2 (d0+4)
        ADC8 (0x22B0) t42+0 d1+2
        ADC8 t50 d1+2 d2+2
t282:
        ADC8 d0+2 t274+6 d2+6
        ADC8 (t176+6) d2+6 (t100+2)
        ADC16 0x3714 0x25DF
        ADC16 0x12B8 0x256
        ADC16 (0x94E) 0x23DC
        ADC16 (d1) 0x223D
        ADC16 t290+6 0x104B
        ADC16 d1+0 0x3911
        ADC16 0x10F5 (0x654)
        ADC16 0x1D3C d1
        ADC16 (0x2024) (0x2DE9)
t283:
        ADC16 (t275) t202
        ADC16 (t230+6) (0x3914)
        ADC16 t118+2 d0
        ADC16 0x4CB t90+2
        ADC16 0x3F84 (t154+2)
        ADC16 (0x21B1) (t221+0)
        ADC16 (t174) d0+2
        ADC16 d0+6 (t195+4)
        ADC16 d1+0 t241+2
        ADC16 0x4AC $66
        ADC16 0xD43 $-48
t284:
        ADC16 (0x1D0) $105
        ADC16 d0 $44
        ADC16 d1+2 $-62
        ADC16 d1+4 $34
        ADC16 0x14D $d2
        ADC16 0x3EF3 $d2
        ADC16 (0x2CE6) $d1
        ADC16 d0 $t0
        ADC16 d1+6 $d0
        ADC16 d1+4 $d2
        ADC16 0x1B99 0x1AC4 0x3D22
t285:
        ADC16 0xB0C 0x37BD 0x1973
        ADC16 (0x1156) 0x1236 0x322D
        ADC16 d2 0xC16 0x3633
        ADC16 (d2+0) 0x38C0 0x2656
        ADC16 d2+4 0x1C83 0xE20
        ADC16 0x2FD6 (0x3629) 0x138A
        ADC16 0xB8D d0 0x2D32
        ADC16 (0x3C70) (0xE0F) 0x32C0
        ADC16 d2 (d0) 0xAC4
        ADC16 d2+6 (0xD94) 0x2B35
        ADC16 (t135+6) t60 0x7DC
t286:
        ADC16 (0x84D) t29+4 0x1BA9
        ADC16 (d0) t5+4 0x389A
        ADC16 t59+6 (d2+0) 0xE63
        ADC16 d1+2 (t291+4) 0x1360
        ADC16 0x396 0x6E4 (0x208)
        ADC16 0x33B1 0x366D d1
        ADC16 (0x8A8) 0x2E64 (0xE3F)
        ADC16 d1 0x15D8 t7
        ADC16 t63+6 0x1773 (0x1620)
        ADC16 d2+2 0xC69 d2
        ADC16 0x20B3 (0x1E71) (0x1140)
t287:
        ADC16 0x1670 t210 t218
        ADC16 (0x3134) (0x9EB) (0x974)
        ADC16 (t134) d1 t54
        ADC16 t185+0 (0x3774) (0x38AA)
        ADC16 d2+2 d1 d2
        ADC16 (0x3CBD) t74+2 (0x3878)
        ADC16 (t230) d0+4 (t175)
        ADC16 d2+0 (d2+4) (0x2E16)
        ADC16 t101+4 d1+4 d1
        ADC16 0x252F 0x23B8 d1+6
        ADC16 0x7CA 0x28DA d1+4
t288:
        ADC16 (0x2352) 0x1D7F (d1+4)
        ADC16 d0 0x1A6D (d2+0)
        ADC16 t17+0 0x99F d0+6
        ADC16 t221+0 0x2ECE d1+6
        ADC16 (0x35D6) (0x1AAB) d2+2
        ADC16 t231 (d2) (d2+2)
        ADC16 (t54+0) (0x18AE) (t167+6)
        ADC16 t254+2 (d1) (d2+4)
        ADC16 0x22B t24+6 t120+2
        ADC16 0x511 (t54+4) t15+6
        ADC16 (0x7FC) t46+2 (d1+6)
t289:
        ADC16 d0 (t15+0) t203+6
        ADC16 d1+6 (d0+4) (t155+4)
        ADC16 (d2+6) d0+0 (t150+2)
        ADC32 0x623 0x166
        ADC32 0x726 0x2104
        ADC32 (0x298E) 0x211
        ADC32 (d2) 0x2E3E
        ADC32 (d2+2) 0x39FB
        ADC32 (d0+4) 0x20C1
        ADC32 0x325C (0x17BA)
        ADC32 0x2AB4 d1
t290:
        ADC32 (0x11CC) (0x2A62)
        ADC32 (t144) (d0)
        ADC32 (t179+2) (0x12C0)
        ADC32 (d1+4) t111
        ADC32 0x20B7 d0+4
        ADC32 0xD01 d1+6
        ADC32 (0x1B04) t63+2
        ADC32 (d0) d1+2
        ADC32 d2+2 t64+0
        ADC32 d1+6 (d1+2)
        ADC32 0x1BB7 $-37
t291:
        ADC32 0xEB8 $49
        ADC32 (0x1F8E) $67
        ADC32 t22 $89
        ADC32 d2+0 $8
        ADC32 t209+6 $31
        ADC32 0x18F2 $t0
        ADC32 0xE9E $d2
        ADC32 (0x3209) $d2
        ADC32 (t40) $d2
        ADC32 d0+4 $t0
        ADC32 (d1+0) $d1
t292:
        ADC32 0x367B 0x221E 0x3EF5
        ADC32 0x1D64 0x1D3D 0x3D87
        ADC32 (0xE88) 0x2A18 0x1625
        ADC32 (t211) 0xEC 0x34C5
        ADC32 d0+0 0x38F 0x1CE6
        ADC32 d1+6 0x16B2 0x2A9E
        ADC32 0x25C3 (0x375A) 0xFC8
        ADC32 0x749 (t274) 0x3506
        ADC32 (0x2F6C) (0x1839) 0x34
        ADC32 t229 t155 0x696
        ADC32 d0+0 (0x2871) 0x21EF
t293:
        ADC32 (d1+6) t249 0x3506
        ADC32 (0xF0) d1+2 0x64B
        ADC32 (t44) d2+2 0x8B6
        ADC32 d1+6 (d2+6) 0xEAD
        ADC32 t293+6 d2+6 0x2576
        ADC32 0x3DF7 0xD21 (0x1A5D)
        ADC32 0x3BE4 0x467 t243
        ADC32 (0x724) 0x2D10 (0x1827)
        ADC32 d2 0x20D5 d1
        ADC32 (d1+0) 0x346F (0xC97)
        ADC32 d0+2 0x2D4C t216
t294:
        ADC32 0x2A4 (0x25DD) (0x276B)
        ADC32 0x5B9 t141 d2
        ADC32 (0x3148) (0x278B) (0x367E)
        ADC32 (t13) t59 t84
        ADC32 d0+6 (0x2CC1) (0x22BF)
        ADC32 t99+2 d2 t15
        ADC32 (0x1FCA) (t72+6) (0x230F)
        ADC32 d0 t78+6 t97
        ADC32 (t110+2) t232+6 (0x70A)
        ADC32 (d1+2) d0+2 d1
        ADC32 0x310F 0x1FF0 d2+0
t295:
        ADC32 0x1F76 0xE29 d2+2
        ADC32 (0x1634) 0x2517 t29+0
        ADC32 d1 0xD10 (d2+4)
        ADC32 d1+2 0x1D9F (t280+6)
        ADC32 t239+0 0x3E19 t28+0
        ADC32 (0x1C4B) (0x451) t18+0
        ADC32 d1 d2 (t247+2)
        ADC32 t238+4 (0x2ABF) (t171+4)
        ADC32 t118+2 d1 t159+6
        ADC32 0x2F47 d1+6 (t0+0)
        ADC32 0xFB4 (d0+6) d0+2
t296:
        ADC32 (0x29A1) t32+2 d2+2
        ADC32 (d2) d1+0 (d0+4)
        ADC32 t65+4 (t40+0) t149+2
        ADC32 t31+2 d2+0 t42+0
        SUB8 0x186A 0x3065
        SUB8 0x766 0xF7A
        SUB8 (0x364F) 0x685
        SUB8 t239 0x3865
        SUB8 t120+0 0x3ED
        SUB8 (t278+6) 0x131B
        SUB8 0x430 (0xDF1)
t297:
        SUB8 0x129C d2
        SUB8 (0x2214) (0x2552)
        SUB8 (t277) d1
        SUB8 (t298+2) (0x2A5)
        SUB8 t205+0 (d0)
        SUB8 0x3627 t286+6
        SUB8 0x18C4 t274+2
        SUB8 (0x3D4A) (t49+4)
        SUB8 d0 t247+6
        SUB8 t227+2 (t280+0)
        SUB8 (t51+6) d1+0
t298:
        SUB8 0x1A7E $-62
        SUB8 0x298 $96
        SUB8 (0xE2A) $55
        SUB8 t153 $-12
        SUB8 (d1+2) $-44
        SUB8 t305+6 $27
        SUB8 0x2E21 $d0
        SUB8 0x187E $d2
        SUB8 (0x2B37) $t0
        SUB8 t220 $d0
        SUB8 t187+4 $d1
t299:
        SUB8 d0+0 $d2
        SUB8 0xBD2 0x2E7 0x169
        SUB8 0x5AE 0x1B2A 0x3811
        SUB8 (0x1539) 0x320C 0x151
        SUB8 t222 0x2998 0x3ADF
        SUB8 t77+4 0x3B48 0x383
        SUB8 t298+0 0x2564 0x1CC3
        SUB8 0x10DB (0x1682) 0x1077
        SUB8 0x744 d1 0x3F50
        SUB8 (0x117F) (0x34ED) 0xC50
        SUB8 (d1) (d0) 0x1B58
t300:
        SUB8 d2+2 (0x1D99) 0x1FD5
        SUB8 d1+6 d0 0xB66
        SUB8 0x2F6B d1+2 0x23B9
        SUB8 0x120F (t26+2) 0x1008
        SUB8 (0x221D) d0+2 0x2B1C
        SUB8 t13 d2+2 0x2E3C
        SUB8 t22+0 d1+6 0xA84
        SUB8 (t212+6) d2+2 0x12EF
        SUB8 0xDC1 0x2241 (0x22FD)
        SUB8 0x382A 0x257A t88
        SUB8 (0x11C) 0xE11 (0x1D01)
t301:
        SUB8 t249 0x33BF d0
        SUB8 t85+0 0x156D (0x2501)
        SUB8 d1+6 0x31F3 (t260)
        SUB8 0x3954 (0x3AD3) (0x3A75)
        SUB8 0x3FE1 d0 d2
        SUB8 (0x3C82) (0x114C) (0x7C9)
        SUB8 (t29) t152 d1
        SUB8 t293+6 (0x3B10) (0x3310)
        SUB8 (d0+2) (d0) (t278)
        SUB8 (0x3DBF) t139+4 (0x1F86)
        SUB8 t82 t22+6 (t168)
t302:
        SUB8 d1+4 t200+0 (0x2C08)
        SUB8 d1+2 (d0+0) (t137)
        SUB8 0x16E 0x1CBB t130+2
        SUB8 0x29EB 0x24CC t89+2
        SUB8 (0x41C) 0x18A0 d1+4
        SUB8 t129 0x2F79 (t184+4)
        SUB8 t45+4 0x3097 d1+0
        SUB8 (t24+0) 0x197E d2+2
        SUB8 (0x377) (0x3119) (t153+6)
        SUB8 d0 t263 d2+0
        SUB8 d1+4 (0x99) d0+6
t303:
        SUB8 d2+4 d1 t190+4
        SUB8 0x2B5D (t173+0) d1+4
        SUB8 0x13B5 (t145+2) (t124+6)
        SUB8 (0x2C46) d0+6 t159+4
        SUB8 t83 d0+6 d0+6
        SUB8 d2+6 t38+2 d1+0
        SUB8 (t219+2) t40+6 t273+2
        SUB16 0x3574 0x3F9D
        SUB16 0x629 0x911
        SUB16 (0x1D49) 0xFE7
        SUB16 t209 0xD71
t304:
        SUB16 (d1+0) 0x9A9
        SUB16 d0+4 0x1434
        SUB16 0x1B4 (0x254C)
        SUB16 0x5D3 (t82)
        SUB16 (0x1C43) (0x379B)
        SUB16 d0 (t52)
        SUB16 d1+2 (0x24DB)
        SUB16 d2+2 t72
        SUB16 0x37B5 d0+2
        SUB16 0x30E2 (d0+0)
        SUB16 (0x2746) (t266+6)
t305:
        SUB16 d2 t306+2
        SUB16 d0+0 (d0+2)
        SUB16 d2+4 d0+6
        SUB16 0x3DCA $54
        SUB16 0x2B4 $63
        SUB16 (0x208B) $85
        SUB16 (d0) $-84
        SUB16 t252+4 $-64
        SUB16 t207+2 $-9
        SUB16 0x284 $d2
        SUB16 0x1855 $d0
t306:
        SUB16 (0x2FE0) $d2
        SUB16 (t271) $d0
        SUB16 d2+6 $t0
        SUB16 (t113+0) $d2
        SUB16 0x3430 0x915 0x2397
        SUB16 0x19FA 0x5C5 0x3820
        SUB16 (0x273A) 0x1239 0x2F22
        SUB16 d1 0x222B 0x3320
        SUB16 t156+0 0x1153 0x1C4E
        SUB16 d1+2 0x1A04 0x23E
        SUB16 0x345C (0x1506) 0xA4E
t307:
        SUB16 0x1CF1 d0 0x3DD8
        SUB16 (0xBD0) (0x21AE) 0x14CE
        SUB16 t179 (t16) 0x129C
        SUB16 (t225+0) (0x6DA) 0x3A74
        SUB16 d1+2 d1 0xF8A
        SUB16 (0x1B2F) (d0+6) 0x123E
        SUB16 d2 d0+0 0x136C
        SUB16 t65+2 d0+4 0x34C0
        SUB16 d2+4 (t215+0) 0x17F2
        SUB16 0x4BD 0x3AF1 (0x39A9)
        SUB16 0x3C5B 0x39A9 t273
t308:
        SUB16 (0x25B9) 0x175E (0x32CE)
        SUB16 t32 0x1E67 d2
        SUB16 d0+6 0x3C61 (0x3A30)
        SUB16 d1+6 0x21B7 t13
        SUB16 0x16A0 (0x2006) (0x11EF)
        SUB16 0x19B7 (t247) (t242)
        SUB16 (0x676) (0x218E) (0x385F)
        SUB16 d2 t129 (d1)
        SUB16 t298+6 (0x3B22) (0x288)
        SUB16 t300+2 d2 (t312)
        SUB16 (0x3219) d1+0 (0xF43)
t309:
        SUB16 d0 d1+2 (t127)
        SUB16 (t36+4) t128+0 (0x965)
        SUB16 d1+6 d2+6 d1
        SUB16 0x15A4 0x27FA d2+6
        SUB16 0x24F3 0x1977 t40+0
        SUB16 (0x1B76) 0x1FB6 d0+4
        SUB16 d2 0x2926 d1+6
        SUB16 (t291+4) 0x3F7B (d2+6)
        SUB16 t49+6 0x28BF t171+0
        SUB16 (0x3295) (0x26C6) d1+2
        SUB16 (d1) d2 (d0+2)
t310:
        SUB16 t1+2 (0x1F64) t59+6
        SUB16 t14+0 d1 d1+2
        SUB16 0x12E5 d1+4 t261+4
        SUB16 0x2740 d0+2 d1+0
        SUB16 (0xF16) (d1+4) (d2+0)
        SUB16 d0 (d1+0) (t65+4)
        SUB16 d0+0 t6+2 t104+6
        SUB16 (d2+2) d1+0 (t86+6)
        SUB32 0x3328 0x1B36
        SUB32 0x3EDA 0x8A4
        SUB32 (0x1900) 0x3312
t311:
        SUB32 (d2) 0x4CD
        SUB32 t196+2 0x21A6
        SUB32 (t184+6) 0x1ABA
        SUB32 0xF7A (0x18EC)
        SUB32 0x182D t106
        SUB32 (0x305D) (0x2D4C)
        SUB32 (d0) d2
        SUB32 t139+4 (0x1323)
        SUB32 t88+0 (d2)
        SUB32 0x3AF8 d2+2
        SUB32 0x9B9 (d2+6)
t312:
        SUB32 (0x30E0) (d0+4)
        SUB32 t11 d1+2
        SUB32 (d2+2) d0+4
        SUB32 d0+4 t68+2
        SUB32 0xA79 $-44
        SUB32 0x3176 $108
        SUB32 (0x72B) $-71
        SUB32 t103 $-73
        SUB32 (d0+0) $-2
        SUB32 t182+0 $123
        SUB32 0x23B $d2
t313:
        SUB32 0x32C2 $d2
        SUB32 (0xB0A) $d1
        SUB32 d0 $d0
        SUB32 (t158+0) $d2
        SUB32 d2+0 $t0
        SUB32 0x207B 0x2407 0x1965
        SUB32 0x14FD 0x2F9C 0x3BBA
        SUB32 (0x3E74) 0x444 0x1922
        SUB32 (d2) 0xB1B 0x213E
        SUB32 t27+6 0x2C05 0xCD4
        SUB32 (t314+6) 0x1325 0x116C
t314:
        SUB32 0x147C (0x2244) 0x15A8
        SUB32 0x380 t130 0x3E60
        SUB32 (0x197B) (0x3727) 0x21AC
        SUB32 t86 t151 0x1083
        SUB32 (d1+6) (0xF12) 0x1138
        SUB32 (d2+6) d0 0x329B
        SUB32 (0x1C2E) t190+6 0x2A01
        SUB32 (t1) (d0+6) 0x3810
        SUB32 t38+2 (t28+0) 0x22D8
        SUB32 t70+0 d0+4 0xF72
        SUB32 0x289B 0xED9 (0x14D4)
t315:
        SUB32 0x2EBF 0x211E t155
        SUB32 (0x3BFC) 0x1819 (0x3878)
        SUB32 d2 0x102F d1
        SUB32 t35+2 0x18C9 (0x2F23)
        SUB32 d1+2 0xAD6 (d0)
        SUB32 0x17E9 (0xD60) (0xACE)
        SUB32 0xCAA t78 t166
        SUB32 (0x3C96) (0x2C7A) (0x3E)
        SUB32 t282 d2 d0
        SUB32 t259+6 (0x3A07) (0x1518)
        SUB32 t234+2 (t195) d1
t316:
        SUB32 (0x2682) d0+6 (0x637)
        SUB32 d2 d1+6 d2
        SUB32 d0+2 (d2+6) (0x10B3)
        SUB32 d0+6 d2+6 (t62)
        SUB32 0x173A 0x2917 d0+0
        SUB32 0x3683 0x346D (t114+0)
        SUB32 (0x25F0) 0x3586 d0+6
        SUB32 (t208) 0x1522 t277+4
        SUB32 t33+0 0x14CD (d1+4)
        SUB32 d2+0 0x3F88 (d0+2)
        SUB32 (0x3756) (0x2BA8) d1+4
t317:
        SUB32 t46 t53 t303+2
        SUB32 t167+2 (0x2ADB) d2+0
        SUB32 (d0+4) t132 (d2+6)
        SUB32 0x1A2D t218+0 (d0+4)
        SUB32 0x22B9 t27+6 t177+6
        SUB32 (0x2BD6) t250+6 (t184+6)
        SUB32 (d2) d0+0 t73+6
        SUB32 d1+6 (t82+2) t174+0
        SUB32 t290+4 t214+0 d2+4
        SBC8 0x131F 0x202F
        SBC8 0x1CAE 0x3958
t318:
        SBC8 (0x35EF) 0x1A69
        SBC8 d0 0x2D8D
        SBC8 t134+6 0x3D1A
        SBC8 d0+0 0x14D7
        SBC8 0x27FD (0xF10)
        SBC8 0x146E t173
        SBC8 (0x3563) (0x3544)
        SBC8 (d1) d2
        SBC8 (d1+0) (0x380D)
        SBC8 t291+0 (d0)
        SBC8 (0x1069) d2+0
t319:
        SBC8 t153 d1+6
        SBC8 d2+0 d0+4
        SBC8 d1+2 t55+2
        SBC8 0xBED $-66
        SBC8 0xA41 $113
        SBC8 (0x34D5) $50
        SBC8 d1 $-11
        SBC8 t20+0 $38
        SBC8 t87+2 $36
        SBC8 0x3F93 $t0
        SBC8 0x291D $d1
t320:
        SBC8 (0x36FA) $t0
        SBC8 d0 $t0
        SBC8 (d1+2) $d1
        SBC8 d0+6 $d2
        SBC8 0x2B8A 0x2392 0xF99
        SBC8 0x3B13 0x240 0x2BC2
        SBC8 (0x2856) 0x3831 0x1092
        SBC8 (t170) 0xB1E 0xA5A
        SBC8 d1+6 0x3EB8 0x2554
        SBC8 (t170+6) 0x1991 0x3929
        SBC8 0x3B58 (0xCF9) 0x39E4
t321:
        SBC8 0x7D4 d2 0x19E7
        SBC8 (0x22B0) (0x3376) 0x18A7
        SBC8 d1 (t97) 0x102C
        SBC8 (t233+2) (0x13A) 0x1E28
        SBC8 d1+2 d1 0xC6
        SBC8 (0x215) t2+0 0x8F6
        SBC8 d0 (t246+2) 0x26A2
        SBC8 d1+6 t143+4 0xFB9
        SBC8 d2+4 t206+4 0x3EC9
        SBC8 0x20BB 0x2ADC (0x299C)
        SBC8 0x67C 0x1116 d1
t322:
        SBC8 (0x31A2) 0x1F0E (0x1534)
        SBC8 d1 0x74D t86
        SBC8 d2+4 0x272B (0x225F)
        SBC8 t322+0 0x2C19 (t138)
        SBC8 0x20C0 (0x3BF0) (0x761)
        SBC8 0x18CA t316 d0
        SBC8 (0x6C7) (0x1593) (0x3B66)
        SBC8 (t310) (t44) d1
        SBC8 t294+4 (0x1BED) (0x27D2)
        SBC8 t259+4 t75 t121
        SBC8 (0x80A) t10+0 (0x3C37)
t323:
        SBC8 (t144) d1+6 (d1)
        SBC8 t132+4 d2+4 (0x515)
        SBC8 t204+0 (t43+6) d0
        SBC8 0xD02 0x1EC8 t134+0
        SBC8 0x2B57 0x1278 (d1+6)
        SBC8 (0x2496) 0x30AD (t128+6)
        SBC8 d2 0x38BB d0+0
        SBC8 t161+0 0xAA4 (t259+0)
        SBC8 (t87+0) 0x12EE t224+4
        SBC8 (0x1183) (0x29F3) t298+2
        SBC8 d2 d1 d2+6
t324:
        SBC8 t231+4 (0x690) d2+2
        SBC8 t82+2 (d0) t106+4
        SBC8 0x154B d0+2 t240+2
        SBC8 0x3E2 (t34+4) d0+2
        SBC8 (0x1D69) (d2+4) d1+0
        SBC8 t45 d0+2 t300+6
        SBC8 d1+4 d0+0 d1+2
        SBC8 t96+2 (t211+4) (d1+6)
        SBC16 0x892 0x3930
        SBC16 0x62B 0xBCF
        SBC16 (0x3FFB) 0x3218
t325:
        SBC16 d1 0x1CE3
        SBC16 t112+6 0xA25
        SBC16 (t213+4) 0x1DBD
        SBC16 0x43B (0x28E7)
        SBC16 0x12BF d1
        SBC16 (0x69B) (0x21A4)
        SBC16 t45 (t255)
        SBC16 (t3+4) (0x1381)
        SBC16 d2+0 d2
        SBC16 0x50D (d2+2)
        SBC16 0x7F4 t212+4
t326:
        SBC16 (0x2D1E) t198+2
        SBC16 t108 d0+6
        SBC16 (t123+4) t215+4
        SBC16 d2+0 (t73+0)
        SBC16 0x3F26 $29
        SBC16 0x1FC7 $121
        SBC16 (0xC42) $67
        SBC16 t87 $-84
        SBC16 d1+0 $34
        SBC16 (d0+2) $-81
        SBC16 0x1A68 $d1
t327:
        SBC16 0x2DA0 $d1
        SBC16 (0x183) $d0
        SBC16 t115 $d0
        SBC16 d2+6 $d0
        SBC16 d0+4 $d2
        SBC16 0x3759 0x2CCC 0x2A92
        SBC16 0x142C 0x3110 0x33B3
        SBC16 (0x112D) 0x32B8 0x3C1A
        SBC16 d2 0x2A5 0x144B
        SBC16 (t288+0) 0x32A9 0x329
        SBC16 d2+4 0x24BF 0x3D87
t328:
        SBC16 0x3147 (0x1F75) 0x3DB5
        SBC16 0x190B t193 0x1BA5
        SBC16 (0x17C9) (0x130A) 0x37E8
        SBC16 d0 d2 0x1E34
        SBC16 t72+6 (0x1DC2) 0x2220
        SBC16 d0+6 t280 0x295F
        SBC16 (0x3113) t234+6 0x2A46
        SBC16 d0 (d0+0) 0x2AC7
        SBC16 (t103+0) t3+4 0x31C3
        SBC16 t312+4 t199+4 0x9C6
        SBC16 0xA89 0xFCC (0x1A4F)
t329:
        SBC16 0x4D3 0x13E3 t243
        SBC16 (0x3E0A) 0x224C (0x2D45)
        SBC16 t180 0x2CF3 t207
        SBC16 (d2+6) 0x1F35 (0x3CE3)
        SBC16 (t5+4) 0x3353 t297
        SBC16 0x2A0B (0x385D) (0x2C5)
        SBC16 0x1B29 d1 d1
        SBC16 (0x2C86) (0x24AD) (0x170A)
        SBC16 (t299) (t310) (d2)
        SBC16 (t44+6) (0x1158) (0x87)
        SBC16 d0+0 d0 d1
t330:
        SBC16 (0x53D) t128+4 (0x3779)
        SBC16 d0 t167+2 (d0)
        SBC16 d1+2 (d2+2) (0x2D89)
        SBC16 d1+4 d1+2 d1
        SBC16 0x12E9 0x27AB (d0+6)
        SBC16 0x1254 0x10DA (t35+2)
        SBC16 (0x6AD) 0x259A (t238+0)
        SBC16 (t337) 0x3DA5 (t213+2)
        SBC16 d2+6 0x852 t283+2
        SBC16 d1+6 0x1369 d1+6
        SBC16 (0x3AB5) (0x60E) d2+6
t331:
        SBC16 t46 d2 t133+6
        SBC16 d0+4 (0x9FF) d0+4
        SBC16 t243+0 d1 (d0+0)
        SBC16 0x2553 t79+2 (t337+2)
        SBC16 0x3400 t108+6 (d2+0)
        SBC16 (0x3DAE) (d0+4) (t13+2)
        SBC16 d1 t190+6 d0+4
        SBC16 d2+2 t133+6 (d2+0)
        SBC16 d1+6 t242+6 (d1+2)
        SBC32 0x1A10 0x3C62
        SBC32 0x32D4 0x31F6
t332:
        SBC32 (0x3C65) 0x11CA
        SBC32 (t1) 0x1F81
        SBC32 t222+6 0x2FC9
        SBC32 t137+6 0x3826
        SBC32 0x7E0 (0x39A2)
        SBC32 0x3720 d1
        SBC32 (0x24B5) (0x11D4)
        SBC32 t295 t83
        SBC32 t245+6 (0x26D)
        SBC32 d2+2 t310
        SBC32 0x3753 d0+0
t333:
        SBC32 0x3203 t221+2
        SBC32 (0x101F) (d0+4)
        SBC32 t101 t29+2
        SBC32 (t269+0) d2+2
        SBC32 d2+0 d0+6
        SBC32 0x118E $-63
        SBC32 0x2DCE $94
        SBC32 (0x1700) $76
        SBC32 t132 $106
        SBC32 (t30+6) $59
        SBC32 d1+4 $-34
t334:
        SBC32 0x3FB5 $t0
        SBC32 0x18BC $d2
        SBC32 (0x1F20) $d2
        SBC32 d1 $d1
        SBC32 t217+0 $t0
        SBC32 t332+2 $d2
        SBC32 0x21BE 0x3B9D 0x1BA6
        SBC32 0x282D 0xC4E 0x27BB
        SBC32 (0x3F40) 0x1FCF 0x233A
        SBC32 (t38) 0x33B2 0x3000
        SBC32 d0+2 0x301E 0x3183
t335:
        SBC32 d1+4 0x3B90 0x38B1
        SBC32 0xC10 (0x1175) 0x3DBE
        SBC32 0x94B (t91) 0x1160
        SBC32 (0x28CB) (0x262D) 0x684
        SBC32 t317 d0 0x707
        SBC32 (d0+2) (0x3E55) 0x138D
        SBC32 t142+0 d1 0x1C05
        SBC32 (0x3E35) t222+4 0x2409
        SBC32 d2 t112+2 0x10EF
        SBC32 d0+6 (d2+2) 0x1699
        SBC32 (d0+0) (t277+6) 0x2353
t336:
        SBC32 0x28A7 0x270B (0xD14)
        SBC32 0x168 0x2D93 t30
        SBC32 (0x13F6) 0x14A6 (0x188B)
        SBC32 t178 0x3C17 t190
        SBC32 (t201+6) 0x2E61 (0x31F6)
        SBC32 t270+2 0x1138 (t326)
        SBC32 0xBB9 (0x584) (0x26A0)
        SBC32 0xA17 t126 (t223)
        SBC32 (0x3BD0) (0x33F4) (0x2CA3)
        SBC32 t156 d0 d1
        SBC32 d1+2 (0x35FC) (0x19E8)
t337:
        SBC32 (d1+2) d0 t91
        SBC32 (0xACC) (t163+0) (0x1956)
        SBC32 d2 d2+2 (d2)
        SBC32 (t50+0) d2+6 (0x1374)
        SBC32 (t140+2) (d2+2) t172
        SBC32 0x1FAF 0x363B d0+2
        SBC32 0x11D6 0x1B0C (d1+6)
        SBC32 (0x18A6) 0x329F d2+2
        SBC32 t341 0x1BED d0+0
        SBC32 d0+0 0x35DA d0+0
        SBC32 t143+0 0x12CB (d0+6)
t338:
        SBC32 (0x3CC9) (0x960) d0+2
        SBC32 (t188) d1 (t32+0)
        SBC32 (d1+4) (0xA8B) t336+4
        SBC32 t272+2 d1 (t162+6)
        SBC32 0x34CE t321+4 d1+0
        SBC32 0x327C d1+4 (t102+0)
        SBC32 (0x2546) d2+6 t99+0
        SBC32 (d2) t291+6 t293+2
        SBC32 (t291+4) (d2+2) t132+4
        SBC32 (t92+0) (d2+6) d1+6
        MUL8 0x3190 0x2989
t339:
        MUL8 0x2853 0x15D8
        MUL8 (0x2439) 0x1698
        MUL8 (d2) 0x1010
        MUL8 d2+2 0x2392
        MUL8 d2+4 0xF0A
        MUL8 0xB24 (0x3FD8)
        MUL8 0x2EB2 d0
        MUL8 (0xCB8) (0x3548)
        MUL8 d0 (t343)
        MUL8 (t93+2) (0x3E)
        MUL8 t85+6 t214
t340:
        MUL8 (0xE4D) (t22+0)
        MUL8 (t303) t163+2
        MUL8 t50+6 d2+2
        MUL8 t291+0 (d0+6)
        MUL8 0x3BF9 0x3235 0xEF6
        MUL8 0x1302 0x242A 0x17C3
        MUL8 (0x39A7) 0x3C2A 0x1A48
        MUL8 t93 0x24B7 0x2C6E
        MUL8 t214+4 0x1107 0xEE9
        MUL8 (d2+4) 0x2E1D 0x2D3E
        MUL8 0x21DD (0x3478) 0x333F
t341:
        MUL8 0x3B4A (t307) 0x22FB
        MUL8 (0x3B28) (0x23F9) 0x2336
        MUL8 (t86) t19 0x3BE2
        MUL8 d0+6 (0x39A3) 0x2F1F
        MUL8 t271+6 t57 0x3608
        MUL8 (0x757) (d1+6) 0x2F78
        MUL8 d0 t18+0 0x1A89
        MUL8 t60+0 t124+0 0x8A4
        MUL8 d1+4 d2+6 0x3DF0
        MUL8 0x3A79 0xBF (0x27A0)
        MUL8 0x20E8 0x625 d2
t342:
        MUL8 (0x1C69) 0x223C (0x1F57)
        MUL8 (t14) 0x9B2 t286
        MUL8 t56+4 0x1A8D (0x2576)
        MUL8 (t314+6) 0x18A5 t125
        MUL8 0x359C (0x33B4) (0x728)
        MUL8 0x1245 t263 t34
        MUL8 (0x26C) (0x186F) (0x60A)
        MUL8 (t52) t142 t205
        MUL8 (d2+0) (0x132) (0xA19)
        MUL8 t280+4 d0 t13
        MUL8 (0x31C0) d1+6 (0x346D)
t343:
        MUL8 (t25) d0+2 (d0)
        MUL8 d2+2 d0+2 (0xA9B)
        MUL8 d0+4 t289+4 t308
        MUL8 0x17A3 0x2428 (t305+6)
        MUL8 0x3652 0x17C2 t208+0
        MUL8 (0x1F05) 0x37AD t98+4
        MUL8 d2 0x1730 t225+6
        MUL8 d1+4 0x2328 d1+6
        MUL8 t62+4 0x1CB6 d2+0
        MUL8 (0x1C5C) (0x1AAB) t229+0
        MUL8 (d0) d2 t280+2
t344:
        MUL8 d1+0 (0x1ADE) d0+6
        MUL8 (d2+4) (t104) (t177+0)
        MUL8 0x3E2F t50+4 d1+2
        MUL8 0x3AC9 t271+4 t148+4
        MUL8 (0x2C8F) (d1+0) t317+6
        MUL8 d0 d1+4 d1+6
        MUL8 t108+0 d2+4 d2+0
        MUL8 t8+6 t350+6 d2+0
        MUL16 0x1737 0x318B
        MUL16 0x1C09 0x236C
        MUL16 (0xBC8) 0x2F11
t345:
        MUL16 t35 0x1CD2
        MUL16 t183+4 0x3287
        MUL16 (t318+6) 0x22DB
        MUL16 0x11E (0x895)
        MUL16 0x6D d1
        MUL16 (0x1E2F) (0x3955)
        MUL16 d1 (t270)
        MUL16 d1+0 (0x643)
        MUL16 (d0+6) (d2)
        MUL16 0x1ECD (d0+4)
        MUL16 0x2C6A (d1+0)
t346:
        MUL16 (0x1C8D) (d0+4)
        MUL16 (d1) t87+0
        MUL16 (t310+4) (d0+0)
        MUL16 d2+0 t312+2
        MUL16 0x3CDA $116
        MUL16 0x327 $60
        MUL16 (0x2411) $79
        MUL16 t182 $-91
        MUL16 t256+4 $29
        MUL16 t140+6 $111
        MUL16 0x2DDF $d0
t347:
        MUL16 0xCC8 $d1
        MUL16 (0x125B) $d2
        MUL16 t199 $d2
        MUL16 t213+2 $d1
        MUL16 d1+2 $d1
        MUL16 0x269B 0x85D 0x3B2A
        MUL16 0x1E37 0x23FE 0x3847
        MUL16 (0x3AA1) 0x8C6 0x1DD2
        MUL16 (t294) 0x7F4 0x26B2
        MUL16 (d0+0) 0x34D1 0xD5E
        MUL16 t313+0 0x143A 0x28F0
t348:
        MUL16 0x11AD (0x1026) 0x979
        MUL16 0x35B1 (t83) 0x17D
        MUL16 (0x14F8) (0x1D7A) 0xBE3
        MUL16 d2 d2 0x3771
        MUL16 (d1+2) (0x3C7F) 0x12F3
        MUL16 (d0+6) (t299) 0x3115
        MUL16 (0x3414) t271+6 0x3319
        MUL16 d2 d2+6 0x3CCF
        MUL16 t178+0 d2+2 0x19F
        MUL16 t331+6 t119+2 0x13BD
        MUL16 0x1E9 0x1C3A (0x3FE3)
t349:
        MUL16 0x3C29 0x17A0 t81
        MUL16 (0x1BD7) 0x3497 (0x1076)
        MUL16 (t228) 0x2888 t115
        MUL16 t138+0 0x2121 (0x3D5F)
        MUL16 d1+0 0x373E t154
        MUL16 0x2ABD (0x17EF) (0x99E)
        MUL16 0x1171 t203 t114
        MUL16 (0xBD7) (0x3C99) (0x2BDA)
        MUL16 (d2) t195 (t176)
        MUL16 t338+0 (0x3A07) (0xBDB)
        MUL16 (t82+0) (t300) (d2)
t350:
        MUL16 (0x1A7F) (t16+4) (0x15E0)
        MUL16 t173 t249+2 (t274)
        MUL16 t182+4 d1+6 (0xD4)
        MUL16 d1+0 t175+0 (t77)
        MUL16 0x2967 0x47D d1+6
        MUL16 0x342F 0x29C2 t326+4
        MUL16 (0x1064) 0x558 (t109+0)
        MUL16 t83 0x32D9 d1+6
        MUL16 t59+4 0x874 (d1+4)
        MUL16 (d1+4) 0x3496 d0+0
        MUL16 (0x3350) (0x295) t149+2
t351:
        MUL16 d2 (d1) (d2+0)
        MUL16 (d2+4) (0x3DCD) d1+4
        MUL16 t125+0 t310 d0+4
        MUL16 0x2D58 t323+6 (d1+2)
        MUL16 0x17D2 d1+0 (d2+0)
        MUL16 (0x3C3F) t22+6 d0+6
        MUL16 t49 d0+4 t127+6
        MUL16 (d2+4) (d1+2) (d1+2)
        MUL16 t50+0 (d1+2) t78+0
        MUL32 0x1B6A 0x10FB
        MUL32 0x1348 0x5C0
t352:
        MUL32 (0x2B1D) 0xD96
        MUL32 (d2) 0x374
        MUL32 d2+6 0x1F03
        MUL32 (t143+0) 0x3179
        MUL32 0x2186 (0x31C7)
        MUL32 0x42C (d1)
        MUL32 (0x2479) (0x1F67)
        MUL32 d1 t249
        MUL32 (d1+2) (0x2766)
        MUL32 (d1+6) t229
        MUL32 0x2F26 d0+6
t353:
        MUL32 0x2027 (t214+4)
        MUL32 (0x2555) (d2+4)
        MUL32 (t120) t144+6
        MUL32 d1+6 d0+2
        MUL32 d0+4 d0+6
        MUL32 0x3515 $-76
        MUL32 0xA88 $-58
        MUL32 (0x1FEA) $-92
        MUL32 d0 $15
        MUL32 d0+4 $-94
        MUL32 t201+4 $1
t354:
        MUL32 0x21C5 $d1
        MUL32 0x1150 $d1
        MUL32 (0x23CC) $t0
        MUL32 d2 $t0
        MUL32 (t121+4) $d2
        MUL32 (d1+2) $d1
        MUL32 0x57F 0x3FFB 0x255E
        MUL32 0xB7A 0x272B 0xFBE
        MUL32 (0x2E2E) 0x24DC 0x2F89
        MUL32 t332 0x2F92 0x2A6C
        MUL32 t21+4 0x3D3 0x1F56
t355:
        MUL32 (d0+2) 0x32C1 0x2C0D
        MUL32 0x3C2B (0x2DC6) 0x27DD
        MUL32 0x74 d1 0x3F2
        MUL32 (0x3FA7) (0x2680) 0x373
        MUL32 t42 d1 0x3ACD
        MUL32 d2+0 (0x2D07) 0x318A
        MUL32 t243+2 d2 0x2BDF
        MUL32 0x3058 (d0+6) 0x226
        MUL32 0x1469 t101+0 0x2450
        MUL32 (0x2D00) d2+6 0xBAD
        MUL32 d1 t218+0 0x1B5F
t356:
        MUL32 (d1+2) (d2+4) 0x15AC
        MUL32 t224+6 (d2+0) 0xB92
        MUL32 0x211B 0x2795 (0x74D)
        MUL32 0xA87 0xDCC d0
        MUL32 (0x762) 0x2EBB (0x2F1)
        MUL32 t150 0x133B t20
        MUL32 t106+6 0x165F (0x1956)
        MUL32 t301+0 0x6B2 d0
        MUL32 0xA93 (0x39AF) (0x2332)
        MUL32 0x1FBE t284 d2
        MUL32 (0xD9B) (0x38C1) (0x400)
t357:
        MUL32 (d1) d2 d0
        MUL32 d0+6 (0x31DE) (0x36F9)
        MUL32 (t93+4) t229 d1
        MUL32 (0x20F1) t167+4 (0x1862)
        MUL32 d0 d2+2 d1
        MUL32 (d1+4) (d2+6) (0x368A)
        MUL32 (t270+6) t183+4 t269
        MUL32 0x14E1 0x21A9 d2+2
        MUL32 0x3351 0x7EB t111+6
        MUL32 (0x2607) 0x2511 d1+2
        MUL32 (t161) 0x2DB d2+4
t358:
        MUL32 t311+6 0x22B9 t232+0
        MUL32 d2+2 0x3D51 (d0+6)
        MUL32 (0x3889) (0x2714) (d1+2)
        MUL32 (d1) d2 t71+6
        MUL32 t202+6 (0x16B3) d2+6
        MUL32 t152+6 (d0) (d1+2)
        MUL32 0x18AA t275+4 (t332+2)
        MUL32 0x3813 (d0+0) d2+2
        MUL32 (0x154E) d1+4 d0+4
        MUL32 d1 d0+2 d1+4
        MUL32 d0+4 (d2+6) d2+0
t359:
        MUL32 d2+2 (t315+2) t177+0
        DIV8 0x2214 0x2993
        DIV8 0x9EB 0x249B
        DIV8 (0x20AB) 0x7CE
        DIV8 d1 0xF7C
        DIV8 d0+4 0x284C
        DIV8 t315+2 0x16B2
        DIV8 0xD01 (0x2196)
        DIV8 0x579 t105
        DIV8 (0x118E) (0x1BEE)
        DIV8 d1 d2
t360:
        DIV8 t297+6 (0x86C)
        DIV8 d2+0 (t53)
        DIV8 (0x265A) t359+6
        DIV8 t330 d2+4
        DIV8 (t357+6) t86+4
        DIV8 d1+2 (t293+6)
        DIV8 0x1A7A 0x2999 0x2D22
        DIV8 0x1A89 0x13C9 0x2C11
        DIV8 (0x1E44) 0x1588 0x2BAA
        DIV8 (t101) 0x5E8 0x205B
        DIV8 d0+2 0x985 0x131F
t361:
        DIV8 (d0+0) 0x2ECA 0x219A
        DIV8 0x3450 (0x169A) 0x3B7E
        DIV8 0x63E (t14) 0x8D2
        DIV8 (0x13DE) (0x271F) 0x18D8
        DIV8 d1 (d2) 0x1715
        DIV8 d2+4 (0xC3C) 0x4B8
        DIV8 (d2+6) d1 0x21C1
        DIV8 (0x322E) t205+0 0x2B70
        DIV8 d0 (t339+6) 0x1A24
        DIV8 d0+6 t132+4 0x1706
        DIV8 t272+2 t232+6 0x3C74
t362:
        DIV8 0x14AA 0x23C8 (0x1A27)
        DIV8 0x1354 0x214B d1
        DIV8 (0x8C8) 0xA63 (0x2E66)
        DIV8 (d1) 0x3193 t291
        DIV8 (d1+0) 0x1C53 (0x7BA)
        DIV8 t338+0 0x23EB d2
        DIV8 0x2D38 (0x272A) (0x3898)
        DIV8 0x2AE1 (d1) d0
        DIV8 (0x88F) (0x6FE) (0x37B9)
        DIV8 t198 t323 (d2)
        DIV8 t237+6 (0x23EB) (0x3493)
t363:
        DIV8 d0+4 t303 t151
        DIV8 (0x399D) d1+6 (0x391B)
        DIV8 d1 (t334+6) t151
        DIV8 (d1+2) d2+4 (0x28CB)
        DIV8 t118+0 (t156+2) (d1)
        DIV8 0x237E 0xEB3 d1+6
        DIV8 0x15B 0x982 (t289+4)
        DIV8 (0x2EED) 0x374 t345+0
        DIV8 d1 0x2CCA t243+0
        DIV8 t362+6 0x3E39 d0+6
        DIV8 t319+4 0x14CB d1+0
t364:
        DIV8 (0x1C26) (0xAE5) (t159+2)
        DIV8 d2 d0 t142+2
        DIV8 d0+0 (0x1F6A) d0+6
        DIV8 d0+4 (t330) d0+6
        DIV8 0x3D4F d1+6 t159+6
        DIV8 0x325D t225+0 (d1+2)
        DIV8 (0x1D21) t157+6 (d0+2)
        DIV8 (d1) d0+4 t318+6
        DIV8 (d0+6) d0+2 t90+0
        DIV8 (d1+2) d1+6 (t10+4)
        DIV16 0x156A 0x24B2
t365:
        DIV16 0x2D9F 0x1E9B
        DIV16 (0x15A0) 0x3414
        DIV16 t161 0x107
        DIV16 t289+6 0x16F5
        DIV16 (d0+4) 0x2500
        DIV16 0x25A4 (0xF3B)
        DIV16 0x3D6B (d1)
        DIV16 (0x3CB1) (0x1897)
        DIV16 (t305) d2
        DIV16 t163+4 (0xE8E)
        DIV16 (t72+6) t99
t366:
        DIV16 0x1AC2 d0+2
        DIV16 0xE9 (d1+0)
        DIV16 (0x3342) (d1+2)
        DIV16 (d0) t168+0
        DIV16 t144+2 (d2+6)
        DIV16 t124+2 d0+6
        DIV16 0x1693 $57
        DIV16 0x3AE4 $96
        DIV16 (0x3D99) $-31
        DIV16 (t15) $-99
        DIV16 (t329+6) $-33
t367:
        DIV16 d0+2 $45
        DIV16 0xD13 $t0
        DIV16 0x2DBA $t0
        DIV16 (0xAC1) $d0
        DIV16 d2 $d1
        DIV16 (d0+2) $t0
        DIV16 (t228+6) $d2
        DIV16 0x3711 0x3056 0x2464
        DIV16 0x78D 0xEA0 0x8DC
        DIV16 (0x1BC0) 0x119E 0x70E
        DIV16 t48 0x3CD7 0x3FF7
t368:
        DIV16 d2+2 0x28F2 0xABA
        DIV16 d0+2 0x38CD 0x22E2
        DIV16 0x1436 (0x10AD) 0x20A3
        DIV16 0x1AF7 d0 0xADF
        DIV16 (0x3205) (0x2017) 0x22B4
        DIV16 (d1) d2 0x9D6
        DIV16 (d2+4) (0x37EC) 0xEF0
        DIV16 t333+4 t32 0xF9E
        DIV16 (0x161B) (t94+4) 0x186F
        DIV16 (t17) t210+4 0x25AE
        DIV16 (d1+0) t146+2 0xA0E
t369:
        DIV16 d1+2 t30+0 0x288B
        DIV16 0x408 0x188 (0x14FB)
        DIV16 0x1315 0x33F9 d2
        DIV16 (0x2718) 0x29EB (0x1E6F)
        DIV16 d0 0x112C (d2)
        DIV16 t125+0 0x7F6 (0x19B8)
        DIV16 t35+6 0xAB8 d2
        DIV16 0x1CC8 (0x1B3F) (0x34B2)
        DIV16 0x33A5 t133 d1
        DIV16 (0x1FE0) (0x3977) (0x3435)
        DIV16 d1 (d1) (t265)
t370:
        DIV16 (t245+0) (0x20B7) (0xFFC)
        DIV16 (t308+4) d1 d2
        DIV16 (0x1F1D) (d1+0) (0x37D9)
        DIV16 t68 d2+0 (d1)
        DIV16 t236+0 d2+0 (0xB13)
        DIV16 (d2+2) t378+2 d0
        DIV16 0x25C2 0x187 d2+0
        DIV16 0x1630 0x760 d1+0
        DIV16 (0x26FA) 0x2ACC d1+0
        DIV16 t309 0x190A t41+4
        DIV16 (d0+6) 0x736 (t167+4)
t371:
        DIV16 (t12+6) 0x3D3D t350+6
        DIV16 (0x12F5) (0x29A4) d0+6
        DIV16 (t122) t52 d2+2
        DIV16 (t155+2) (0x20CD) t91+0
        DIV16 d2+2 t191 d2+6
        DIV16 0x23FF t52+6 t91+0
        DIV16 0x172A d0+4 t152+2
        DIV16 (0x3283) d1+4 t38+6
        DIV16 d2 (d2+2) t315+6
        DIV16 d1+0 t345+4 t106+6
        DIV16 d1+0 (t125+0) t75+4
t372:
        DIV32 0x1849 0x4B6
        DIV32 0x1995 0x28CF
        DIV32 (0x1AF8) 0x1A6E
        DIV32 (t181) 0xF21
        DIV32 (d2+4) 0x43
        DIV32 (t215+6) 0x1353
        DIV32 0x3E19 (0x7B0)
        DIV32 0x3096 t193
        DIV32 (0x3F71) (0x3F21)
        DIV32 t126 d2
        DIV32 (t273+2) (0x2AC4)
t373:
        DIV32 d1+2 t290
        DIV32 0x1AD0 (d2+0)
        DIV32 0x39F4 t70+6
        DIV32 (0x98F) (d1+2)
        DIV32 (t380) d2+0
        DIV32 d0+2 (d2+0)
        DIV32 (d1+2) d1+4
        DIV32 0x26B0 $-62
        DIV32 0x3980 $95
        DIV32 (0xA5E) $-94
        DIV32 d0 $-58
t374:
        DIV32 d0+4 $42
        DIV32 d2+4 $-13
        DIV32 0x3F82 $d0
        DIV32 0x3FBD $d0
        DIV32 (0x3742) $d0
        DIV32 d0 $d0
        DIV32 (d0+6) $d1
        DIV32 d0+6 $d2
        DIV32 0xA6A 0x16E2 0x1F63
        DIV32 0x37B6 0x2E93 0x13E2
        DIV32 (0x252E) 0x3443 0x2E8D
t375:
        DIV32 t344 0x2B93 0x24D4
        DIV32 d0+4 0x63B 0x1234
        DIV32 d2+4 0xDAD 0x2BB6
        DIV32 0x204A (0x3382) 0x13B0
        DIV32 0x12B5 d0 0x15E4
        DIV32 (0x3B93) (0x3507) 0x2580
        DIV32 d0 (t200) 0x1B9A
        DIV32 d1+6 (0x2CF8) 0x39BD
        DIV32 t322+2 (d2) 0x349C
        DIV32 0x1EF3 d0+4 0x7B
        DIV32 0x1C1B (d1+6) 0x16A0
t376:
        DIV32 (0x2313) (t71+2) 0x12C1
        DIV32 t345 t142+6 0x1477
        DIV32 t61+6 (d1+0) 0xBDA
        DIV32 d2+2 (t346+4) 0x11AC
        DIV32 0x2CAC 0x2A1B (0xE73)
        DIV32 0xC17 0x3884 d0
        DIV32 (0x306A) 0x1743 (0xB5A)
        DIV32 t16 0x208D d2
        DIV32 t253+4 0x184F (0x2F8D)
        DIV32 t129+0 0x32FC d1
        DIV32 0x34BF (0x1D8C) (0x2624)
t377:
        DIV32 0x2A2C d1 (d1)
        DIV32 (0xE46) (0x3BC3) (0x1CE0)
        DIV32 (t152) d1 (t333)
        DIV32 (d2+4) (0x18C6) (0x2804)
        DIV32 d1+4 (d2) (t90)
        DIV32 (0x3D36) (d2+2) (0x36DC)
        DIV32 (d1) d2+4 (t92)
        DIV32 t38+4 t13+6 (0x1738)
        DIV32 d0+4 d1+2 (d0)
        DIV32 0xAD5 0x29D6 t343+2
        DIV32 0x3D1A 0x1D7A t248+4
t378:
        DIV32 (0x1D4E) 0x3AB3 d0+0
        DIV32 (t227) 0x3A51 (t360+0)
        DIV32 t60+0 0x3DEC t363+0
        DIV32 t199+2 0x31C5 (d0+2)
        DIV32 (0xAC1) (0x20E5) d2+2
        DIV32 t211 t105 (d2+0)
        DIV32 t231+0 (0x57A) t288+6
        DIV32 (d2+6) d2 (d0+6)
        DIV32 0x3903 t252+2 t60+0
        DIV32 0x1309 t149+6 d1+0
        DIV32 (0x3B5E) d1+6 (d2+0)
t379:
        DIV32 (d0) d1+0 t12+6
        DIV32 d1+6 t161+0 t60+0
        DIV32 t84+0 t267+2 (d0+4)
        REM8 0x282B 0x256A
        REM8 0x3238 0x323A
        REM8 (0x34C7) 0x20F4
        REM8 d2 0xA78
        REM8 (t138+6) 0xD7E
        REM8 t114+2 0xBA9
        REM8 0x3447 (0x1B8B)
        REM8 0x16F4 t73
t380:
        REM8 (0x3608) (0x3061)
        REM8 (d1) d1
        REM8 (t148+2) (0x37E3)
        REM8 (t218+6) d2
        REM8 (0x2178) d1+0
        REM8 t84 d1+6
        REM8 d2+2 d0+0
        REM8 t158+2 d1+0
        REM8 0x540 0x1589 0x1490
        REM8 0x30D0 0x1FB3 0x7FD
        REM8 (0xAB6) 0x179C 0xDBF
t381:
        REM8 d2 0x36FB 0x1F19
        REM8 t40+6 0x2B90 0x21CE
        REM8 (d2+2) 0xF90 0x3BAB
        REM8 0x3220 (0x3459) 0x1AE1
        REM8 0x50 t348 0x2C21
        REM8 (0x1DE3) (0x19EB) 0x879
        REM8 (t369) (t341) 0x3090
        REM8 d0+6 (0x3F37) 0x689
        REM8 (d1+4) d0 0x2BC9
        REM8 (0xCB0) d2+4 0x3005
        REM8 d1 (d2+6) 0xB64
t382:
        REM8 (t246+0) d2+4 0x1E5E
        REM8 d1+2 t344+6 0x31D3
        REM8 0xD2B 0xACF (0xF13)
        REM8 0x3C5F 0x2598 (d0)
        REM8 (0x22AF) 0x4A3 (0x27B4)
        REM8 (d1) 0x304B t171
        REM8 t305+6 0x2844 (0x1B31)
        REM8 d2+6 0x3635 (t47)
        REM8 0x3645 (0x2C) (0x38B6)
        REM8 0x11D2 d2 t4
        REM8 (0x7F9) (0x2C88) (0x2BB6)
t383:
        REM8 (t105) (d2) d2
        REM8 d1+6 (0xCBF) (0x1B9A)
        REM8 (t318+6) (d0) (t325)
        REM8 (0x10A2) (t57+4) (0x3031)
        REM8 t326 d0+6 (t315)
        REM8 t125+6 t313+6 (0x1CD9)
        REM8 t264+6 d1+2 (t152)
        REM8 0x2FEC 0x2643 (d0+0)
        REM8 0x26E1 0x2103 t338+4
        REM8 (0x27B4) 0xA13 (d0+4)
        REM8 t353 0xA4 d2+4
t384:
        REM8 d1+2 0x432 (t1+6)
        REM8 t63+0 0x2B79 (d2+6)
        REM8 (0x3836) (0x57) d2+0
        REM8 t187 t142 t141+0
        REM8 t335+4 (0x286F) t41+0
        REM8 t215+0 d2 d1+2
        REM8 0x3A10 d1+2 d2+6
        REM8 0x1E15 (d0+4) (t302+6)
        REM8 (0xCB7) t376+6 t390+0
        REM8 (t54) t2+4 t58+6
        REM8 d2+0 t161+6 d2+4
t385:
        REM8 t143+2 (t267+6) (t320+0)
        REM16 0x123A 0x703
        REM16 0xE1F 0x33FE
        REM16 (0x765) 0x41F
        REM16 d2 0x90C
        REM16 d1+4 0x311A
        REM16 t182+4 0x2984
        REM16 0x329E (0x1A15)
        REM16 0x540 (d2)
        REM16 (0x3DA4) (0x2B5B)
        REM16 (t21) t205
t386:
        REM16 (t295+4) (0x3F7C)
        REM16 t71+0 t379
        REM16 0x192B t297+2
        REM16 0x3BC9 t162+4
        REM16 (0x322A) t293+2
        REM16 t225 t355+6
        REM16 (t80+6) (t205+4)
        REM16 d0+6 (d0+2)
        REM16 0x236B $39
        REM16 0x2A40 $-78
        REM16 (0x36F7) $68
t387:
        REM16 (d2) $24
        REM16 t133+4 $98
        REM16 (d2+2) $-80
        REM16 0x2A24 $d1
        REM16 0x26E4 $d1
        REM16 (0x3DAB) $d2
        REM16 d1 $d2
        REM16 d1+0 $t0
        REM16 t182+4 $d2
        REM16 0x3AE7 0x3B20 0x240E
        REM16 0x105F 0x7C4 0xE0
t388:
        REM16 (0xE1F) 0x1F76 0x7B7
        REM16 (t180) 0x66 0x3A51
        REM16 (t3+6) 0xA6D 0x1B5D
        REM16 (t96+6) 0x35DD 0x44
        REM16 0x15E2 (0x2C5E) 0x1CF4
        REM16 0x3ECC (d1) 0xD76
        REM16 (0x3838) (0x309A) 0x1DCA
        REM16 (d2) d1 0xCC3
        REM16 t158+4 (0x1934) 0x34F8
        REM16 d2+2 d1 0x16A1
        REM16 (0x10C1) d1+2 0x204E
t389:
        REM16 d0 d2+0 0x6EC
        REM16 d2+0 t28+6 0x38E4
        REM16 t118+0 (t357+2) 0x28D3
        REM16 0x1E66 0x104 (0x79A)
        REM16 0x3DA2 0xC67 (d0)
        REM16 (0x30BB) 0x3EC9 (0x3084)
        REM16 (d1) 0x28AD t73
        REM16 (d2+6) 0x219 (0x82)
        REM16 d2+6 0x1FDA (d0)
        REM16 0x179E (0x1CFD) (0x3CF8)
        REM16 0x3DD (d1) (d1)
t390:
        REM16 (0x763) (0x2EE) (0x3443)
        REM16 d0 t252 (t8)
        REM16 (d0+2) (0x3076) (0x33F5)
        REM16 d2+2 t178 d0
        REM16 (0x3C2C) (t354+0) (0x178C)
        REM16 d1 d1+4 d2
        REM16 d2+4 t233+4 (0x3689)
        REM16 t144+4 d0+4 (t156)
        REM16 0x1191 0x181C d1+6
        REM16 0x694 0x1219 d1+6
        REM16 (0x2D89) 0x191B d0+6
t391:
        REM16 t60 0x3637 d1+6
        REM16 d2+0 0x362 d0+4
        REM16 t326+4 0x21D6 t29+2
        REM16 (0x3E06) (0x2933) d0+6
        REM16 d0 t216 t253+4
        REM16 d0+2 (0x370F) d1+2
        REM16 d0+0 t70 d1+2
        REM16 0x219A d2+4 t112+2
        REM16 0x2F3E (t386+4) t252+0
        REM16 d1+4 d1+2 (t2+0)
        REM16 (t383+4) t179+4 t362+6
t392:
        REM32 0xF53 0x33AB
        REM32 0x1F3D 0x296A
        REM32 (0x16A4) 0x36A0
        REM32 (t73) 0x18B5
        REM32 (d0+0) 0x3903
        REM32 t37+0 0x2E40
        REM32 0x3397 (0x2C09)
        REM32 0x18FD (d1)
        REM32 (0x3BA0) (0x2445)
        REM32 (d0) (d0)
        REM32 (t331+2) (0x3788)
t393:
        REM32 t228+2 (d0)
        REM32 0x16E2 t11+2
        REM32 0x328B (d2+6)
        REM32 (0x2525) t235+2
        REM32 d0 t146+4
        REM32 d0+4 t63+2
        REM32 d2+4 (t166+0)
        REM32 0x2E0D $17
        REM32 0x31A4 $-6
        REM32 (0x33DC) $96
        REM32 d2 $94
t394:
        REM32 t84+2 $123
        REM32 (t293+6) $-33
        REM32 0x3A8F $t0
        REM32 0x58B $d0
        REM32 (0x307B) $d0
        REM32 d0 $t0
        REM32 (t222+6) $d2
        REM32 d1+2 $d1
        REM32 0x947 0x728 0x595
        REM32 0x3D8B 0xC14 0x2BF5
        REM32 (0xC80) 0x2F26 0x110F
t395:
        REM32 d2 0x3BEA 0x38EC
        REM32 t288+0 0x684 0x3A62
        REM32 t382+0 0x1405 0x3F27
        REM32 0x34A9 (0x173F) 0xBA3
        REM32 0xF67 d0 0x3706
        REM32 (0x20F7) (0x36F2) 0x3316
        REM32 d1 d0 0x29CA
        REM32 t339+2 (0x1F4E) 0x34C3
        REM32 (t278+2) t111 0xF26
        REM32 0x3C87 d2+6 0x19DF
        REM32 0x6D8 (t179+0) 0x1E62
t396:
        REM32 (0x35E7) t293+6 0x142E
        REM32 d1 t168+4 0x3834
        REM32 d2+4 t113+0 0x984
        REM32 d0+0 d1+0 0x1A0D
        REM32 0x383 0x2BB9 (0x39C0)
        REM32 0x3559 0x327 (d1)
        REM32 (0x1C64) 0x3AF3 (0x38B5)
        REM32 t387 0x16EB (t9)
        REM32 (d1+0) 0x1EF7 (0x4E9)
        REM32 d1+2 0x515 t153
        REM32 0x273A (0x16C8) (0x80A)
t397:
        REM32 0x1C t56 t261
        REM32 (0x1EFD) (0xFA9) (0x3B8F)
        REM32 (t296) (t326) d2
        REM32 t319+4 (0x8F6) (0xA28)
        REM32 d0+2 t316 t6
        REM32 (0x115B) (t346+6) (0x21FC)
        REM32 (d2) t95+6 (t33)
        REM32 d0+2 t274+2 (0x11A4)
        REM32 t206+4 (d1+2) (d0)
        REM32 0x2A93 0x3BBC t139+2
        REM32 0x1441 0x2F1 d1+4
t398:
        REM32 (0x3D9D) 0xD6 d0+6
        REM32 (d2) 0x1902 d1+4
        REM32 t316+0 0xAEE (d0+0)
        REM32 t201+0 0x1590 d0+4
        REM32 (0x2127) (0x99E) d0+6
        REM32 t153 t240 (d0+4)
        REM32 (d1+0) (0x1B57) t123+6
        REM32 (d2+2) (d2) d2+2
        REM32 0x2B1F t387+4 (d0+0)
        REM32 0x1B1E d0+2 t239+6
        REM32 (0x338E) (d1+2) t242+4
t399:
        REM32 d2 d0+4 d1+0
        REM32 t55+2 d1+6 (d2+4)
        REM32 t259+4 (d0+0) t157+4
        NEG8 0x2775 0x1435
        NEG8 0x307C 0x1B3
        NEG8 (0x19D2) 0x3578
        NEG8 (t308) 0x3494
        NEG8 d1+4 0xA2F
        NEG8 d0+4 0x2B85
        NEG8 0x5AA (0x37D3)
        NEG8 0x31BD t11
t400:
        NEG8 (0x298A) (0x906)
        NEG8 (t295) t21
        NEG8 (t340+4) (0xC65)
        NEG8 t39+4 (d1)
        NEG8 (0x16CB) t262+4
        NEG8 t359 t223+6
        NEG8 t334+6 d1+4
        NEG8 (t299+0) (d2+0)
        NEG8 0x3AF 0xCF4 0x32F5
        NEG8 0x1B2A 0x623 0x20A5
        NEG8 (0x24D8) 0x3EC8 0xF7E
t401:
        NEG8 d0 0x39E6 0xF70
        NEG8 (t209+6) 0x35C5 0x282D
        NEG8 d0+4 0x21A2 0x2D1A
        NEG8 0x2F4 (0xB5E) 0x2E8E
        NEG8 0x21A9 t208 0x3F70
        NEG8 (0x22A1) (0x1EAB) 0x318B
        NEG8 t336 (t319) 0xAD6
        NEG8 t262+0 (0x3CDA) 0x25AA
        NEG8 t264+2 (d0) 0x2FD0
        NEG8 (0x10E1) (t268+2) 0x128E
        NEG8 d0 d0+0 0x23D7
t402:
        NEG8 t154+4 (t167+4) 0x3E82
        NEG8 (t179+6) (d2+6) 0x25EE
        NEG8 0x2585 0xD33 (0x9F)
        NEG8 0x2237 0x11C d0
        NEG8 (0x10A4) 0x145 (0x1FAD)
        NEG8 (d1) 0xE19 d0
        NEG8 t389+2 0x2640 (0x3F24)
        NEG8 (t130+6) 0xEE7 (t35)
        NEG8 0x1CE2 (0x2EF8) (0x2C12)
        NEG8 0x2990 t388 d1
        NEG8 (0x146B) (0x312C) (0x2906)
t403:
        NEG8 (d2) t281 d2
        NEG8 t69+2 (0x2F94) (0x1558)
        NEG8 d1+6 (t357) t295
        NEG8 (0x13E6) (t148+6) (0x22F3)
        NEG8 (d2) t110+4 t299
        NEG8 t390+4 (t192+6) (0x1B04)
        NEG8 d1+2 d1+2 (d2)
        NEG8 0x1AD1 0x2281 (d2+4)
        NEG8 0x3802 0x23D1 d2+2
        NEG8 (0x2AA5) 0x149D (t226+6)
        NEG8 d2 0x3127 t264+2
t404:
        NEG8 t328+4 0x1278 d1+6
        NEG8 (d2+4) 0x1CA3 (d0+2)
        NEG8 (0x30F8) (0x28AC) (d1+2)
        NEG8 (t49) (d0) (d2+6)
        NEG8 t401+6 (0x1CC5) d2+4
        NEG8 (d2+4) t86 d1+6
        NEG8 0x27D2 d1+2 d2+6
        NEG8 0x291E t246+4 (t305+4)
        NEG8 (0x344D) t383+2 t277+4
        NEG8 t368 (d0+0) (d1+6)
        NEG8 d2+2 d0+4 d0+0
t405:
        NEG8 d1+0 d2+6 d1+4
        NEG16 0x10 0x2DFF
        NEG16 0x1FC5 0x39B0
        NEG16 (0x29C2) 0xCE4
        NEG16 t317 0x3912
        NEG16 (t219+4) 0x2335
        NEG16 d2+6 0x8FD
        NEG16 0x32C0 (0x227C)
        NEG16 0x3B5C d0
        NEG16 (0x2DAA) (0x3F6B)
        NEG16 d2 (t226)
t406:
        NEG16 (d0+6) (0x2D7)
        NEG16 d0+0 d2
        NEG16 0x2DE t352+4
        NEG16 0x2550 t298+6
        NEG16 (0x81E) d0+2
        NEG16 d2 (t300+2)
        NEG16 (t261+2) d0+4
        NEG16 d0+6 d0+0
        NEG16 0x3B4C $-23
        NEG16 0x772 $9
        NEG16 (0xE55) $-5
t407:
        NEG16 d2 $-15
        NEG16 t50+6 $-43
        NEG16 d0+4 $5
        NEG16 0x17D2 $d2
        NEG16 0x633 $d1
        NEG16 (0x161E) $d1
        NEG16 (d1) $d0
        NEG16 d0+0 $t0
        NEG16 t261+2 $d2
        NEG16 0x36 0x2D00 0x1736
        NEG16 0x158E 0x3E9D 0x2453
t408:
        NEG16 (0x2242) 0x3695 0x1DB0
        NEG16 d1 0x3324 0x10A4
        NEG16 (d0+4) 0x23FB 0x300F
        NEG16 d1+4 0x1102 0x2A67
        NEG16 0x1EE7 (0x2E96) 0x418
        NEG16 0x11F3 (d2) 0x1F07
        NEG16 (0x339C) (0x160E) 0x1E36
        NEG16 d0 (d2) 0x82D
        NEG16 (t393+0) (0x35D2) 0x14C
        NEG16 t263+0 (t37) 0x89F
        NEG16 (0x2B87) d2+6 0x35A9
t409:
        NEG16 t163 t229+0 0x3A47
        NEG16 t271+6 (t192+0) 0x1628
        NEG16 (d1+2) (t26+2) 0x1E5E
        NEG16 0x1323 0x1E13 (0xC2D)
        NEG16 0xC57 0x61C t95
        NEG16 (0x2F94) 0x30F2 (0x18DF)
        NEG16 t249 0xC0C d1
        NEG16 (d0+2) 0x2B4C (0x2657)
        NEG16 d0+4 0xE8F (d2)
        NEG16 0x2610 (0xAD1) (0x461)
        NEG16 0x2625 t46 t285
t410:
        NEG16 (0xF46) (0xF64) (0x1E2A)
        NEG16 (t243) (d2) (d2)
        NEG16 d1+0 (0x1461) (0x3FD2)
        NEG16 d0+4 t392 d2
        NEG16 (0x892) d2+2 (0x2BE9)
        NEG16 d2 d0+2 d0
        NEG16 t194+0 (d2+2) (0x12CE)
        NEG16 d2+0 (t70+6) d0
        NEG16 0x2B72 0x952 d0+2
        NEG16 0x29AE 0x3DC3 t159+6
        NEG16 (0x1413) 0x35D3 t310+2
t411:
        NEG16 (d0) 0x19F5 t23+2
        NEG16 d0+6 0x3655 d2+2
        NEG16 t385+2 0x2C57 (d1+6)
        NEG16 (0x12E8) (0x3105) (d2+6)
        NEG16 t323 d2 t65+6
        NEG16 t280+0 (0x15D7) t64+6
        NEG16 t174+0 d0 d2+4
        NEG16 0xC9B t38+2 (d1+4)
        NEG16 0x24E7 (d2+0) d1+0
        NEG16 (0x161B) t275+6 t6+2
        NEG16 t306 d1+0 (d0+2)
t412:
        NEG16 d0+4 (t366+2) t360+2
        NEG16 d0+0 t147+4 t278+6
        NEG32 0x2388 0x27A
        NEG32 0x194E 0x21DA
        NEG32 (0x2CAC) 0x3234
        NEG32 (d2) 0x5FC
        NEG32 d1+2 0x304D
        NEG32 (t334+6) 0x1E1D
        NEG32 0x3003 (0x3464)
        NEG32 0x8C7 d2
        NEG32 (0x161F) (0x2F82)
t413:
        NEG32 (d0) t11
        NEG32 t38+4 (0x1A82)
        NEG32 t197+6 d1
        NEG32 0x20F3 d1+0
        NEG32 0x23BB t250+4
        NEG32 (0x1FDB) t231+0
        NEG32 t107 t219+0
        NEG32 t108+2 (d2+4)
        NEG32 d1+4 (d0+0)
        NEG32 0x18A1 $111
        NEG32 0x3AAF $-6
t414:
        NEG32 (0xBCC) $32
        NEG32 d0 $95
        NEG32 t180+0 $29
        NEG32 (t394+2) $63
        NEG32 0x3032 $d1
        NEG32 0x1B4E $d0
        NEG32 (0x97B) $d0
        NEG32 t373 $d0
        NEG32 d1+6 $t0
        NEG32 t282+0 $d0
        NEG32 0x1FFD 0xFA1 0xB9D
t415:
        NEG32 0x3DA4 0x3103 0x1CE8
        NEG32 (0x149C) 0x367B 0x1D5D
        NEG32 d1 0x34FC 0x5BB
        NEG32 t12+6 0x12B 0x2574
        NEG32 (t302+2) 0x1DB7 0x883
        NEG32 0x16AF (0x1C21) 0x1E20
        NEG32 0x63D (t109) 0x18E7
        NEG32 (0x373D) (0x3EF5) 0x35CA
        NEG32 t368 t359 0x411
        NEG32 d0+0 (0x381B) 0x2E56
        NEG32 (d1+2) (d0) 0x2F77
t416:
        NEG32 0x3CD3 d1+6 0x2E70
        NEG32 0x2A97 d2+4 0x4C4
        NEG32 (0x1B27) t253+6 0x1B09
        NEG32 d2 d1+4 0x39B6
        NEG32 t411+0 (t82+0) 0x2E3
        NEG32 t289+0 t68+2 0x3927
        NEG32 0x2E93 0x3615 (0x2522)
        NEG32 0x1F66 0xA4 (d0)
        NEG32 (0x23A4) 0x209C (0x1D0E)
        NEG32 (t79) 0x2A36 (t317)
        NEG32 t158+4 0x2FEC (0xCA0)
t417:
        NEG32 d1+0 0xBED t384
        NEG32 0xA00 (0x2A5C) (0x132F)
        NEG32 0x3041 (d1) t164
        NEG32 (0x3264) (0x2FB) (0x1775)
        NEG32 d1 t171 t425
        NEG32 (t325+6) (0x3F9C) (0x2B76)
        NEG32 d2+2 (d1) t284
        NEG32 (0xB6A) t300+0 (0x12A5)
        NEG32 (d0) t69+2 t287
        NEG32 (d1+2) (t231+6) (0x2D45)
        NEG32 (d1+6) (d1+6) (d0)
t418:
        NEG32 0x17F8 0x157C (t49+0)
        NEG32 0x2F40 0x3146 (t171+0)
        NEG32 (0x37C4) 0x8BC (t69+6)
        NEG32 t54 0x106E d2+2
        NEG32 t357+4 0x3688 (d1+2)
        NEG32 (t242+6) 0x2A32 d0+2
        NEG32 (0x3133) (0x25FB) (t102+4)
        NEG32 (d0) (d2) d1+6
        NEG32 t413+6 (0x89A) (t259+6)
        NEG32 t426+6 t263 (t298+6)
        NEG32 0x3C4B (t147+4) d0+2
t419:
        NEG32 0x2B81 (d0+4) (t339+6)
        NEG32 (0x31A3) d0+4 d2+6
        NEG32 t117 t73+6 (t134+6)
        NEG32 d1+6 t188+0 t365+6
        NEG32 (t21+4) (t32+6) (d1+6)
        INC8 0x3D54 $-88
        INC8 0x1476 $-3
        INC8 (0xEE4) $44
        INC8 d0 $77
        INC8 t5+0 $11
        INC8 d1+0 $-97
t420:
        INC8 0x989 $d1
        INC8 0x3F01 $d2
        INC8 (0x3840) $d0
        INC8 t407 $d2
        INC8 (d1+4) $d0
        INC16 0x3009 $88
        INC16 0x2DF6 $73
        INC16 (0x241) $-55
        INC16 (t305) $18
        INC16 (t377+2) $-47
t421:
        INC16 d2+4 $96
        INC16 0x16EF $d2
        INC16 0x2438 $d2
        INC16 (0xA90) $d1
        INC16 d1 $d1
        INC16 d1+0 $d1
        INC16 (t307+6) $d2
        INC32 0x9AC $62
        INC32 0x3758 $82
        INC32 (0xD52) $-31
        INC32 (d1) $-57
t422:
        INC32 (d1+4) $-70
        INC32 d2+4 $-17
        INC32 0x22C $d2
        INC32 0xCBF $d1
        INC32 (0x1ED5) $d0
        INC32 t253 $t0
        INC32 (d0+6) $d0
        INC32 d1+4 $d2
        DEC8 0x3E01 $-71
        DEC8 0x2229 $54
        DEC8 (0xC3E) $125
t423:
        DEC8 t198 $116
        DEC8 (t278+2) $-73
        DEC8 d0+2 $46
        DEC8 0x915 $t0
        DEC8 0x374B $t0
        DEC8 (0x366F) $d0
        DEC8 d1 $d0
        DEC8 t406+6 $t0
        DEC8 d0+6 $d1
        DEC16 0x29CC $74
        DEC16 0x3D82 $36
t424:
        DEC16 (0x13D3) $-23
        DEC16 (t77) $56
        DEC16 t118+2 $89
        DEC16 (t189+4) $71
        DEC16 0x2848 $d1
        DEC16 0x1EFF $d2
        DEC16 (0x3BB9) $t0
        DEC16 (d2) $d1
        DEC16 (t229+0) $d1
        DEC16 t228+6 $d1
        DEC32 0x3F53 $-68
t425:
        DEC32 0x1508 $49
        DEC32 (0x5B4) $10
        DEC32 (d0) $-42
        DEC32 t307+6 $69
        DEC32 d2+4 $51
        DEC32 0x3E1E $d0
        DEC32 0x3410 $d1
        DEC32 (0x27FD) $t0
        DEC32 d1 $d0
        DEC32 t54+2 $d1
        DEC32 t97+4 $t0
t426:
        BTST8 0x2A22 $-40
        BTST8 0x8DB $6
        BTST8 (0x3B38) $-52
        BTST8 d1 $67
        BTST8 d0+6 $124
        BTST8 d2+4 $0
        BTST8 0xB83 $d0
        BTST8 0x273E $d1
        BTST8 (0x39A4) $t0
        BTST8 d2 $d0
        BTST8 (d0+6) $d0
t427:
        BTST8 (d2+4) $d0
        BTST8 0x1E50 (0x945) 0x1524
        BTST8 0x10D d1 0x1715
        BTST8 0xD38 0x2507 (0xB86)
        BTST8 0x1EE2 0xADC d0
        BTST8 0x24C6 (0x3B4F) (0x11C1)
        BTST8 0x1F85 (d1) t296
        BTST8 0x2308 $-77 D
        BTST8 0x197D $-16 C
        BTST8 (0x2CE6) $43 I
        BTST8 (t73) $77 F3
t428:
        BTST8 d2+0 $-88 I
        BTST8 d0+2 $94 I
        BTST8 0xE17 $d1 S
        BTST8 0x17A0 $d2 F7
        BTST8 (0x37E8) $d2 F7
        BTST8 (d2) $d1 H
        BTST8 t139+2 $t0 F0
        BTST8 (t0+0) $d1 Z
        BTST16 0x2B09 $103
        BTST16 0x2778 $-80
        BTST16 (0x1481) $88
t429:
        BTST16 (t435) $16
        BTST16 (d0+6) $-80
        BTST16 d0+0 $100
        BTST16 0x187B $t0
        BTST16 0x1B65 $t0
        BTST16 (0x5FF) $d0
        BTST16 (t34) $d2
        BTST16 (d2+4) $d0
        BTST16 (t126+0) $d1
        BTST16 0x33D4 (0x157F) 0x22E5
        BTST16 0x395A d0 0xE72
t430:
        BTST16 0x23F1 0x3A5B (0x7D)
        BTST16 0x3667 0x2E53 (d0)
        BTST16 0x3634 (0x26E7) (0x1CA1)
        BTST16 0x1619 d0 t125
        BTST16 0x3C07 $36 O
        BTST16 0x1F23 $92 S
        BTST16 (0x3BF1) $-15 S
        BTST16 d0 $47 D
        BTST16 d1+4 $-4 O
        BTST16 (t437+6) $-74 T
        BTST16 0x2FDC $t0 T
t431:
        BTST16 0x21F2 $d0 H
        BTST16 (0x3D9C) $d0 O
        BTST16 t174 $d2 S
        BTST16 (d1+6) $t0 F3
        BTST16 d0+2 $d1 Z
        BTST32 0x3E6E $123
        BTST32 0x3F31 $82
        BTST32 (0x2B03) $-98
        BTST32 (d2) $-30
        BTST32 d1+4 $70
        BTST32 t259+2 $91
t432:
        BTST32 0x19FF $d2
        BTST32 0x3CAE $d2
        BTST32 (0x13FB) $d0
        BTST32 t199 $t0
        BTST32 d1+6 $d0
        BTST32 t334+0 $d1
        BTST32 0xEC5 (0x1756) 0x3D39
        BTST32 0x56E t70 0x3FC4
        BTST32 0x3D7F 0x3EC4 (0x6B5)
        BTST32 0x2012 0x2075 (t23)
        BTST32 0xC3A (0x1D92) (0x216E)
t433:
        BTST32 0x2217 (t340) (d1)
        BTST32 0x1393 $-35 O
        BTST32 0x31F1 $76 F3
        BTST32 (0x2B28) $27 C
        BTST32 t186 $100 T
        BTST32 t307+0 $-34 D
        BTST32 d2+2 $-3 D
        BTST32 0x461 $d2 T
        BTST32 0x37D7 $t0 T
        BTST32 (0x2518) $t0 O
        BTST32 (t440) $d2 F7
t434:
        BTST32 t72+4 $d1 F0
        BTST32 (d2+2) $d2 F7
        BCLR8 0x2FD5 $115
        BCLR8 0x3519 $-79
        BCLR8 (0xDE8) $35
        BCLR8 d0 $64
        BCLR8 t296+2 $-19
        BCLR8 (t374+2) $30
        BCLR8 0x9F $t0
        BCLR8 0x145C $d0
        BCLR8 (0x2E77) $d1
t435:
        BCLR8 d0 $t0
        BCLR8 (d0+4) $d0
        BCLR8 d0+6 $d1
        BCLR16 0x1D95 $86
        BCLR16 0x3570 $50
        BCLR16 (0x2EA0) $111
        BCLR16 t278 $-100
        BCLR16 d2+2 $30
        BCLR16 (d0+4) $67
        BCLR16 0x14FA $t0
        BCLR16 0x18AA $d2
t436:
        BCLR16 (0x3A4E) $t0
        BCLR16 t58 $d0
        BCLR16 t338+6 $d2
        BCLR16 t382+6 $d1
        BCLR32 0x1D76 $122
        BCLR32 0xFFD $60
        BCLR32 (0x292) $-59
        BCLR32 d0 $24
        BCLR32 t231+6 $48
        BCLR32 t243+2 $-84
        BCLR32 0x2ABB $d0
t437:
        BCLR32 0x3D77 $d2
        BCLR32 (0x1199) $d2
        BCLR32 d1 $d2
        BCLR32 d0+0 $t0
        BCLR32 t391+0 $t0
        BSET8 0x1D84 $35
        BSET8 0x2152 $-47
        BSET8 (0x23E0) $-16
        BSET8 t275 $50
        BSET8 d1+2 $-53
        BSET8 t438+4 $-10
t438:
        BSET8 0x2D41 $d2
        BSET8 0x1364 $d0
        BSET8 (0x2280) $d1
        BSET8 t319 $d0
        BSET8 d0+2 $d2
        BSET8 t300+0 $d2
        BSET16 0x3498 $122
        BSET16 0xAA1 $94
        BSET16 (0x2B91) $-59
        BSET16 (d2) $54
        BSET16 d2+0 $82
t439:
        BSET16 (d1+2) $2
        BSET16 0xE84 $t0
        BSET16 0x10A $t0
        BSET16 (0x27B8) $d2
        BSET16 d0 $d0
        BSET16 d2+6 $t0
        BSET16 d1+2 $d0
        BSET32 0xA6D $51
        BSET32 0x103A $-20
        BSET32 (0x24B2) $76
        BSET32 d1 $68
t440:
        BSET32 (d2+0) $-1
        BSET32 (t263+4) $76
        BSET32 0x14C1 $t0
        BSET32 0xADC $d1
        BSET32 (0xC70) $d1
        BSET32 d1 $d2
        BSET32 t157+0 $d2
        BSET32 d2+4 $d1
        INV8 0xFE3 0x2AA4
        INV8 0x3DD3 0x1B1E
        INV8 (0x5F5) 0x363D
t441:
        INV8 d1 0x1CBE
        INV8 d2+6 0x1C1E
        INV8 (t385+4) 0x3E91
        INV8 0x3917 (0x2BB6)
        INV8 0x1891 t110
        INV8 (0x3F53) (0x1093)
        INV8 (t31) t110
        INV8 0x3C44 (d1+6)
        INV8 0x3364 t317+2
        INV8 (0x22DC) (t424+6)
        INV8 (d1) t421+6
t442:
        INV8 d2+0 t204+2
        INV8 d2+4 d2+0
        INV8 0x10CF $12
        INV8 0x30CC $16
        INV8 (0x1714) $95
        INV8 d2 $35
        INV8 t323+4 $66
        INV8 t232+6 $-6
t443:
        INV16 0xCCB 0x552
        INV16 0xCFE 0xFDC
        INV16 (0x1E70) 0x2586
        INV16 d1 0x97A
        INV16 t113+6 0x146E
        INV16 (t77+0) 0x32FA
        INV16 0x1E2E (0x31F4)
        INV16 0x1D40 t72
t444:
        INV16 (0x764) (0x271A)
        INV16 (d2) (d0)
        INV16 0x2A7B t105+0
        INV16 0x2557 (t295+2)
        INV16 (0x1D1B) (t150+2)
        INV16 (t160) t275+0
        INV16 d2+6 (d1+2)
        INV16 (t316+2) (d0+0)
        INV16 0x2AB3 $42
        INV16 0x2A9B $73
        INV16 (0x3E1D) $51
t445:
        INV16 (d2) $79
        INV16 d2+0 $79
        INV16 t298+2 $-67
        INV32 0x20AC 0x13DB
        INV32 0x26E0 0x3938
t446:
        INV32 (0x1795) 0x8
        INV32 (d0) 0x105E
        INV32 t345+2 0x34FF
        INV32 (d2+2) 0x107E
        INV32 0x2997 (0x3267)
        INV32 0xA3E (d2)
        INV32 (0x1F3B) (0x2B19)
        INV32 t359 t425
        INV32 0x3CC t390+4
        INV32 0x2ED9 t240+4
        INV32 (0x2A92) (d2+2)
t447:
        INV32 t111 (d2+4)
        INV32 (t17+6) (t177+2)
        INV32 d0+4 (d0+6)
        INV32 0x1662 $49
        INV32 0x3322 $95
        INV32 (0x111E) $80
        INV32 d2 $-4
        INV32 (t335+6) $-56
        INV32 (t192+6) $-74
t448:
        CPY8 0x3EFE 0x18F7
        CPY8 0x29CF 0x14E
        CPY8 (0xF39) 0x1E26
        CPY8 (t187) 0x2C4B
        CPY8 t132+0 0x2153
        CPY8 d2+4 0x33DE
        CPY8 0x3139 (0x3655)
t449:
        CPY8 0x126 t331
        CPY8 (0x3549) (0x18D9)
        CPY8 (t202) d2
        CPY8 0x30F2 t185+2
        CPY8 0x3E21 d0+0
        CPY8 (0x146E) (d2+2)
        CPY8 d2 d1+0
        CPY8 (d2+2) t220+2
        CPY8 t396+4 d0+2
        CPY8 0xBE $79
        CPY8 0x35DE $64
t450:
        CPY8 (0x2C5) $-67
        CPY8 d2 $64
        CPY8 d0+2 $-16
        CPY8 d1+2 $-94
        CPY16 0x352 0x2696
t451:
        CPY16 0x1FFD 0x1E35
        CPY16 (0x33DD) 0x13F0
        CPY16 t144 0x1687
        CPY16 (d1+2) 0x2CB9
        CPY16 d2+6 0x3D17
        CPY16 0x2932 (0x2AC8)
        CPY16 0x3987 t359
        CPY16 (0x1C5D) (0x373B)
        CPY16 d0 (d0)
        CPY16 0x96D (d2+6)
        CPY16 0x1A43 t307+2
t452:
        CPY16 (0x3577) (d1+0)
        CPY16 t263 (t254+0)
        CPY16 d2+6 t181+4
        CPY16 (d1+6) t234+2
        CPY16 0x18A4 $-43
        CPY16 0xF1D $-82
        CPY16 (0x27EF) $-91
        CPY16 (t190) $26
        CPY16 d1+4 $57
        CPY16 (d2+2) $101
t453:
        CPY32 0x1BF7 0x2FA7
        CPY32 0x71E 0x11FF
        CPY32 (0x58D) 0x29D2
        CPY32 (t167) 0x10C3
        CPY32 d0+2 0x3145
        CPY32 (t195+4) 0x2315
t454:
        CPY32 0x2312 (0x29F)
        CPY32 0xBCE d1
        CPY32 (0x2005) (0x1554)
        CPY32 d1 (t9)
        CPY32 0x1A89 d1+0
        CPY32 0x3AA4 t13+6
        CPY32 (0xC5B) t239+4
        CPY32 (t341) t317+2
        CPY32 t182+2 d2+0
        CPY32 t228+6 t392+0
        CPY32 0x3983 $74
t455:
        CPY32 0x2184 $9
        CPY32 (0x985) $-35
        CPY32 (d0) $74
        CPY32 t354+4 $-15
        CPY32 t167+2 $117
t456:
        OUTPORT 0x232A 0xA2B
        OUTPORT 0x28BC 0x1AD3
        OUTPORT t155 0x28C2
        OUTPORT t181 0x111E
        OUTPORT 0x32CA (0x1928)
        OUTPORT 0x1199 d1
        OUTPORT t151 t433
        OUTPORT d1 (d0)
        OUTPORT d1 (t148+0)
        OUTPORT t128 (t382+2)
        OUTPORT 0x2CC6 $-99
t457:
        OUTPORT 0x376D $76
        OUTPORT t120 $-24
        OUTPORT t387 $-27
        OUTPORT 0x12C4 $d0
        OUTPORT 0x161B $t0
        OUTPORT d1 $d1
        OUTPORT t218 $d0
        ANDPORT 0x957 $46
        ANDPORT 0x22FF $-74
        ANDPORT d1 $-40
        ANDPORT d2 $104
t458:
        ANDPORT 0x3B1C $t0
        ANDPORT 0x27C9 $d0
        ANDPORT t311 $d2
        ANDPORT t272 $d2
        ANDPORT 0xB6 0x373D $62
        ANDPORT 0x15BB 0x9A1 $2
        ANDPORT t173 d2 $78
t459:
        ANDPORT d1 t436 $-31
        ANDPORT 0x37E4 0x3518 $d0
        ANDPORT 0x1707 0x1EEA $d0
        ANDPORT t120 d1 $d1
        ANDPORT d1 d1 $d2
        ORPORT 0x3FB1 $68
        ORPORT 0x34E $-25
        ORPORT d2 $-54
        ORPORT d0 $-19
        ORPORT 0x823 $t0
        ORPORT 0x3D31 $d0
t460:
        ORPORT d1 $d2
        ORPORT d0 $d1
        ORPORT 0x10C3 0x36B d1
        ORPORT 0x21AE 0x3B14 $69
        ORPORT 0x1164 0x3B50 $15
        ORPORT d1 (d1) $-10
        ORPORT d2 (d1) $22
        ORPORT 0x2945 0x3A1D $t0
t461:
        ORPORT 0x270D 0x32BA $d2
        ORPORT t339 d2 $d0
        ORPORT t128 (d1) $d2
        INPORT 0x1B9A 0x68E
        INPORT 0x3C0A 0x1619
        INPORT d2 0x33C7
        INPORT t270 0x1617
        INPORT 0x3223 (0x279F)
        INPORT 0xEAA (t217)
        INPORT d1 (t290)
        INPORT d0 t110
t462:
        INPORT d2 t56+2
        INPORT t369 t374+6
        INPORT 0x35B3 $76
        INPORT 0x1F81 $89
        INPORT d2 $-15
        INPORT t266 $29
        INPORT 0x21AD $t0
        INPORT 0xB53 $d0
        INPORT t368 $d2
        INPORT t214 $t0
        PORTTST 0xC72 $-68
t463:
        PORTTST 0x35E7 $60
        PORTTST d0 $98
        PORTTST t433 $-47
        PORTTST 0xF53 $d1
        PORTTST 0x1903 $d1
        PORTTST d1 $d0
        PORTTST 0x28D6 d1 0x3A7
t464:
        PORTTST 0xEEF $29 F3
        PORTTST 0xD2C $-13 T
        PORTTST t462 $108 O
        PORTTST d2 $122 F3
        PORTTST 0x3DA3 $d0 F7
        PORTTST 0x19BD $d1 C
        PORTTST d1 $d1 O
        PORTTST t403 $d1 Z
        CMP8 0x22CD 0xD67
        CMP8 0x26DC 0x1CB2
        CMP8 (0x242E) (0x3550)
t465:
        CMP8 d2 d0
        CMP8 t229+2 (0x342B)
        CMP8 d0+2 d0
        CMP8 (0xCCD) (t161+0)
        CMP8 t178 t454+4
        CMP8 (t308+2) (t417+2)
        CMP8 (t392+0) (t275+4)
        CMP8 0x3F7 $-100
        CMP8 0x25B0 $15
        CMP8 (0xC6D) $87
        CMP8 (t93) $-68
t466:
        CMP8 (d1+2) $78
        CMP8 t413+0 $-69
        CMP8 0xBBF $d0
        CMP8 0x2980 $d0
        CMP8 (0x2D65) $d0
        CMP8 t426 $d1
        CMP8 (d0+6) $d1
        CMP8 d1+2 $d1
        CMP16 0x2D79 0xA1A
        CMP16 0xF6A 0x359D
        CMP16 (0x3881) (0x1A6E)
t467:
        CMP16 (t418) (d2)
        CMP16 t324+0 (0x13BD)
        CMP16 d2+4 t154
        CMP16 (0x244D) t211+4
        CMP16 (t371) (d0+4)
        CMP16 (t322+0) (t196+0)
        CMP16 t395+6 d1+4
        CMP16 0x3174 $-81
        CMP16 0x5AD $78
        CMP16 (0x2F4E) $102
        CMP16 (t422) $-76
t468:
        CMP16 d2+4 $-80
        CMP16 (d0+2) $-37
        CMP16 0x3E4C $t0
        CMP16 0xC22 $d0
        CMP16 (0x1C82) $t0
        CMP16 d1 $d0
        CMP16 d2+0 $d1
        CMP16 d1+6 $d1
        CMP32 0x8A 0x24CB
        CMP32 0x2295 0x606
        CMP32 (0x2D2F) (0x1C29)
t469:
        CMP32 (d0) (d1)
        CMP32 t431+2 (0x2EBC)
        CMP32 d0+4 (d1)
        CMP32 (0x7AF) t125+6
        CMP32 d0 (t175+6)
        CMP32 (d0+0) t327+4
        CMP32 t285+4 t428+2
        CMP32 0x2909 $-22
        CMP32 0x23FC $-5
        CMP32 (0x107E) $-62
        CMP32 (t473) $-91
t470:
        CMP32 t326+2 $20
        CMP32 d1+0 $-21
        CMP32 0xC72 $t0
        CMP32 0x422 $d2
        CMP32 (0x21C4) $d0
        CMP32 t11 $t0
        CMP32 d0+0 $d1
        CMP32 t154+4 $d0
        JUMP 0x2A51
        JUMP 0x33FB
        JUMP (0x25E8)
t471:
        JUMP (t217)
        JUMP t464+2
        JUMP (d2+4)
        JGT 0x5E5B
        JGT 0x4026
        JGT (0x3717)
        JGT (d0)
        JGT (d1+4)
        JGT t376+4
        JGTS 0x6B4
        JGTS 0x2B71
t472:
        JGTS (0x7B4)
        JGTS (t417)
        JGTS d0+4
        JGTS t305+4
        JGE 0x3C44
        JGE 0x5B6C
        JGE (0x38AE)
        JGE d2
        JGE d2+4
        JGE t229+6
        JGES 0x78B2
t473:
        JGES 0x53A9
        JGES (0xF1B)
        JGES t374
        JGES t222+0
        JGES (t333+0)
        JLT 0x3F08
        JLT 0x2B6F
        JLT (0x287F)
        JLT (t363)
        JLT t179+2
        JLT t44+6
t474:
        JLTS 0xC1B
        JLTS 0x4940
        JLTS (0x249F)
        JLTS (d0)
        JLTS (d0+4)
        JLTS (d2+0)
        JLE 0x4CA6
        JLE 0x2DED
        JLE (0xE32)
        JLE t194
        JLE d1+2
t475:
        JLE (t163+4)
        JLES 0x5EFE
        JLES 0x34EE
        JLES (0x26F2)
        JLES d2
        JLES (d1+6)
        JLES d1+2
        JNZ 0x9C1
        JNZ 0x1E0F
        JNZ (0x272)
        JNZ d1
t476:
        JNZ d0+4
        JNC 0x20A6
        JNC 0x1D4C
        JNC (0x3AF1)
        JNC (d0)
        JNC (t329+4)
        JNC (d1+6)
        JNO 0x7214
        JNO 0x6CC1
        JNO (0x146A)
t477:
        JNO t341
        JNO d2+6
        JNO d2+2
        JNS 0x78B4
        JNS 0x6444
        JNS (0x63A)
        JNS t119
        JNS d1+2
        JNS (t165+6)
        JNI 0x6A52
        JNI 0x46F6
t478:
        JNI (0x5F0)
        JNI d0
        JNI t271+0
        JNI d1+0
        JND 0x247C
        JND 0x5DB1
        JND (0x2CB5)
        JND d2
        JND d2+4
        JND (d1+4)
        JNT 0x74ED
t479:
        JNT 0x6318
        JNT (0x73F)
        JNT t66
        JNT (t25+6)
        JNT t40+4
        JNH 0xE3A
        JNH 0x1F63
        JNH (0x856)
        JNH t480
        JNH t268+6
        JNH t30+2
t480:
        JNF0 0xF50
        JNF0 0x7A94
        JNF0 (0x1765)
        JNF0 (d0)
        JNF0 (t201+6)
        JNF0 (d0+0)
        JNF1 0x21C0
        JNF1 0xBE0
        JNF1 (0x239A)
        JNF1 d2
        JNF1 (d0+0)
t481:
        JNF1 (t199+4)
        JNF2 0x4BBA
        JNF2 0x1638
        JNF2 (0x32CD)
        JNF2 t388
        JNF2 (d0+6)
        JNF2 (d1+4)
        JNF3 0x48DF
        JNF3 0x31DA
        JNF3 (0x3096)
        JNF3 d2
t482:
        JNF3 t474+4
        JNF3 (t254+4)
        JNF4 0x2A25
        JNF4 0x6CE6
        JNF4 (0x21D)
        JNF4 t426
        JNF4 d2+6
        JNF4 (d1+4)
        JNF5 0x7F6F
        JNF5 0x1A59
        JNF5 (0x39C5)
t483:
        JNF5 d0
        JNF5 t67+2
        JNF5 t453+6
        JNF6 0x573F
        JNF6 0x6EB7
        JNF6 (0x28FA)
        JNF6 t58
        JNF6 (t302+0)
        JNF6 d0+2
        JNF7 0x3FFB
        JNF7 0x622B
t484:
        JNF7 (0x194E)
        JNF7 (d2)
        JNF7 d1+2
        JNF7 d0+0
        JZ 0x45C7
        JZ 0x2B08
        JZ (0x2C5D)
        JZ (d0)
        JZ (d1+4)
        JZ d2+2
        JC 0x7FB8
t485:
        JC 0x1615
        JC (0x2086)
        JC t128
        JC d1+6
        JC (d1+0)
        JO 0xADC
        JO 0x3368
        JO (0x63F)
        JO t480
        JO t146+4
        JO d0+6
t486:
        JS 0x5F39
        JS 0x4E28
        JS (0x1220)
        JS d0
        JS t58+6
        JS d1+4
        JI 0x72A0
        JI 0x466A
        JI (0xC18)
        JI t416
        JI (t170+2)
t487:
        JI d1+4
        JD 0x4DB7
        JD 0x36E0
        JD (0x3124)
        JD t231
        JD d2+0
        JD (t96+6)
        JT 0x3D08
        JT 0x6241
        JT (0x30F6)
        JT d2
t488:
        JT t389+6
        JT d2+0
        JH 0x36BB
        JH 0x3862
        JH (0x450)
        JH (d2)
        JH (d0+4)
        JH (d2+6)
        JF0 0x1C2D
        JF0 0x5683
        JF0 (0x4AD)
t489:
        JF0 (d0)
        JF0 t447+6
        JF0 (t375+0)
        JF1 0x747C
        JF1 0x5D04
        JF1 (0x118C)
        JF1 t333
        JF1 t231+6
        JF1 t268+0
        JF2 0x5FE8
        JF2 0x1B3F
t490:
        JF2 (0x2DA0)
        JF2 d0
        JF2 t372+2
        JF2 (t298+2)
        JF3 0x3BA2
        JF3 0xDB5
        JF3 (0x2089)
        JF3 t419
        JF3 (t81+4)
        JF3 t236+0
        JF4 0x55E7
t491:
        JF4 0x474
        JF4 (0x32F8)
        JF4 d2
        JF4 d1+4
        JF4 t173+2
        JF5 0x583B
        JF5 0x3C1C
        JF5 (0x35EF)
        JF5 t78
        JF5 t333+0
        JF5 (t258+0)
t492:
        JF6 0x28F6
        JF6 0x79C1
        JF6 (0x23C4)
        JF6 (d1)
        JF6 t449+4
        JF6 d0+4
        JF7 0x6A6A
        JF7 0x72D1
        JF7 (0x23F7)
        JF7 t226
        JF7 d1+6
t493:
        JF7 t421+6
        CALL 0xCDC
        CALL 0x2BC4
        CALL (0x1C0C)
        CALL (d1)
        CALL t394+4
        CALL d0+0
        CALLGT 0x7C7D
        CALLGT 0x1C0F
        CALLGT (0x36)
        CALLGT t40
t494:
        CALLGT (d2+4)
        CALLGT (t54+2)
        CALLGTS 0x5CE5
        CALLGTS 0x23F8
        CALLGTS (0x1646)
        CALLGTS t478
        CALLGTS t284+2
        CALLGTS t201+4
        CALLGE 0x72F7
        CALLGE 0x421E
        CALLGE (0x1432)
t495:
        CALLGE d2
        CALLGE t490+0
        CALLGE t275+2
        CALLGES 0x7E77
        CALLGES 0x1F73
        CALLGES (0x4F8)
        CALLGES d1
        CALLGES t457+6
        CALLGES d2+2
        CALLLT 0x4BC0
        CALLLT 0x7414
t496:
        CALLLT (0x2436)
        CALLLT t222
        CALLLT t121+2
        CALLLT (t470+4)
        CALLLTS 0x156
        CALLLTS 0x47D7
        CALLLTS (0x3AF0)
        CALLLTS t231
        CALLLTS d0+6
        CALLLTS (d0+4)
        CALLLE 0x1D73
t497:
        CALLLE 0x1766
        CALLLE (0x20BE)
        CALLLE (d2)
        CALLLE t120+4
        CALLLE t153+0
        CALLLES 0x24CE
        CALLLES 0x34C3
        CALLLES (0x3A92)
        CALLLES t315
        CALLLES d2+4
        CALLLES d1+4
t498:
        CALLNZ 0xD16
        CALLNZ 0x67A3
        CALLNZ (0x2D4)
        CALLNZ (d0)
        CALLNZ d1+0
        CALLNZ t273+6
        CALLNC 0x259E
        CALLNC 0x2C4F
        CALLNC (0x3532)
        CALLNC (d1)
        CALLNC (t132+0)
t499:
        CALLNC t138+6
        CALLNO 0x2A93
        CALLNO 0x1A27
        CALLNO (0x2388)
        CALLNO t398
        CALLNO d2+0
        CALLNO t211+0
        CALLNS 0x28C2
        CALLNS 0x3AC1
        CALLNS (0x2EDF)
        CALLNS d2
t500:
        CALLNS t161+4
        CALLNS d0+6
        CALLNI 0x13CB
        CALLNI 0x6924
        CALLNI (0x3E6F)
        CALLNI (t276)
        CALLNI t413+6
        CALLNI d2+6
        CALLND 0x697A
        CALLND 0x537E
        CALLND (0x1BD7)
t501:
        CALLND d2
        CALLND (d1+2)
        CALLND d2+4
        CALLNT 0x7296
        CALLNT 0x33DB
        CALLNT (0x5FF)
        CALLNT d0
        CALLNT (d0+2)
        CALLNT (d2+4)
        CALLNH 0x56A0
        CALLNH 0x7EA8
t502:
        CALLNH (0x9C7)
        CALLNH (t391)
        CALLNH d1+4
        CALLN0 0x49B2
        CALLN0 0x15BB
        CALLN0 (0x20CD)
        CALLN0 d1
        CALLN0 t468+6
        CALLN0 (t270+4)
        CALLN1 0xAD2
t503:
        CALLN1 0x7511
        CALLN1 (0x3BF5)
        CALLN1 (t439)
        CALLN1 d1+4
        CALLN1 t60+0
        CALLN2 0x61F9
        CALLN2 0x5C7
        CALLN2 (0x1EEA)
        CALLN2 (d2)
        CALLN2 (t430+2)
        CALLN2 t163+6
t504:
        CALLN3 0x6794
        CALLN3 0x406E
        CALLN3 (0x2028)
        CALLN3 d0
        CALLN3 d2+2
        CALLN3 t445+4
        CALLN4 0x3A68
        CALLN4 0x2CAE
        CALLN4 (0x1B29)
        CALLN4 d1
        CALLN4 t11+4
t505:
        CALLN4 (t286+2)
        CALLN5 0x4C9E
        CALLN5 0x7CD7
        CALLN5 (0x2443)
        CALLN5 t227
        CALLN5 (d0+6)
        CALLN5 t192+2
        CALLN6 0x2A05
        CALLN6 0x68CD
        CALLN6 (0x1E67)
        CALLN6 t482
t506:
        CALLN6 t14+0
        CALLN6 (t328+0)
        CALLN7 0x3B1B
        CALLN7 0x1DF8
        CALLN7 (0x1492)
        CALLN7 (t275)
        CALLN7 (d0+0)
        CALLN7 (t339+0)
        CALLZ 0x1AC1
        CALLZ 0x4556
        CALLZ (0xF6D)
t507:
        CALLZ d0
        CALLZ t178+6
        CALLZ d2+6
        CALLC 0x7C30
        CALLC 0xEB
        CALLC (0x31DF)
        CALLC d0
        CALLC t397+0
        CALLC (d2+4)
        CALLO 0xEA8
        CALLO 0x7E60
t508:
        CALLO (0x109A)
        CALLO (t16)
        CALLO t303+6
        CALLO t204+2
        CALLS 0x7834
        CALLS 0x2444
        CALLS (0x56C)
        CALLS (t321)
        CALLS t489+4
        CALLS t311+2
        CALLI 0x50E1
t509:
        CALLI 0x1914
        CALLI (0x485)
        CALLI t421
        CALLI t332+0
        CALLI (t72+4)
        CALLD 0x18CB
        CALLD 0x3F1F
        CALLD (0x1E46)
        CALLD d2
        CALLD d0+6
        CALLD (t509+6)
t510:
        CALLT 0x3DB7
        CALLT 0x5A87
        CALLT (0x3F53)
        CALLT d0
        CALLT t364+2
        CALLT d0+6
        CALLH 0x231C
        CALLH 0x46F7
        CALLH (0x3094)
        CALLH d0
        CALLH t360+4
t511:
        CALLH (d1+4)
        CALL0 0x73F8
        CALL0 0x4846
        CALL0 (0x2D27)
        CALL0 (t339)
        CALL0 (t503+4)
        CALL0 (d1+4)
        CALL1 0x5064
        CALL1 0x4548
        CALL1 (0x36D1)
        CALL1 (t100)
t512:
        CALL1 d0+6
        CALL1 t504+6
        CALL2 0x3A24
        CALL2 0x2A06
        CALL2 (0x1021)
        CALL2 d1
        CALL2 (d2+4)
        CALL2 t490+2
        CALL3 0x2BB5
        CALL3 0x162
        CALL3 (0x1E12)
t513:
        CALL3 d0
        CALL3 (d0+0)
        CALL3 t28+2
        CALL4 0x55C6
        CALL4 0x77D7
        CALL4 (0x2DD0)
        CALL4 t252
        CALL4 d1+6
        CALL4 (d2+2)
        CALL5 0x73EA
        CALL5 0x1C90
t514:
        CALL5 (0x156D)
        CALL5 (d1)
        CALL5 d2+0
        CALL5 (t448+4)
        CALL6 0x1A20
        CALL6 0x5974
        CALL6 (0x3087)
        CALL6 (d0)
        CALL6 t157+2
        CALL6 d0+6
        CALL7 0x7B0F
t515:
        CALL7 0x38E7
        CALL7 (0x34AC)
        CALL7 t81
        CALL7 d1+6
        CALL7 t406+2
t516:
t517:
t518:
t519:
t520:
t521:
t522:
t523:

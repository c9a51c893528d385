# XOR16 takes a 16-bit value.
    XOR16 0x10 $65536
#@exit 4
#@noobj
#@out Assembling encoding/checks/xor16_range.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: encoding/checks/xor16_range.asm line 2: (error) A3015 value is greater than the operand size

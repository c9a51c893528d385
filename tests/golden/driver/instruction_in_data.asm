# Instructions belong in the text section.
        .DATA
        NOP
#@exit 2
#@noobj
#@out Assembling driver/instruction_in_data.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/instruction_in_data.asm line 3: (error) A3001 instruction not allowed in data section

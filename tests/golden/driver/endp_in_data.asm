# .ENDP is only allowed in the text section.
        .DATA
        .ENDP
#@exit 2
#@noobj
#@out Assembling driver/endp_in_data.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/endp_in_data.asm line 3: (error) A3018 directive is only allowed in text section

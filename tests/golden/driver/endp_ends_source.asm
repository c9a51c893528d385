# .ENDP ends the source: the lines after it are never assembled.
        NOP                 #@text 0000
        .ENDP
        HALT

# A directive that reports an error but still succeeds leaves the object written with
# status 4.
        NOP                 #@text 0000
        .SECTION "s1" aq 1
#@exit 4
#@out Assembling driver/error_after_success.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: driver/error_after_success.asm line 4: (error) A3004 invalid section flag

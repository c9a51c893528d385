# With -u, a .GLOBAL name without the underscore is refused.
#@args -u
        .DATA
_a      .DB 1 1
        .GLOBAL EXPORT a
#@exit 2
#@out Assembling linkage/underscore_missing.asm
#@out Data identifier should start with _
#@out 0 errors, 0 warnings and 0 informational messages
#@noobj

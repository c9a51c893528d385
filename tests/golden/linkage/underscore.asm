# With -u, .GLOBAL names data by its written name, underscore and all.
#@args -u
        .DATA
_a      .DB 1 1
        .GLOBAL EXPORT _a

# Include directories from the environment are searched in order, after any -I.
#@env ZORLAN_INCLUDE=includes/nowhere;includes/include
        .DATA
        .INCLUDE "one.inc"
#@data 11 12

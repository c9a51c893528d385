# Two levels of includes, found through an -I directory.
#@args -I includes/include
        .DATA
first   .DB 1 0x01
        .INCLUDE "outer.inc"
last    .DB 1 0x05
#@data 01 02 03 04 05
#@sym first 0 1 0x10 1
#@sym outer1 1 1 0x10 1
#@sym inner 2 1 0x10 1
#@sym outer2 3 1 0x10 1
#@sym last 4 1 0x10 1

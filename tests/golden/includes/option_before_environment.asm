# The -I directories are searched before those of the environment, whose empty
# entries are skipped.
#@args -I includes/include/first
#@env ZORLAN_INCLUDE=;includes/include;;
        .INCLUDE "part.inc"         #@text 0001
        .INCLUDE "code.inc"         #@text 0001
#@sym inside 1 1 0x10 1

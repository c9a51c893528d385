# A section made by .SECTION under a name the assembler does not know cannot be written:
# once it has contents the writer reports an internal error and no object is left. The
# first .SECTION of a name creates the section; naming it again makes it current.
    HALT
    .SECTION ".mine" aw 1
    .SECTION ".mine" aw 1
V   .DB 2 1,2
#@exit 4
#@noobj
#@out Assembling object/user_section.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: fileIO.cpp line 4: (internal) A5001 internal error

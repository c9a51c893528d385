# blink.asm: toggles an LED on port 0x10 with a busy-wait delay between the changes.
        .TEXT
start:  OUTPORT 0x10 $1          # LED on
        CALL delay
        OUTPORT 0x10 $0          # LED off
        CALL delay
        JUMP start

# Counts the byte at `count` down to zero.
delay:  LD8 count $200
loop:   DEC8 count $1
        CMP8 count $0
        JNZ loop
        RTS

        .DATA
count   .DB 1 0
        .GLOBAL EXPORT start, delay

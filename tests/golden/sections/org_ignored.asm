# In a relocatable source a text origin changes nothing; a data origin is a byte address,
# and the section's contents start at the first origin.
        .ORG 0x100
        NOP
        .DATA
        .ORG 3
d       .DB 1 7
#@header e_entry=0
#@text 0000
#@data 07
#@sym d 3 1 0x10 2

# All the modifier levels of one run are bounded too: 64 declarations of 65,536 levels
# fill the budget exactly, and the 65th is refused with 3020.
#@args -d 1
        .FILE "main.c"
        .DATA
        .VARIABLE "v1" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v2" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v3" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v4" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v5" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v6" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v7" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v8" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v9" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v10" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v11" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v12" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v13" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v14" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v15" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v16" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v17" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v18" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v19" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v20" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v21" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v22" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v23" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v24" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v25" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v26" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v27" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v28" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v29" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v30" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v31" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v32" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v33" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v34" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v35" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v36" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v37" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v38" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v39" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v40" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v41" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v42" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v43" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v44" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v45" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v46" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v47" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v48" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v49" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v50" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v51" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v52" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v53" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v54" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v55" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v56" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v57" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v58" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v59" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v60" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v61" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v62" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v63" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v64" 8 "int" 0 0 0 1 65536 0 1
        .VARIABLE "v65" 8 "int" 0 0 0 1 65536 0 1
#@exit 2
#@noobj
#@out Assembling limits/debug_levels_budget.asm
#@out 1 errors, 0 warnings and 0 informational messages
#@out Assembler: limits/debug_levels_budget.asm line 70: (error) A3020 memory overflow

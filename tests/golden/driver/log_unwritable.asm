# A log file that cannot be opened ends the run with status 3 before the source is
# read; the listing would have gone to the log, so only the first line is printed.
#@args -l $TMP/missing/run.log
#@exit 3
#@noobj
#@out Assembling driver/log_unwritable.asm

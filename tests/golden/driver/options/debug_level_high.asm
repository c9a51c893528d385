# Debug levels above 1 are refused.
#@args -d 2
#@exit 1
#@noobj
#@out Maximum debug level is 1

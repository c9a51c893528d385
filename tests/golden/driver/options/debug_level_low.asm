# Debug levels below 0 are refused.
#@args -d=-1
#@exit 1
#@noobj
#@out Minimum debug level is 0

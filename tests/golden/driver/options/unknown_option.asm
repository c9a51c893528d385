# An unknown option prints its name and the usage text; the run ends with status 0.
#@args --bogus
#@exit 0
#@noobj
#@out Unknown parameter "--bogus"
#@out Zorlan [options] [file ...]
#@out 
#@out   -d level	Specify debug output level for assembler.
#@out   -o		Specify output filename.
#@out   -l		Specify log filename.
#@out   -v		Verbose output of command lines for tools.
#@out   -q		Quieten output of command lines for tools.
#@out   -I		Add a search directory for include files.
#@out   --version	Display tool versions.
#@out   --help	Display this help message.
#@out 

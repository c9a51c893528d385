# A format --diagnostics does not know stops the run before anything is assembled.
#@args --diagnostics=json
#@exit 1
#@noobj
#@out Unknown diagnostics format "json"
        NOP

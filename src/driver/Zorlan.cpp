#include "driver/Zorlan.h"

#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/messages.h"
#include "driver/ver.h"
#include "symbols/stSymbolTable.h"

int absoluteMode = 0;
int assemblyFailed = 0;
int pendingErrorCode = 1000;
int endOfSource = 0;
int fileIndex = 0;

void resetProcessState() {
    resetSwitches();
    resetOptionReader();
    resetDiagnostics();
    destroySymbolTables();
    absoluteMode = 0;
    assemblyFailed = 0;
    pendingErrorCode = 1000;
    endOfSource = 0;
    fileIndex = 0;
}

int zorlanMain(int argc, const char* const* argv) {
    resetProcessState();

    CommandLineOptions options;
    if (parseOptions(argc, argv, options) != 0) return 1;

    std::unique_ptr<AssemblerState> state;
    initAssemblerState(state);

    if (options.flags & OPT_VERSION) {
        std::fputs("Zorlan", zorlanStdout());
        printVersion();
    }
    underscorePrefix = (options.flags & OPT_USCORE) ? 1 : 0;
    caseSensitive = (options.flags & OPT_CSENSITIVE) ? 1 : 0;
    debugInfo = options.debugLevel != 0 ? 1 : 0;
    includeDirs = options.includeDirs;

    int status = 0;
    if (options.inputName) {
        // Assembly proper arrives with the passes.
        printReport(options.logName ? options.logName->c_str() : nullptr, options.flags & OPT_QUIET);
    }
    releaseAssemblerState(state);
    destroySymbolTables();
    return status;
}

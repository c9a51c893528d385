#include "core/ver.h"

#include "buildInfo.h"

void printVersion(FILE* out) {
    std::fprintf(out, " V%s", ZORLAN_PRODUCT_VERSION);
    std::fprintf(out, " (%d) ", kBuildNumber);
    std::fprintf(out, "%s\n", ZORLAN_LEGAL_NOTICE);
}

// Times the symbol tables on many names that differ only in their digits: inserting
// labels, looking them up, adding their `.symtab` entries and finding each entry's index.
//
//   build/bench/bench/zorlan_symbols_bench [count]
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    RunContext context;
    std::unique_ptr<AssemblerState> state;
    if (initAssemblerState(context, state) != 0) return 1;

    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(count));
    char buffer[32];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(buffer, sizeof buffer, "L%05d", i);
        names.emplace_back(buffer);
    }

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i) {
        Symbol symbol;
        symbol.value = 2 * i;
        stInsertSymbol(state->labelTable.get(), names[static_cast<size_t>(i)], symbol);
    }
    double insertMs = millisecondsSince(start);

    start = std::chrono::steady_clock::now();
    long long sum = 0;
    for (const std::string& name : names) sum += stLookupSymbol(name.c_str(), state->labelTable.get())->value;
    double lookupMs = millisecondsSince(start);

    start = std::chrono::steady_clock::now();
    for (int i = 0; i < count; ++i)
        addElfSymbol(state.get(), names[static_cast<size_t>(i)].c_str(), 1, 0, 0, i, 1, 1);
    double addMs = millisecondsSince(start);

    start = std::chrono::steady_clock::now();
    long long indexSum = 0;
    for (const std::string& name : names) indexSum += findSymtabIndex(state.get(), name.c_str(), false);
    double findMs = millisecondsSince(start);

    long long expected = static_cast<long long>(count) * (count - 1);
    if (sum != expected || indexSum != expected / 2) {
        std::fprintf(stderr, "inconsistent results\n");
        return 1;
    }
    std::printf("%d names: insert %.2f ms, lookup %.2f ms, .symtab entries %.2f ms, .symtab index %.2f ms\n",
                count, insertMs, lookupMs, addMs, findMs);
    return 0;
}

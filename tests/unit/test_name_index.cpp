// The name hash index behind the symbol tables and the .symtab lookups, checked against
// plain linear searches over many names: case variants, duplicates and table growth.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// Names with case variants and repeats: "n0", "N0", "n1", ..., every seventh one twice.
std::vector<std::string> sampleNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        std::string name = "n" + std::to_string(i);
        names.push_back(name);
        if (i % 3 == 0) names.push_back("N" + std::to_string(i));
        if (i % 7 == 0) names.push_back(name);
    }
    return names;
}

bool equalIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

class NameIndexTest : public ::testing::Test {
  protected:
    void SetUp() override {
        context = std::make_unique<RunContext>();
        ASSERT_EQ(initAssemblerState(*context, state), 0);
    }
    std::unique_ptr<RunContext> context;
    std::unique_ptr<AssemblerState> state;
};

} // namespace

TEST_F(NameIndexTest, SymtabLookupsFindTheFirstEntryOfEachName) {
    const std::vector<std::string> names = sampleNames(20000); // several rounds of growth
    for (const std::string& name : names)
        ASSERT_EQ(addElfSymbol(state.get(), name.c_str(), 1, 0, 0, 0, 0, 1), 0);

    for (int sensitive = 0; sensitive <= 1; ++sensitive) {
        context->switches.caseSensitive = sensitive;
        for (const char* probe : {"n0", "N0", "n3", "N3", "n7", "n19999", "N19998", "n20000", "x"}) {
            int32_t exact = -1, folded = -1;
            for (size_t i = 0; i < names.size(); ++i) {
                if (exact < 0 && names[i] == probe) exact = static_cast<int32_t>(i);
                if (folded < 0 && equalIgnoringCase(names[i], probe)) folded = static_cast<int32_t>(i);
            }
            EXPECT_EQ(findSymtabIndex(state.get(), probe, true), exact) << probe;
            EXPECT_EQ(findSymtabIndex(state.get(), probe, false), sensitive ? exact : folded)
                << probe << " case-sensitive " << sensitive;
        }
    }
}

TEST_F(NameIndexTest, SymbolTablesFindEveryNameAfterGrowing) {
    for (int sensitive = 0; sensitive <= 1; ++sensitive) {
        context->switches.caseSensitive = sensitive;
        ASSERT_EQ(createSymbolTables(state.get()), 0);
        for (int i = 0; i < 20000; ++i) {
            Symbol s;
            s.name = "g" + std::to_string(i);
            s.value = i;
            ASSERT_EQ(stInsertSymbol(s, state->labelTable.get()), 0);
        }
        for (int i = 0; i < 20000; i += 997) {
            const Symbol* lower = stLookupSymbol(("g" + std::to_string(i)).c_str(), state->labelTable.get());
            ASSERT_NE(lower, nullptr);
            EXPECT_EQ(lower->value, i);
            const Symbol* upper = stLookupSymbol(("G" + std::to_string(i)).c_str(), state->labelTable.get());
            EXPECT_EQ(upper, sensitive ? nullptr : lower);
        }
        EXPECT_EQ(stLookupSymbol("g20000", state->labelTable.get()), nullptr);
    }
}

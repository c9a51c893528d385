// The run's name table and the lookups bound to it (symbol tables, .symtab entries),
// checked against plain linear searches over many names: case variants, duplicates and
// table growth; and the names the hash cannot place.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "symbols/nameTable.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

Symbol label(int32_t value) {
    Symbol s;
    s.value = value;
    return s;
}

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

std::string upper(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

class SymbolTables : public ::testing::Test {
  protected:
    void SetUp() override {
        context = std::make_unique<RunContext>();
        ASSERT_EQ(initAssemblerState(*context, state), 0);
    }
    std::unique_ptr<RunContext> context;
    std::unique_ptr<AssemblerState> state;
};

} // namespace

TEST_F(SymbolTables, SymtabLookupsFindTheFirstEntryOfEachName) {
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

TEST_F(SymbolTables, SymbolTablesFindEveryNameAfterGrowing) {
    for (int sensitive = 0; sensitive <= 1; ++sensitive) {
        context->switches.caseSensitive = sensitive;
        ASSERT_EQ(createSymbolTables(state.get()), 0);
        for (int i = 0; i < 20000; ++i) {
            Symbol s;
            s.value = i;
            ASSERT_EQ(stInsertSymbol(state->labelTable.get(), "g" + std::to_string(i), s), 0);
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

// The same with the room a megabyte of source reserves: every name is found, and the
// tables by name number hold a binding for each.
TEST_F(SymbolTables, SymbolTablesWithReservedRoomFindEveryName) {
    ASSERT_EQ(createSymbolTables(state.get()), 0);
    reserveSymbolsForSource(state.get(), size_t{1} << 20);
    for (int i = 0; i < 20000; ++i) {
        Symbol s;
        s.value = i;
        ASSERT_EQ(stInsertSymbol(state->labelTable.get(), "r" + std::to_string(i), s), 0);
    }
    for (int i = 0; i < 20000; ++i) {
        const Symbol* found = stLookupSymbol(("R" + std::to_string(i)).c_str(), state->labelTable.get());
        ASSERT_NE(found, nullptr) << i;
        EXPECT_EQ(found->value, i);
    }
}

// A table indexed by name number grows to every slot asked for, in steps, whether its
// room was reserved or not: what was bound stays bound and every new entry is unbound.
// Room reserved for the size it grows to keeps the table where it is.
TEST(NameTable, TablesByNameNumberGrowToEverySlotKeepingTheirBindings) {
    for (size_t reserved : {size_t{0}, size_t{50000}}) {
        std::vector<int32_t> table;
        table.reserve(reserved);
        const int32_t* storage = table.data();
        std::vector<size_t> bound;
        for (size_t slot : {0u, 5u, 1023u, 1024u, 5119u, 5120u, 9000u, 20000u, 20001u, 49999u, 70000u}) {
            const size_t before = table.size();
            growForName(table, slot);
            ASSERT_GT(table.size(), slot) << "slot " << slot;
            for (size_t i = before; i < table.size(); ++i) ASSERT_EQ(table[i], -1) << "slot " << slot;
            if (table.size() <= reserved) {
                EXPECT_EQ(table.data(), storage) << "slot " << slot;
            }
            table[slot] = static_cast<int32_t>(slot);
            bound.push_back(slot);
            for (size_t b : bound) ASSERT_EQ(table[b], static_cast<int32_t>(b));
        }
    }
}

TEST(NameTable, SpellingsKeepTheirNumbersAndTextsAndShareTheirCanonicalName) {
    for (bool fold : {true, false}) {
        NameTable table;
        nameTableReset(table, fold);
        const std::vector<std::string> names = sampleNames(20000);
        std::vector<int32_t> numbers;
        std::vector<std::string_view> texts;
        for (const std::string& name : names) {
            numbers.push_back(nameIntern(table, name));
            texts.push_back(nameText(table, numbers.back()));
        }
        // A long name goes into a chunk of its own and leaves the short ones where they are.
        const std::string long_name(100000, 'q');
        const int32_t long_number = nameIntern(table, long_name);
        EXPECT_EQ(nameText(table, long_number), long_name);
        EXPECT_EQ(nameIntern(table, ""), nameIntern(table, std::string_view()));

        // The first spelling of each name as the table compares names.
        std::map<std::string, size_t> firstOf;
        for (size_t i = 0; i < names.size(); ++i) firstOf.emplace(fold ? upper(names[i]) : names[i], i);
        for (size_t i = 0; i < names.size(); ++i) {
            // Entered once: the same spelling gets the same number, and its text stays put.
            ASSERT_EQ(nameIntern(table, names[i]), numbers[i]) << names[i];
            ASSERT_EQ(nameFind(table, names[i]), numbers[i]);
            ASSERT_EQ(texts[i].data(), nameText(table, numbers[i]).data());
            ASSERT_EQ(texts[i], names[i]);
            // The canonical name is the first spelling that compares equal.
            const size_t first = firstOf.at(fold ? upper(names[i]) : names[i]);
            ASSERT_EQ(nameCanonical(table, numbers[i]), numbers[first]) << names[i];
            ASSERT_EQ(nameFindCanonical(table, names[i]), numbers[first]);
        }
        EXPECT_EQ(nameFind(table, "n20000"), -1);
        EXPECT_EQ(nameFind(table, "N1"), -1);
        EXPECT_EQ(nameFindCanonical(table, "N1"), fold ? nameFind(table, "n1") : -1);
    }
}

TEST_F(SymbolTables, NamesSharingTheirFirst64CharactersStayDistinct) {
    std::string prefix(64, 'A');
    Symbol a = label(1), b = label(2);
    EXPECT_EQ(stHash(prefix + "1", 127), stHash(prefix + "2", 127));
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), prefix + "1", a), 0);
    ASSERT_EQ(stInsertSymbol(state->labelTable.get(), prefix + "2", b), 0);
    EXPECT_EQ(stLookupSymbol((prefix + "2").c_str(), state->labelTable.get())->value, 2);
}

TEST_F(SymbolTables, NamesWithANegativeByteSumAreRefused) {
    Symbol odd = label(1); // the signed bytes sum below zero
    EXPECT_LT(stHash("\xC3\xA9", 127), 0);
    EXPECT_EQ(stInsertSymbol(state->labelTable.get(), "\xC3\xA9", odd), -1);
    EXPECT_EQ(stLookupSymbol("\xC3\xA9", state->labelTable.get()), nullptr);
    // Folding a lower-case letter can take a sum below zero: the key decides, as folded.
    Symbol folded = label(1);
    EXPECT_GE(stHash("a\xA0", 127), 0);
    EXPECT_LT(stHash("A\xA0", 127), 0);
    EXPECT_EQ(stInsertSymbol(state->labelTable.get(), "a\xA0", folded), -1);
}

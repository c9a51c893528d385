// Helpers for the directive tests: hand-built statements and a two-pass run that resets the
// counters between the passes the way the driver does.
#pragma once

#include "directives/Directive.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/messages.h"
#include "frontend/Statement.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline Statement directive(int id, const char* name = nullptr) {
    Statement st;
    st.kind = SK_DIRECTIVE;
    st.status = SS_COMPLETE;
    st.id = id;
    if (name) st.name = name;
    return st;
}

inline ArgCell numberCell(int32_t n) {
    return ArgCell{n, false, {}};
}
inline ArgCell textCell(const std::string& text) {
    return ArgCell{0, true, text};
}

// name .DB/.DW/.DD count with numbers (or identifiers, or `?` when `values` is empty and
// `uninitialised` is set).
inline Statement dataStatement(int id, const char* name, int32_t count, const std::vector<int32_t>& values,
                               bool uninitialised = false) {
    Statement st = directive(id, name);
    st.count = count;
    for (int32_t v : values) st.args.push_back(numberCell(v));
    st.argCount = static_cast<int32_t>(values.size());
    st.uninitialised = uninitialised ? 1 : 0;
    return st;
}

inline Statement nameList(int id, const std::vector<std::string>& names, int32_t flags = 0) {
    Statement st = directive(id);
    for (const std::string& n : names) st.args.push_back(textCell(n));
    st.argCount = st.count = static_cast<int32_t>(names.size());
    st.flags = flags;
    return st;
}

class DirectiveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProcessState();
        ASSERT_EQ(initAssemblerState(state), 0);
        state->fileName = "t.asm";
    }
    void TearDown() override {
        releaseAssemblerState(state);
        destroySymbolTables();
        resetProcessState();
    }

    int run(Statement& st, int pass) { return directiveExecute(&st, state.get(), pass); }

    // Runs every statement in pass one, resets as the driver does, then runs pass two.
    // Returns the first negative result, or 0.
    int runBothPasses(std::vector<Statement>& statements) {
        for (Statement& st : statements)
            if (int r = run(st, 0); r < 0) return r;
        state->locationCounters.fill(0);
        state->orgRelativeLoc = 0;
        state->absOrgStage = 0;
        state->relocatable = 1;
        state->currentSection = SEC_TEXT;
        resetDirectivesForPassTwo();
        for (Statement& st : statements)
            if (int r = run(st, 1); r < 0) return r;
        return 0;
    }

    // A section's bytes as the writer joins them: each block at its distance from the first.
    std::vector<uint8_t> sectionBytes(int ordinal) const {
        std::vector<uint8_t> out;
        const DataBlock* head = state->sections[ordinal].head.get();
        for (const DataBlock* b = head; b; b = b->next.get()) {
            size_t at = static_cast<size_t>(b->start - head->start);
            if (out.size() < at + static_cast<size_t>(b->used))
                out.resize(at + static_cast<size_t>(b->used), 0);
            for (int32_t i = 0; i < b->used && i < static_cast<int32_t>(b->bytes.size()); ++i)
                out[at + static_cast<size_t>(i)] = b->bytes[static_cast<size_t>(i)];
        }
        return out;
    }

    std::vector<int> reportedCodes() const {
        std::vector<int> codes;
        for (const DiagnosticEntry& d : diagnostics()) codes.push_back(d.code);
        return codes;
    }

    const ElfSymbolEntry& symbol(const char* name) const {
        int32_t index = findSymtabIndex(state.get(), name, true);
        EXPECT_GE(index, 0) << name;
        return state->symtab.at(static_cast<size_t>(index < 0 ? 0 : index));
    }

    std::unique_ptr<AssemblerState> state;
};

using Bytes = std::vector<uint8_t>;

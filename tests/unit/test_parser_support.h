// Helpers shared by the front-end tests: feed a source text to the scanner and read
// statements back.
#pragma once

#include "core/Statement.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "symbols/stSymbolTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string_view>

// Hands `text` to the scanner the way the driver hands it a file (counting its lines
// from the start).
inline void loadSource(std::string_view text) {
    scanLine = 0;
    scanColumn = 0;
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    yyrestart(f);
    std::fclose(f);
}

// A fresh run: assembler state (keyword table, symbol tables) attached to the scanner.
class FrontEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetLexer();
        resetParser();
        ASSERT_EQ(initAssemblerState(state), 0);
        lexerAttachState(state.get());
        pendingErrorCode = 1000;
        assemblyFailed = 0;
        underscorePrefix = 0;
        currentStatement().clear();
    }
    void TearDown() override {
        resetLexer();
        resetParser();
        destroySymbolTables();
        state.reset();
        underscorePrefix = 0;
        pendingErrorCode = 1000;
        assemblyFailed = 0;
    }

    // The next statement of the loaded source.
    const Statement& next() {
        parseStatement();
        return currentStatement();
    }
    // The first statement of `text`, parsed into a cleared record.
    const Statement& parseOne(std::string_view text) {
        loadSource(text);
        currentStatement().clear();
        return next();
    }

    std::unique_ptr<AssemblerState> state;
};

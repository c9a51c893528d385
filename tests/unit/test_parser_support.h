// Helpers shared by the front-end tests: feed a source text to the scanner and read
// statements back.
#pragma once

#include "core/Statement.h"
#include "frontend/frontEnd.h"
#include "frontend/lexer.h"
#include "frontend/parser.h"
#include "symbols/stSymbolTable.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string_view>

// A fresh run (assembler state with its keyword and symbol tables, and a front end)
// for each test.
class FrontEndTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(testRun->initOk); }

    // Hands `text` to the scanner the way the driver hands it a file (counting its lines
    // from the start).
    void loadSource(std::string_view text) {
        lexer().scanLine = 0;
        lexer().scanColumn = 0;
        FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::rewind(f);
        yyrestart(lexer(), f);
        std::fclose(f);
    }

    // The next statement of the loaded source.
    const Statement& next() {
        parseStatement(frontEnd());
        return statement();
    }
    // The first statement of `text`, parsed into a cleared record.
    const Statement& parseOne(std::string_view text) {
        loadSource(text);
        statement().clear();
        return next();
    }

    FrontEnd& frontEnd() { return *testRun->frontEnd; }
    Lexer& lexer() { return testRun->frontEnd->lexer; }
    Statement& statement() { return testRun->frontEnd->statement; }
    RunContext& context() { return testRun->context; }
    AssemblerState* state() { return testRun->state.get(); }

    std::unique_ptr<TestRun> testRun = std::make_unique<TestRun>();
};

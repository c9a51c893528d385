// Pass two replays the statements pass one recorded: every replayed statement must be
// exactly what parsing the source again would give, "$name" operands included, which
// are looked up against the symbol tables as they are when the statement is replayed.
#include "frontend/operands.h"
#include "frontend/statementRecord.h"
#include "isa/encoder.h"
#include "isa/opcodeTable.h"
#include "statementSnapshot.h"
#include "symbols/nameTable.h"
#include "symbols/stHashTable.h"
#include "test_parser_support.h"

#include <string>
#include <vector>

namespace {

using snapshot::differences;
using snapshot::Snapshot;

class StatementReplay : public FrontEndTest {
  protected:
    std::vector<Snapshot> run(std::string_view source, bool load) {
        if (load) loadSource(source);
        return snapshot::readToEnd(frontEnd(), context());
    }

    void defineLabel(const char* name, int32_t value) {
        Symbol s;
        s.value = value;
        stInsertSymbol(state()->labelTable.get(), name, s);
    }
    void defineConstant(const char* name, int32_t value) {
        Symbol s;
        s.value = value;
        stInsertSymbol(state()->constTable.get(), name, s);
    }

    // Records a first pass over `source`, lets `between` change the symbol tables, then
    // compares the replay with a fresh parse against the same tables.
    template <typename Between> void expectReplayMatchesParse(const std::string& source, Between between) {
        parserRecordStatements(frontEnd());
        run(source, true);
        between();
        parserReplayStatements(frontEnd());
        std::vector<Snapshot> replayed = run(source, false);
        parserReadSource(frontEnd());
        std::vector<Snapshot> fresh = run(source, true);
        ASSERT_EQ(replayed.size(), fresh.size()) << source;
        for (size_t i = 0; i < fresh.size(); ++i)
            EXPECT_EQ(differences(replayed[i], fresh[i]), "") << "statement " << i << " of:\n" << source;
    }
};

} // namespace

TEST_F(StatementReplay, EveryStatementFormComesBackAsParsed) {
    const std::vector<std::string> sources = {
        // Instructions of every operand shape, labels alone and before an instruction.
        "start:  NOP\n"
        "        ADD8 x $5\n"
        "        ADD8 (ptr) $1\n"
        "        CPY16 (0x20) buf\n"
        "        CMP8 (tbl+2) $0\n"
        "        BTST8 x $3 C\n"
        "        CPYF Z F7\n"
        "        JUMP 100\n"
        "        JUMP (vec)\n"
        "        CALL (vec)\n"
        "        SP_LOAD $4\n"
        "        SP_LOAD x\n"
        "\tLD32\tbig\t$-2147483648\r\n"
        "loop:\n"
        "\n"
        "# only a comment\n"
        "        JUMP loop",
        // Directives of every list form, strings with escapes, and a rejected literal in
        // a statement that is still complete.
        "tab     .DB 8 1,2,3,0x10\n"
        "chars   .DB 3 'a','b','c'\n"
        "text    .DB 6 \"a\\x41\\101\\n\"\n"
        "ptrs    .DW 2 one,two\n"
        "one     .DD 1 two\n"
        "gap     .DW 4 ?\n"
        "late    .DB 3 1,2,3 \"\\q\"\n"
        "msg     .ASCIIZ \"hi\\t\"\n"
        "c       .CONST 0x1234\n"
        "k       .EQU -7\n"
        "        .GLOBAL EXPORT a, \"b\", 7\n"
        "        .LOCAL a\n"
        "        .WEAK w1, w2\n"
        "        .SECTION \"user\" aw 1\n"
        "        .BSS\n"
        "        .BSS area 16\n"
        "        .INCLUDE \"other.inc\"\n"
        "        .ORG 0x100\n"
        "s       .DATA_DEF 4\n"
        "s       .DATA_INIT a,b 0 16 32\n"
        "s       .DATA_DEF_END\n"
        "        .FILE \"dir\\\\x.c\"\n"
        "        .LINE 12\n"
        "        .LINE 0\n"
        "        .LINE -5\n"
        "        .TEXT\n"
        "        .EVEN\n"
        "        .ORG 0x7FFFFFFF\n"
        "        .DATA\n"
        "        .VARIABLE \"v\" 16 \"int\" SIGNED NORMAL 0 ARRAY 2 0 3 const, volatile\n"
        "        .FUNCTION \"f\" extern\n"
        "        .RETURN \"int\" 16 1 0 0 0 0 0\n"
        "        .FUNC_END \"f\"\n"
        "        .ENDP\n",
        // A line that goes wrong ends the recording like it ends a pass.
        "        NOP\n"
        "        ADD8 x, $5\n"
        "        NOP\n",
    };
    for (const std::string& source : sources) expectReplayMatchesParse(source, [] {});
}

TEST_F(StatementReplay, LabelImmediatesAreLookedUpAgain) {
    // Pass one meets "$later" and "$k2" before their definitions; by the replay the
    // tables know them, and the forward reference that stays unknown still copies the
    // last lookup that succeeded.
    const std::string source = "        PUSH16 $later\n"
                               "        PUSH8 $k2\n"
                               "        PUSH8 $nowhere\n"
                               "        ADD16 x $later\n"
                               "        LD8 x $k1\n"
                               "        PUSH8 $nowhere\n";
    expectReplayMatchesParse(source, [this] {
        defineLabel("later", 0x40);
        defineConstant("k1", 3);
        defineConstant("k2", 9);
    });
    // The replay must also reach the tables: the first operand is now a label immediate.
    parserRecordStatements(frontEnd());
    run(source, true);
    parserReplayStatements(frontEnd());
    parseStatement(frontEnd());
    EXPECT_EQ(statement().operands[0].labelImmediate, 1);
    EXPECT_EQ(statement().operands[0].text, "later");
    parserReadSource(frontEnd());
}

TEST_F(StatementReplay, InstructionsNoSymbolCanChangeComeBackAsTheirWords) {
    // Recorded with their words, the instructions whose operands are all numbers come
    // back as those words; everything else, including what the encoder refuses, comes
    // back as parsed, so that pass two handles and reports it as before.
    const std::string source = "start:  NOP\n"
                               "        ADD8 0x01E0 $36\n"
                               "        ADD8 0x100 $300\n" // out of range: refused, reported in pass two
                               "        CPY16 (0x20) 0x30\n"
                               "\tLD32\t0x40\t$-2147483648\r\n"
                               "        JUMP 100\n"
                               "        JUMP start\n" // a symbol: resolved in pass two
                               "        ADD8 x $5\n"
                               "        PUSH8 $later\n" // "$name": looked up again
                               "        SP_LOAD $4\n"
                               "        BTST8 0x21 $3\n"
                               "        CPY8 0x10 0x11   # a comment\n"
                               "later:\n"
                               "        INC16 0x200 $1\n";
    parserRecordStatements(frontEnd(), 0, true);
    run(source, true);
    defineLabel("later", 0x40);
    parserReplayStatements(frontEnd());
    const std::vector<Snapshot> replayed = run(source, false);
    parserReadSource(frontEnd());
    const std::vector<Snapshot> fresh = run(source, true);

    ASSERT_EQ(replayed.size(), fresh.size());
    int encoded = 0;
    for (size_t i = 0; i < fresh.size(); ++i) {
        SCOPED_TRACE("statement " + std::to_string(i));
        const Snapshot& r = replayed[i];
        const Snapshot& f = fresh[i];
        if (r.words.count == 0) {
            EXPECT_EQ(differences(r, f), "");
            continue;
        }
        ++encoded;
        EXPECT_EQ(r.st.kind, SK_INSTRUCTION);
        EXPECT_EQ(r.st.status, SS_COMPLETE);
        EXPECT_EQ(r.st.id, f.st.id);
        EXPECT_EQ(r.line, f.line);
        EXPECT_EQ(r.column, f.column);
        EXPECT_EQ(r.stateLine, f.stateLine);
        for (int k = 0; k < f.st.operandCount; ++k) EXPECT_NE(f.st.operands[k].kind, OPK_SYMBOL);
        InstructionWords expected;
        ASSERT_EQ(encodeWords(*lookupOpcodeTable(f.st.id), f.st, expected), 0);
        ASSERT_EQ(r.words.count, expected.count);
        for (int k = 0; k < expected.count; ++k) EXPECT_EQ(r.words.word[k], expected.word[k]);
    }
    // NOP, the first ADD8, CPY16, LD32, JUMP 100, SP_LOAD, BTST8, CPY8 and INC16.
    EXPECT_EQ(encoded, 9);
}

TEST_F(StatementReplay, PlainStatementsReplayWithoutAStatement) {
    // Pass two passes empty lines, labels and instructions recorded with their words
    // without a statement: each must leave the scanner and the run where replaying it
    // as a statement does, and give the same words.
    const std::string source = "        .TEXT\n"
                               "start:  NOP\n"
                               "\n"
                               "# a comment\n"
                               "        ADD8 0x01E0 $36\n"
                               "next:\n"
                               "        JUMP start\n"
                               "   \tCPY16 (0x20) 0x30   # words, then a comment\n"
                               "a: b:   INC16 0x200 $1\n"
                               "        ADD8 x $5\n"
                               "\r\n"
                               "        LD32 0x40 $-2147483648\n";
    struct Step {
        int line, column, stateLine;
        bool words;
        int32_t id;
        InstructionWords encoded;
    };
    auto replay = [&](bool plain) {
        parserRecordStatements(frontEnd(), 0, true);
        run(source, true);
        parserReplayStatements(frontEnd());
        std::vector<Step> steps;
        for (int guard = 0; guard < 1000; ++guard) {
            int32_t id = -1;
            if (plain && parserPlainNext(frontEnd().parser)) {
                const auto read = parserReplayPlain(frontEnd(), id);
                EXPECT_NE(read, StatementRecording::P_NONE);
                const bool words = read == StatementRecording::P_WORDS;
                steps.push_back({frontEnd().lexer.scanLine, frontEnd().lexer.scanColumn, context().lineNumber,
                                 words, words ? id : -1,
                                 words ? frontEnd().parser.recordedWords : InstructionWords{}});
                continue;
            }
            statement().clear();
            parseStatement(frontEnd());
            const Statement& st = statement();
            if (st.status == SS_END_OF_INPUT) break;
            const bool words = frontEnd().parser.recordedWords.count > 0;
            const bool passed = st.status == SS_EMPTY || st.id == kLabelStatementId;
            steps.push_back({frontEnd().lexer.scanLine, frontEnd().lexer.scanColumn, context().lineNumber,
                             words, words ? st.id : (passed ? -1 : st.id),
                             words ? frontEnd().parser.recordedWords : InstructionWords{}});
        }
        parserReadSource(frontEnd());
        return steps;
    };
    const std::vector<Step> asStatements = replay(false);
    const std::vector<Step> passed = replay(true);
    ASSERT_EQ(passed.size(), asStatements.size());
    int words = 0;
    for (size_t i = 0; i < passed.size(); ++i) {
        SCOPED_TRACE("statement " + std::to_string(i));
        EXPECT_EQ(passed[i].line, asStatements[i].line);
        EXPECT_EQ(passed[i].column, asStatements[i].column);
        EXPECT_EQ(passed[i].stateLine, asStatements[i].stateLine);
        EXPECT_EQ(passed[i].words, asStatements[i].words);
        EXPECT_EQ(passed[i].id, asStatements[i].id);
        ASSERT_EQ(passed[i].encoded.count, asStatements[i].encoded.count);
        for (int k = 0; k < passed[i].encoded.count; ++k)
            EXPECT_EQ(passed[i].encoded.word[k], asStatements[i].encoded.word[k]);
        words += passed[i].words ? 1 : 0;
    }
    EXPECT_EQ(words, 5); // NOP, ADD8, CPY16, INC16, LD32
}

TEST(StatementRecordingLimit, AnOversizedRecordingIsAbandoned) {
    // Past its size limit the recording gives up, and pass two reads the source again.
    StatementRecording recording;
    Statement st;
    st.kind = SK_DIRECTIVE;
    st.status = SS_COMPLETE;
    st.id = DIR_EQU;
    st.name.emplace(size_t{1} << 20, 'n');
    ParseEffects effects;
    for (size_t i = 0; recording.usable() && i <= StatementRecording::kMaxBytes >> 20; ++i)
        recording.append(st, effects, 0, nullptr);
    EXPECT_FALSE(recording.usable());
    unsigned labels = 0;
    int32_t labelNames[3];
    NameTable names;
    InstructionWords words;
    EXPECT_FALSE(recording.next(st, effects, labels, labelNames, names, words));
}

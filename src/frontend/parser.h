// The grammar: one source statement per call into the front end's Statement.
#pragma once

#include "core/messages.h"
#include "frontend/operands.h"
#include "frontend/statementRecord.h"
#include "frontend/token.h"

#include <cstddef>
#include <string>
#include <string_view>

struct FrontEnd;

// The look-ahead token.
struct ParserToken {
    int kind = TOK_EOF;
    int32_t number = 0;
    std::string_view text;
};

// Reading parses the scanner's tokens; Recording does the same and keeps a copy of each
// statement; Replaying hands the copies out again instead (see statementRecord.h).
enum class ParseMode { Reading, Recording, Replaying };

// The grammar's state between statements.
struct Parser {
    ParserToken la;
    // Code that a syntax error in the statement being read reports.
    Diag errorCode = Diag::UnsupportedDirective;
    ParseMode mode = ParseMode::Reading;
    StatementRecording recording;
    // The operands of the statement being built that were written "$name", and the names'
    // numbers.
    unsigned labelOperands = 0;
    int32_t labelOperandNames[3] = {-1, -1, -1};
    // The next free cell of the argument area while a list is read.
    int argCollector = 0;
    // What the last syntax error left about the word it is about: the code it set, the
    // word and its column.
    Diag wordCode = Diag::NeitherInstructionNorDirective;
    std::string word;
    int wordColumn = 0;
    LabelLookup lastLookup; // what the last "$name" found
    // Whether the commonest lines take the short way (see lexerScanLine). Off, every line
    // is read token by token; both ways give the same statements.
    bool shortLines = true;
    // Whether pass one records instructions that no symbol can change (every operand a
    // number, none written "$name") with their code words: pass two then lays the words
    // down without rebuilding and encoding the statement again. The driver turns it on
    // when nothing in pass two reads such a statement but the encoder: no listing, no
    // trace log.
    bool encodeAhead = false;
    // The code words the statement just read is recorded with, whether it was just
    // recorded or just replayed; count 0 when it is recorded without them and has to be
    // handled as usual.
    InstructionWords recordedWords;
};

// Parses one statement from the scanner's input into fe.statement; always 1. The
// statement must arrive cleared (an empty line sets only its status): instruction and
// label lines write just their own fields, so that clearing them again is cheap (see
// Statement::clearInstruction).
int parseStatement(FrontEnd& fe);

// Pass one records every statement it parses and pass two replays the recording
// instead of scanning and parsing the source again (see statementRecord.h); only the
// "$name" operands are looked up afresh. Reading the scanner is the normal mode.
// room for about this much recording; `encodeAhead` as Parser::encodeAhead
void parserRecordStatements(FrontEnd& fe, size_t expectedBytes = 0, bool encodeAhead = false);
// Replays from the first recorded statement; true when it does, false when the
// recording was abandoned and the scanner is read again.
bool parserReplayStatements(FrontEnd& fe);
void parserReadSource(FrontEnd& fe); // back to the scanner; the recording is released
// While replaying: when the next statement is one that pass two has nothing to do with
// but lay down its words (see StatementRecording::nextPlain), replays it without
// writing the statement (which stays as it is): P_WORDS for an instruction, its id in
// `id` and its words in Parser::recordedWords, P_PASSED for an empty line or a label.
// P_NONE, replaying nothing, for any other statement.
StatementRecording::Plain parserReplayPlain(FrontEnd& fe, int32_t& id);
// Whether parserReplayPlain would replay a statement, in a glance.
inline bool parserPlainNext(const Parser& p) {
    return p.mode == ParseMode::Replaying && p.recording.plainNext();
}

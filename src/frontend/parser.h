// The grammar: one source statement per call into the process-wide Statement.
#pragma once

#include <cstddef>

// Parses one statement from the scanner's input into currentStatement(); always 1. The
// statement must arrive cleared (an empty line sets only its status): instruction and
// label lines write just their own fields, so that clearing them again is cheap (see
// Statement::clearInstruction).
int parseStatement();

// The next free cell of the argument area while a list is read.
extern int argCollector;
void resetArgCollector();

// Pass one records every statement it parses and pass two replays the recording
// instead of scanning and parsing the source again (see statementRecord.h); only the
// "$name" operands are looked up afresh. Reading the scanner is the normal mode.
void parserRecordStatements(size_t expectedBytes = 0); // room for about this much recording
// Replays from the first recorded statement; true when it does, false when the
// recording was abandoned and the scanner is read again.
bool parserReplayStatements();
void parserReadSource(); // back to the scanner; the recording is released

// Clears the parser's state (a new run).
void resetParser();

// The grammar: one source statement per call into the process-wide Statement.
#pragma once

// Parses one statement from the scanner's input into currentStatement(); always 1.
int parseStatement();

// The next free cell of the argument area while a list is read.
extern int argCollector;
void resetArgCollector();

// Clears the parser's state (a new run).
void resetParser();

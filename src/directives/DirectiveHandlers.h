// Handlers of the section, linkage and structure-instance directives, and the pieces the
// directive modules share. Only the directive modules include this header.
#pragma once

#include <cstdint>
#include <string>

struct AssemblerState;
struct ArgCell;
struct Statement;

// Section and linkage directives.
int executeSECTION(Statement* statement, AssemblerState* state, int pass);
int executeBSS(Statement* statement, AssemblerState* state, int pass);
int executeGLOBAL(Statement* statement, AssemblerState* state, int pass);
int executeLOCAL(Statement* statement, AssemblerState* state, int pass);
int executeWEAK(Statement* statement, AssemblerState* state, int pass);

// Structure-instance directives.
int executeDATA_DEF(Statement* statement, AssemblerState* state, int pass);
int executeDATA_INIT(Statement* statement, AssemblerState* state, int pass);
int executeDATA_DEF_END(Statement* statement, AssemblerState* state, int pass);
// Drops the open structure instance, if any.
void resetStructInstance();

// Enters a data name into the label table; a duplicate reports 3016 and the caller goes on.
void defineDataLabel(AssemblerState* state, const std::string& name, int32_t value, int isData);

// Appends `size` bytes (zeros when `bytes` is null) to a section in pass two the way the
// data directives lay them down: the text section is first padded to an even counter with a
// zero byte; the bytes go into the tail block when they fit, else into new blocks, each
// filled with whole elements of `elementSize` bytes. The location counter is not advanced
// (beyond the pad byte). Returns 0, or -1 after reporting.
int appendSectionBytes(AssemblerState* state, int section, const uint8_t* bytes, int64_t size,
                       int elementSize);

// The text of a list item: its own text, or the number written in decimal.
std::string argumentText(const ArgCell& cell);

// With the underscore switch on, a data name must start with an underscore, which is
// removed; a name without one prints the front end's message and is refused (false).
bool applyDataIdentifierRule(std::string& name);

// Adds to a pass-one table estimate without overflowing it.
void addToEstimate(int32_t& estimate, int64_t amount);

// Handlers of the section, linkage and structure-instance directives, and the pieces the
// directive modules share. Only the directive modules include this header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/messages.h"
#include "symbols/assemblerState.h"

struct AssemblerState;
struct ArgCell;
struct DirectiveContext;
struct Statement;

// Reports `code` at the current line; -1, for the handler to return.
inline int failWith(const AssemblerState* state, Diag code, const char* arg = nullptr) {
    reportAt(state, code, arg);
    return -1;
}

// Section and linkage directives.
int executeSECTION(Statement* statement, DirectiveContext& dc, int pass);
int executeBSS(Statement* statement, DirectiveContext& dc, int pass);
int executeGLOBAL(Statement* statement, DirectiveContext& dc, int pass);
int executeLOCAL(Statement* statement, DirectiveContext& dc, int pass);
int executeWEAK(Statement* statement, DirectiveContext& dc, int pass);

// Structure-instance directives.
int executeDATA_DEF(Statement* statement, DirectiveContext& dc, int pass);
int executeDATA_INIT(Statement* statement, DirectiveContext& dc, int pass);
int executeDATA_DEF_END(Statement* statement, DirectiveContext& dc, int pass);

// One member of a structure instance, as .DATA_INIT described it.
struct InstanceMember {
    int32_t bitOffset = 0;
    int32_t bitWidth = 0; // width of one element
    int32_t bitSize = 0;  // width of the whole member
    bool isSymbolic = false;
    std::vector<int32_t> values;
    std::vector<std::string> names; // identifiers, when symbolic
};

struct StructInstance {
    std::string name;
    int32_t byteSize = 0;
    std::vector<InstanceMember> members;
};

// .ORG, also run by the driver's pre-scan bookkeeping.
int executeORG(Statement* statement, DirectiveContext& dc, int pass);

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
bool applyDataIdentifierRule(const AssemblerState* state, std::string& name);

// Adds to a pass-one table estimate without overflowing it.
void addToEstimate(int32_t& estimate, int64_t amount);

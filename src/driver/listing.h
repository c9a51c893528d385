// The listing (--listing): every source line, main or included, in the order pass two
// assembles it, with the section, the address and the code words or data bytes that
// pass two laid down for it, then the symbol table.
//
// The listing reads what pass two emits: before each statement it notes where every
// section's contents end, after it the bytes beyond those marks are the statement's. It
// never encodes anything itself, so it cannot disagree with the object.
#pragma once

#include "symbols/assemblerState.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

struct Statement;

// A source file being listed: its name, its text and the first line not listed yet.
struct ListingFile {
    int index = 0; // into Listing::fileNames
    std::string_view text;
    size_t offset = 0; // where the next line starts
    int nextLine = 1;
};

// What the statements of one line laid down.
struct ListingOutput {
    int line = 0; // 0: nothing pending
    int section = -1;
    int64_t address = -1; // in bytes
    bool code = false;    // instruction words rather than data bytes
    std::vector<uint8_t> bytes;
};

// One line of the listing before it is laid out in columns.
struct ListingRow {
    int file = -1; // -1 for a continuation row
    int line = 0;
    char mark = ' ';
    int section = -1;
    int64_t address = -1; // as printed: a code word address in .text, a byte address elsewhere
    std::string contents;
    std::string_view text;
};

struct SectionMark {
    const DataBlock* tail = nullptr;
    int32_t used = 0;
};

struct Listing {
    std::string mainName;
    std::vector<std::string> fileNames;
    std::vector<std::string> sectionNames; // by section number, as they were during pass two
    std::deque<std::string> includedTexts; // the included files' bytes, kept for the rows
    std::vector<ListingFile> open;         // the files being read, innermost last
    std::vector<ListingRow> rows;
    ListingOutput pending;
    std::array<SectionMark, kMaxSections> marks{};
    std::string symbols; // the symbol table, laid out
};

// The main file; its text must stay alive until the listing is written.
void listingStart(Listing& listing, const std::string& name, std::string_view text);
// An included file that pass two just opened (its text is copied).
void listingInclude(Listing& listing, const std::string& name, std::string_view text);

// Around each statement pass two hands on: `line` is the line it stands on.
void listingBeforeStatement(Listing& listing, const AssemblerState& state);
void listingAfterStatement(Listing& listing, const AssemblerState& state, const Statement& st, int line);

// The innermost file ended: its remaining lines are listed, marked as not assembled when
// `skipped` (after .ENDP), and the file is closed.
void listingEndFile(Listing& listing, bool skipped);
// Pass two stopped at a failed statement: every line not reached, in every open file, is
// listed as not assembled.
void listingStop(Listing& listing);

// The symbol table, as the sections are numbered before the object is written.
[[gnu::noinline]] void listingSymbols(Listing& listing, const AssemblerState& state);

// The listing laid out in columns.
std::string listingText(const Listing& listing);

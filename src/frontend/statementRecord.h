// A compact recording of the statements the parser produced in pass one.
//
// Pass two reads exactly the statements that pass one read, in the same order: the
// same files, the same .INCLUDE and .ENDP effects, and a pass one that rejected a line
// never reaches pass two. Parsing can only come out differently for a "$name" operand,
// which looks the name up in the symbol tables while the line is parsed: a name defined
// further down is unknown in pass one and known in pass two. So pass one records every
// statement, with the names of its "$name" operands, and pass two replays the recording
// and looks only those names up again, instead of scanning and parsing the source a
// second time. Names are kept as their numbers in the run's name table, which outlasts
// the recording. An instruction that no symbol can change may be recorded as its code
// words instead of its operands (see Parser::encodeAhead), so that pass two neither
// rebuilds nor encodes it again.
#pragma once

#include "isa/encoder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct NameTable;
struct Statement;

// Everything one parse leaves behind besides the Statement.
struct ParseEffects {
    int32_t scanLine = 0;
    int32_t scanColumn = 0;
    bool pendingCodeSet = false; // the parse set pendingErrorCode (a refused string literal)
    int32_t pendingErrorCode = 0;
    int32_t argCollector = 0;
};

class StatementRecording {
  public:
    // The recording gives up beyond this size (a source of millions of empty lines);
    // pass two then parses the source again.
    static constexpr size_t kMaxBytes = size_t{32} << 20;

    void clear();
    bool usable() const { return !abandoned_; }
    // Room for about `bytes` of recording up front (within the size limit), so that
    // the buffer is not copied as it grows.
    void reserve(size_t bytes);

    // Appends one statement. `labelOperands` has bit i set when operand i was written
    // "$name", `names[i]` holding the name's number. `encoded`, when given, holds the code
    // words of an instruction that no symbol can change (see Parser::encodeAhead): the
    // recording keeps its id and words in place of its operands.
    void append(const Statement& st, const ParseEffects& effects, unsigned labelOperands,
                const int32_t* names, const InstructionWords* encoded = nullptr);

    // Restarts reading from the first statement.
    void rewind();
    bool atEnd() const { return read_ >= size_; }
    // Rebuilds the next statement into `st`, which arrives cleared; operand texts view
    // the name table `names`. An operand written "$name" comes back cleared, with its bit
    // set in `labelOperands` and the name's number in `labelNames[i]`: the caller
    // classifies it again. An instruction recorded with its words comes back as its id
    // alone, without operands, and its words in `encoded`; `encoded.count` is 0 for every
    // other statement. False when none is left.
    bool next(Statement& st, ParseEffects& effects, unsigned& labelOperands, int32_t* labelNames,
              const NameTable& names, InstructionWords& encoded);
    // What nextPlain read.
    enum Plain { P_NONE, P_PASSED, P_WORDS };
    // When the next statement is one that pass two has nothing to do with but lay down
    // its words (an empty line, a label, an instruction recorded with its words), reads
    // it as next does without writing any statement: P_WORDS for an instruction, its id
    // in `id` and its words in `encoded`, P_PASSED for the others. P_NONE, reading
    // nothing, for any other statement and at the end.
    Plain nextPlain(ParseEffects& effects, int32_t& id, InstructionWords& encoded);
    // Whether nextPlain would read a statement, in a glance at the next record's form.
    bool plainNext() const {
        if (read_ >= size_) return false;
        const unsigned head = static_cast<unsigned char>(bytes_[read_]);
        return (head & kEncodedFormMask) == kEncodedForm || (head & kFormTagMask) >= kLabelForm;
    }

  private:
    // The bits of a record's first byte that tell an instruction recorded with its words,
    // and their value then; and the form bits of a label's and an empty line's records,
    // the two highest (see the record forms in statementRecord.cpp).
    static constexpr unsigned kEncodedFormMask = 0x83, kEncodedForm = 0x81;
    static constexpr unsigned kFormTagMask = 0x03, kLabelForm = 0x02;
    // Room for `bytes` more bytes at the end, or null when the recording gives up.
    char* room(size_t bytes);
    bool appendShort(const Statement& st, const ParseEffects& effects, unsigned labelOperands,
                     const int32_t* names, const InstructionWords* encoded);
    void appendGeneric(const Statement& st, const ParseEffects& effects, unsigned labelOperands,
                       const int32_t* names);
    void nextGeneric(Statement& st, ParseEffects& effects, unsigned& labelOperands, int32_t* labelNames,
                     const NameTable& names, const char*& at);

    std::unique_ptr<char[]> bytes_; // room for the recording; the first size_ bytes are used
    size_t capacity_ = 0;
    size_t ready_ = 0; // the bytes from the start whose pages have been asked for
    size_t size_ = 0;
    size_t read_ = 0;
    bool abandoned_ = false;
    int32_t lastLine_ = 0; // the previous statement's line, from which the next one counts
};

// Shared by the debug tests: a fresh assembler state per test, statement builders for
// the debug directives, and a reader that decodes .debug_abbrev / .debug_info through
// the forms, independently of the builder.
#pragma once

#include "debug/dbgInfo.h"
#include "debug/dbgUtil.h"
#include "directives/DirectiveDebug.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/messages.h"
#include "frontend/Statement.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

class DebugTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProcessState();
        ASSERT_EQ(initAssemblerState(state), 0);
        debugInfo = 1;
        fileIndex = 1;
        state->fileName = "main.asm";
    }
    void TearDown() override {
        releaseAssemblerState(state);
        resetProcessState();
    }

    // Runs one debug directive in pass one (pass 0) or two.
    int run(const Statement& st, int pass = 0) {
        Statement copy = st;
        switch (st.id) {
            case DIR_FILE:
                return executeFILE(&copy, state.get(), pass);
            case DIR_LINE:
                return executeLINE(&copy, state.get(), pass);
            default:
                return executeDebugDescription(&copy, state.get(), pass);
        }
    }

    std::vector<int> codes() const {
        std::vector<int> out;
        for (const DiagnosticEntry& d : diagnostics()) out.push_back(d.code);
        return out;
    }

    DebugDirectives& records() { return debugDirectives(state.get()); }

    std::unique_ptr<AssemblerState> state;
};

inline Statement directive(int id) {
    Statement st;
    st.kind = SK_DIRECTIVE;
    st.status = SS_COMPLETE;
    st.id = id;
    return st;
}

// .ENUM, .STRUCT_END, .FUNCTION ... "name" [n]
inline Statement named(int id, const std::string& name, int32_t size = 0) {
    Statement st = directive(id);
    st.declName = "\"" + name + "\"";
    st.size = size;
    st.number = size; // .ENUMERATOR's value
    return st;
}

inline Statement typedefOf(const std::string& name, const std::string& type) {
    Statement st = named(DIR_TYPEDEF, name);
    st.typeName = "\"" + type + "\"";
    return st;
}

struct Shape {
    int32_t size = 16;
    int32_t isSigned = 0;
    int32_t pointer = 0;
    int32_t offset = 0;
    int32_t array = 0;
    int32_t arrayDim = 0;
    int32_t pointerDim = 0;
    int32_t line = 1;
};

// .VARIABLE, .PARAMETER, .STRUCTMEM, .UNIONMEM, .RETURN with optional modifier words.
inline Statement declaration(int id, const std::string& name, const std::string& type, Shape s = {},
                             const std::vector<std::string>& words = {}) {
    Statement st = directive(id);
    if (id != DIR_RETURN) st.declName = "\"" + name + "\"";
    st.typeName = "\"" + type + "\"";
    st.size = s.size;
    st.flags = s.isSigned ? kFlagSigned : 0;
    st.pointerFlag = s.pointer;
    st.number = s.offset;
    st.arrayFlag = s.array;
    st.number2 = s.arrayDim;
    st.pointerDimension = s.pointerDim;
    st.declLine = s.line;
    for (const std::string& w : words) {
        ArgCell cell;
        cell.isText = true;
        cell.text = w;
        st.args.push_back(cell);
    }
    st.count = static_cast<int32_t>(words.size());
    return st;
}

inline Statement fileDirective(const std::string& name) {
    Statement st = directive(DIR_FILE);
    st.fileName = "\"" + name + "\"";
    return st;
}

inline Statement lineDirective(int32_t line) {
    Statement st = directive(DIR_LINE);
    st.number = line;
    return st;
}

// ---- Decoding what the builder wrote ----

struct DecodedEntry {
    uint32_t offset = 0;
    int tag = 0;
    std::map<int, uint32_t> values;   // numeric attributes
    std::map<int, std::string> texts; // string attributes

    bool has(int attribute) const { return values.count(attribute) || texts.count(attribute); }
    uint32_t value(int attribute) const {
        return values.count(attribute) ? values.at(attribute) : 0xDEADBEEF;
    }
    std::string name() const { return texts.count(0x03) ? texts.at(0x03) : std::string(); }
};

inline uint32_t readUleb(const std::vector<uint8_t>& b, size_t& at) {
    uint32_t value = 0;
    for (int shift = 0; at < b.size(); shift += 7) {
        uint8_t byte = b[at++];
        if (shift < 32) value |= static_cast<uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) break;
    }
    return value;
}

inline uint32_t readLe(const std::vector<uint8_t>& b, size_t at, int width) {
    uint32_t v = 0;
    for (int i = 0; i < width; ++i) v |= static_cast<uint32_t>(b.at(at + i)) << (8 * i);
    return v;
}

// Decodes .debug_info (11-byte header, entries, one final zero byte) through the
// abbreviation table, by the forms alone.
inline std::vector<DecodedEntry> decodeDebugInfo(const std::vector<uint8_t>& abbrev,
                                                 const std::vector<uint8_t>& info) {
    struct Abbrev {
        int tag = 0;
        std::vector<std::pair<int, int>> pairs;
    };
    std::map<uint32_t, Abbrev> table;
    size_t at = 0;
    for (uint32_t code; at < abbrev.size() && (code = readUleb(abbrev, at)) != 0;) {
        Abbrev& a = table[code];
        a.tag = static_cast<int>(readUleb(abbrev, at));
        ++at; // children flag
        for (;;) {
            int attr = static_cast<int>(readUleb(abbrev, at));
            int form = static_cast<int>(readUleb(abbrev, at));
            if (attr == 0 && form == 0) break;
            a.pairs.emplace_back(attr, form);
        }
    }
    EXPECT_EQ(at, abbrev.size()) << "one zero byte ends .debug_abbrev";

    const std::map<int, int> kWidths = {{0x01, 4}, {0x05, 2}, {0x06, 4}, {0x0b, 1}, {0x0c, 1}, {0x13, 4}};
    std::vector<DecodedEntry> entries;
    for (at = 11; at + 1 < info.size();) {
        DecodedEntry e;
        e.offset = static_cast<uint32_t>(at);
        auto it = table.find(readUleb(info, at));
        if (it == table.end()) {
            ADD_FAILURE() << "unknown abbreviation at " << e.offset;
            break;
        }
        e.tag = it->second.tag;
        for (auto [attr, form] : it->second.pairs) {
            if (form == 0x08) {
                std::string& text = e.texts[attr];
                while (info.at(at) != 0) text.push_back(static_cast<char>(info[at++]));
                ++at;
            } else {
                int width = kWidths.at(form);
                e.values[attr] = readLe(info, at, width);
                at += static_cast<size_t>(width);
            }
        }
        entries.push_back(e);
    }
    EXPECT_EQ(at + 1, info.size()) << "one zero byte ends .debug_info";
    return entries;
}

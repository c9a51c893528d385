// The line-number program and the raw line table.
#include "test_debugSupport.h"

namespace {

std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
    return std::vector<uint8_t>(bytes.begin() + static_cast<long>(from),
                                bytes.begin() + static_cast<long>(std::min(bytes.size(), from + count)));
}

class LineProgramTest : public DebugTest {
  protected:
    void lines(const std::vector<std::pair<int32_t, int64_t>>& entries) {
        for (auto [line, at] : entries) {
            state->textLoc() = at;
            ASSERT_EQ(run(lineDirective(line)), 0);
        }
    }
    // Offset of the first opcode, from header_length.
    size_t programStart() const { return readLe(state->debugLine, 6, 4) + 10; }
};

TEST_F(LineProgramTest, WorkedExampleByteForByte) {
    state->debugFileList.push_back(DebugFile{".", "main.asm"});
    lines({{5, 0}, {7, 8}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);

    EXPECT_EQ(state->debugRawLine, (std::vector<uint8_t>{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04,
                                                         0x00, 0x08, 0x00, 0x00, 0x00, 0x02, 0x00}));
    const std::vector<uint8_t>& out = state->debugLine;
    std::vector<uint8_t> header = {
        0x02, 0x00,                   // version
        0x00, 0x00, 0x00, 0x00,       // header_length (checked below)
        0x02, 0x01, 0x01, 0x04, 0x0a, // min length, is_stmt, line_base, line_range, opcode_base
        0,    0,    0,    0,    0,    0,   0,   0,   0,            // standard_opcode_lengths
        '.',  0,    0,                                             // include_directories
        'm',  'a',  'i',  'n',  '.',  'a', 's', 'm', 0, 1, 0, 0, 0 // file_names
    };
    std::vector<uint8_t> got = slice(out, 4, header.size());
    got[2] = got[3] = got[4] = got[5] = 0;
    EXPECT_EQ(got, header);
    EXPECT_EQ(programStart(), 4 + header.size());
    EXPECT_EQ(slice(out, programStart(), 100), (std::vector<uint8_t>{0x03, 0x04, 0x02, 0x00, 0x01, 0x03, 0x02,
                                                                     0x02, 0x04, 0x01, 0x00, 0x01, 0x01}));
    EXPECT_EQ(readLe(out, 0, 4), out.size() - 4);
}

TEST_F(LineProgramTest, SingleEntryAtLineOneHasZeroDeltas) {
    lines({{1, 0}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);
    EXPECT_EQ(state->debugLine[12], 0); // line_base
    EXPECT_EQ(state->debugLine[13], 1); // line_range
    EXPECT_EQ(slice(state->debugLine, programStart(), 100),
              (std::vector<uint8_t>{0x03, 0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0x01}));
}

TEST_F(LineProgramTest, BackwardLinesTakeFiveByteDeltas) {
    lines({{10, 2}, {8, 300}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);
    EXPECT_EQ(static_cast<int8_t>(state->debugLine[12]), -2); // smallest delta
    EXPECT_EQ(state->debugLine[13], 12);                      // 9 - (-2) + 1
    EXPECT_EQ(slice(state->debugLine, programStart(), 100),
              (std::vector<uint8_t>{0x03, 0x09, 0x02, 0x01, 0x01,                         // +9, 1 word
                                    0x03, 0xFE, 0xFF, 0xFF, 0xFF, 0x0F, 0x02, 0x95, 0x01, // -2, 149 words
                                    0x01, 0x00, 0x01, 0x01}));
    EXPECT_EQ(slice(state->debugRawLine, 8, 8),
              (std::vector<uint8_t>{0x95, 0x00, 0x2C, 0x01, 0, 0, 0xFE, 0xFF}));
}

TEST_F(LineProgramTest, EveryFileGetsItsOwnDirectoryEntry) {
    state->debugFileList = {{"C:\\src\\", "a.c"}, {"C:\\src\\", "b.h"}, {".", "c.h"}};
    lines({{3, 0}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);
    std::string tail(state->debugLine.begin() + 24,
                     state->debugLine.begin() + static_cast<long>(programStart()));
    EXPECT_EQ(tail, std::string("C:\\src\\\0C:\\src\\\0.\0\0"
                                "a.c\0\1\0\0b.h\0\2\0\0c.h\0\3\0\0\0",
                                41));
}

} // namespace

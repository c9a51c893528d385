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

TEST_F(LineProgramTest, SingleEntryAtLineOneHasZeroDeltas) {
    lines({{1, 0}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);
    EXPECT_EQ(state->debugLine[12], 0); // line_base
    EXPECT_EQ(state->debugLine[13], 1); // line_range
    EXPECT_EQ(slice(state->debugLine, programStart(), 100),
              (std::vector<uint8_t>{0x03, 0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0x01}));
}

TEST_F(LineProgramTest, LongAddressStepsTakeMultiByteAdvances) {
    lines({{3, 2}, {4, 300}});
    ASSERT_EQ(buildLineProgram(state.get()), 0);
    EXPECT_EQ(slice(state->debugLine, programStart(), 100),
              (std::vector<uint8_t>{0x03, 0x02, 0x02, 0x01, 0x01, 0x03, 0x01, 0x02, 0x95, 0x01, 0x01, 0x00,
                                    0x01, 0x01}));
    EXPECT_EQ(slice(state->debugRawLine, 8, 8),
              (std::vector<uint8_t>{0x95, 0x00, 0x2C, 0x01, 0, 0, 0x01, 0x00}));
}

} // namespace

// The object writer's failure paths and the joining of a section's block chain; the
// object layout itself is pinned by the golden tests.
#include "debug/dbgUtil.h"
#include "driver/initAsm.h"
#include "objfile/fileIO.h"
#include "symbols/sectionHandler.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <vector>

using Bytes = std::vector<uint8_t>;

TEST(Writer, OnlyACompleteWriteCountsAsSuccess) {
    RunContext context;
    DebugDirectives debug;
    std::unique_ptr<AssemblerState> state;
    ASSERT_EQ(initAssemblerState(context, state), 0);
    DataBlock* block = ensureTailBlock(state.get(), SEC_TEXT);
    block->used = 2;
    EXPECT_EQ(writeToFile(nullptr, debug, "x.obj"), -1);
    EXPECT_EQ(writeToFile(state.get(), debug, nullptr), -1);
    state->objectFd = -1;
    EXPECT_EQ(writeToFile(state.get(), debug, "x.obj"), 0); // no descriptor to write to
    int full = open("/dev/full", O_WRONLY);
    if (full < 0) GTEST_SKIP() << "/dev/full not available";
    ASSERT_EQ(initAssemblerState(context, state), 0); // writing trims the section names: start afresh
    ensureTailBlock(state.get(), SEC_TEXT)->used = 2;
    state->objectFd = full;
    EXPECT_EQ(writeToFile(state.get(), debug, "x.obj"), 0);
    close(full);
}

TEST(BlockChain, SpanAndFill) {
    struct Piece {
        int32_t start, used;
        Bytes bytes;
    };
    struct Row {
        const char* what;
        std::vector<Piece> pieces;
        int64_t padding;
        Bytes expected;
    } rows[] = {
        {"one block", {{8, 3, {1, 2, 3}}}, 0, {1, 2, 3}},
        {"adjacent blocks", {{0, 2, {1, 2}}, {2, 1, {3}}}, 0, {1, 2, 3}},
        {"gap", {{10, 1, {1}}, {13, 1, {2}}}, 0, {1, 0, 0, 2}},
        {"zeros past the stored bytes", {{0, 1, {5}}, {1, 3, {}}}, 0, {5, 0, 0, 0}},
        {"padding", {{0, 2, {1, 2}}}, 3, {0, 0, 0, 1, 2}},
        {"block before the first", {{4, 2, {1, 2}}, {2, 3, {7, 8, 9}}}, 0, {9, 2, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        std::unique_ptr<DataBlock> head;
        DataBlock* tail = nullptr;
        for (const Piece& p : row.pieces) {
            auto block = createDataBlock(p.start, static_cast<int32_t>(p.bytes.size()));
            std::copy(p.bytes.begin(), p.bytes.end(), block->bytes.begin());
            block->used = p.used;
            DataBlock* raw = block.get();
            (tail ? tail->next : head) = std::move(block);
            raw->prev = tail;
            tail = raw;
        }
        int64_t span = static_cast<int64_t>(row.expected.size()) - row.padding;
        EXPECT_EQ(sectionSpan(head.get()), span) << row.what;
        Bytes buffer(row.expected.size(), 0xEE);
        EXPECT_EQ(fillBuffer(head.get(), buffer.data(), static_cast<int64_t>(buffer.size()), row.padding),
                  span)
            << row.what;
        EXPECT_EQ(buffer, row.expected) << row.what;
        EXPECT_EQ(fillBuffer(head.get(), buffer.data(), static_cast<int64_t>(buffer.size()) - 1, row.padding),
                  0)
            << row.what << ": a buffer too small is refused";
    }
    EXPECT_EQ(sectionSpan(nullptr), 0);
}

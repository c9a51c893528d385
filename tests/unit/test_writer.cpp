// The object writer, on assembler states built by hand and read back with the ELF reader.
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "driver/interface.h"
#include "driver/messages.h"
#include "objfile/elfReader.h"
#include "objfile/fileIO.h"
#include "symbols/sectionHandler.h"
#include "symbols/stSymbolTable.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

class Writer : public ::testing::Test {
  protected:
    void SetUp() override {
        resetProcessState();
        ASSERT_EQ(initAssemblerState(state), 0);
        path = "/tmp/zorlan-writer-XXXXXX";
        int fd = mkstemp(path.data());
        ASSERT_GE(fd, 0);
        close(fd);
    }
    void TearDown() override {
        unlink(path.c_str());
        resetProcessState();
    }
    // A clean state and file for the next row of a table.
    void fresh() {
        TearDown();
        SetUp();
    }

    // One block of `bytes` at `start`; `used` beyond the bytes stands for .bss zeros.
    DataBlock* addBlock(int ordinal, int32_t start, const Bytes& bytes, int32_t used = -1) {
        auto block = createDataBlock(start, used > 0 ? 0 : kBlockCapacity);
        std::copy(bytes.begin(), bytes.end(), block->bytes.begin());
        block->used = used >= 0 ? used : static_cast<int32_t>(bytes.size());
        return appendBlock(state.get(), ordinal, std::move(block));
    }

    int writeWith(int fd) {
        state->objectFd = fd;
        return writeToFile(state.get(), path.c_str());
    }

    // Writes the object and reads it back.
    ElfImage write() {
        EXPECT_EQ(writeWith(createObjectFile(path.c_str())), 1);
        EXPECT_EQ(state->objectFd, -1) << "the writer closes the object after a good write";
        ElfImage image;
        std::string error;
        EXPECT_EQ(readElfFile(path.c_str(), image, error), 0) << error;
        return image;
    }

    std::unique_ptr<AssemblerState> state;
    std::string path;
};

std::vector<std::string> names(const ElfImage& image) {
    std::vector<std::string> out;
    for (size_t i = 1; i < image.sections.size(); ++i) out.push_back(image.sections[i].name);
    return out;
}

const ElfSectionHeader& header(const ElfImage& image, const char* name) {
    static const ElfSectionHeader none;
    const ElfImageSection* s = findImageSection(image, name);
    EXPECT_NE(s, nullptr) << name;
    return s ? s->header : none;
}

} // namespace

TEST_F(Writer, CodeOnlyObjectHasFourPackedSections) {
    addBlock(SEC_TEXT, 0, {0x00, 0xFA, 0x00, 0x00, 0x12, 0x34});
    addElfSymbol(state.get(), "start", 1, 0, 0, 0, 3, 1);
    ElfImage image = write();

    EXPECT_EQ(names(image), (std::vector<std::string>{".text", ".symtab", ".strtab", ".shstrtab"}));
    EXPECT_EQ(image.header.e_shstrndx, 4);
    EXPECT_EQ(image.header.e_shnum, 5);
    EXPECT_EQ(image.header.e_entry, 0u);
    const char kShstrtab[] = "\0.text\0.symtab\0.strtab\0.shstrtab";
    EXPECT_EQ(findImageSection(image, ".shstrtab")->bytes, Bytes(kShstrtab, kShstrtab + sizeof kShstrtab));
    EXPECT_EQ(findImageSection(image, ".text")->bytes, (Bytes{0x00, 0xFA, 0x00, 0x00, 0x12, 0x34}));

    uint32_t offset = 52;
    for (size_t i = 1; i < image.sections.size(); ++i) {
        EXPECT_EQ(image.sections[i].header.sh_offset, offset) << image.sections[i].name;
        offset += image.sections[i].header.sh_size;
    }
    EXPECT_EQ(image.header.e_shoff, offset);

    const ElfSectionHeader& text = header(image, ".text");
    EXPECT_EQ(text.sh_type, 1u);
    EXPECT_EQ(text.sh_flags, 6u);
    const ElfSectionHeader& symtab = header(image, ".symtab");
    EXPECT_EQ(symtab.sh_type, 2u);
    EXPECT_EQ(symtab.sh_entsize, 16u);
    EXPECT_EQ(symtab.sh_link, 0u);
    ASSERT_EQ(image.symbols.size(), 1u);
    EXPECT_EQ(image.symbols[0].name, "start");
    EXPECT_EQ(image.symbols[0].st_shndx, 1);
}

TEST_F(Writer, DataWithoutCodeRenumbersSymbolSections) {
    addBlock(SEC_DATA, 0, {0x11, 0x22});
    addBlock(SEC_BSS, 0, {}, 6);
    addElfSymbol(state.get(), "d", 1, 0, 1, 0, 2, 1);
    addElfSymbol(state.get(), "b", 1, 0, 2, 0, 6, 1);
    state->relDataCreated = true;
    state->relData.push_back({0, (1u << 16) | 7, 0});
    ElfImage image = write();

    EXPECT_EQ(names(image),
              (std::vector<std::string>{".data", ".bss", ".symtab", ".strtab", ".rel.data", ".shstrtab"}));
    EXPECT_EQ(image.header.e_shstrndx, 6);
    ASSERT_EQ(image.symbols.size(), 2u);
    EXPECT_EQ(image.symbols[0].st_shndx, 1);
    EXPECT_EQ(image.symbols[1].st_shndx, 2);
    EXPECT_EQ(findImageSection(image, ".bss")->bytes, Bytes(6, 0));
    EXPECT_EQ(header(image, ".bss").sh_type, 8u);

    const ElfImageSection* rel = findImageSection(image, ".rel.data");
    ASSERT_NE(rel, nullptr);
    EXPECT_EQ(rel->header.sh_link, 3u);
    EXPECT_EQ(rel->header.sh_entsize, 12u);
    ASSERT_EQ(rel->relocations.size(), 1u);
    EXPECT_EQ(rel->relocations[0].type(), 7u);
    EXPECT_EQ(rel->relocations[0].symbolIndex(), 1u);
}

TEST_F(Writer, AlignmentAndAbsoluteStartsGoToTheHeaders) {
    struct Row {
        int relocatable, textAlignment, dataAlignment, textStart, dataStart;
        uint32_t textAlign, dataAlign; // expected sh_addralign
    } rows[] = {
        {1, 2, 1, 0x40, 0x80, 0, 0},
        {0, 1, 2, 0x40, 0x80, 0x40, 0x80},
        {0, 0, 0, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        fresh();
        addBlock(SEC_TEXT, 0, {1, 2});
        addBlock(SEC_DATA, 0, {3});
        state->relocatable = row.relocatable;
        state->textAlignment = row.textAlignment;
        state->dataAlignment = row.dataAlignment;
        state->textStartAddress = row.textStart;
        state->dataStartAddress = row.dataStart;
        ElfImage image = write();
        EXPECT_EQ(header(image, ".text").sh_info, static_cast<uint32_t>(row.textAlignment));
        EXPECT_EQ(header(image, ".data").sh_info, static_cast<uint32_t>(row.dataAlignment));
        EXPECT_EQ(header(image, ".text").sh_addralign, row.textAlign);
        EXPECT_EQ(header(image, ".data").sh_addralign, row.dataAlign);
    }
}

TEST_F(Writer, OriginsPlaceTheCode) {
    struct Row {
        int orgCount;
        int32_t origin;
        uint32_t entry;
        Bytes text;
    } rows[] = {
        {0, 0, 0, {0xA0, 0xA1, 0, 0, 0, 0, 0xB0, 0xB1}},
        {1, 4, 4, {0xA0, 0xA1, 0, 0, 0, 0, 0xB0, 0xB1}},
        {2, 4, 0, {0, 0, 0, 0, 0xA0, 0xA1, 0, 0, 0, 0, 0xB0, 0xB1}},
    };
    for (const Row& row : rows) {
        fresh();
        addBlock(SEC_TEXT, row.origin, {0xA0, 0xA1});
        addBlock(SEC_TEXT, row.origin + 6, {0xB0, 0xB1});
        state->orgCount = row.orgCount;
        state->firstTextOrigin = row.origin;
        ElfImage image = write();
        EXPECT_EQ(image.header.e_entry, row.entry) << row.orgCount;
        EXPECT_EQ(findImageSection(image, ".text")->bytes, row.text) << row.orgCount;
    }
}

TEST_F(Writer, UserSectionsFollowShstrtab) {
    addBlock(SEC_TEXT, 0, {1, 2});
    ASSERT_EQ(addSection("\".gone\"", state.get()), 0);
    addBlock(13, 0, {});
    ASSERT_EQ(addSection("\".mine\"", state.get()), 0);
    DataBlock* mine = addBlock(14, 0, {9, 8, 7});
    mine->sectionType = 1;
    mine->sectionFlags = 3;
    ElfImage image = write();

    EXPECT_EQ(names(image), (std::vector<std::string>{".text", ".shstrtab", "\".mine\""}));
    EXPECT_EQ(image.header.e_shstrndx, 2);
    EXPECT_EQ(header(image, "\".mine\"").sh_type, 1u);
    EXPECT_EQ(header(image, "\".mine\"").sh_flags, 3u);
    EXPECT_EQ(findImageSection(image, "\".mine\"")->bytes, (Bytes{9, 8, 7}));

    // Without a type from .SECTION the section's kind is unknown: internal error, no object.
    fresh();
    ASSERT_EQ(addSection("\".odd\"", state.get()), 0);
    addBlock(13, 0, {1});
    EXPECT_EQ(writeWith(createObjectFile(path.c_str())), -1);
    ASSERT_FALSE(diagnostics().empty());
    EXPECT_EQ(diagnostics().back().code, 5001);
    closeObjectFile(state->objectFd);
}

TEST_F(Writer, DebugSectionsNeedTheSwitchAndTheirBlocks) {
    for (int on : {0, 1}) {
        fresh();
        addBlock(SEC_TEXT, 0, {1, 2});
        addElfSymbol(state.get(), "f", 1, 0, 0, 0, 1, 1);
        for (int ordinal : {SEC_DEBUG_INFO, SEC_DEBUG_INFO_RELOC, SEC_DEBUG_RAW_LINE})
            addBlock(ordinal, 0, {});
        state->debugInfoBytes = {0x0B, 0, 0, 0, 2, 0};
        state->debugRawLine = {0x80, 0x01};
        state->debugReloc.push_back({6, 18, 4});
        state->debugAbbrev = {1, 0x11}; // .debug_abbrev has no block: left out all the same
        debugInfo = on;
        ElfImage image = write();
        if (!on) {
            EXPECT_EQ(names(image), (std::vector<std::string>{".text", ".symtab", ".strtab", ".shstrtab"}));
        } else {
            EXPECT_EQ(names(image),
                      (std::vector<std::string>{".text", ".symtab", ".strtab", ".debug_info",
                                                ".debug_info_reloc", ".debug_raw_line", ".shstrtab"}));
            EXPECT_EQ(findImageSection(image, ".debug_info")->bytes, state->debugInfoBytes);
            EXPECT_EQ(header(image, ".debug_info").sh_type, 0x80000002u);
            EXPECT_EQ(header(image, ".debug_info_reloc").sh_link, 2u);
            EXPECT_EQ(header(image, ".debug_info_reloc").sh_flags, 64u);
            EXPECT_EQ(findImageSection(image, ".debug_info_reloc")->relocations.at(0).type(), 18u);
        }
    }
}

TEST_F(Writer, OnlyACompleteWriteCountsAsSuccess) {
    addBlock(SEC_TEXT, 0, {1, 2});
    EXPECT_EQ(writeToFile(nullptr, path.c_str()), -1);
    EXPECT_EQ(writeToFile(state.get(), nullptr), -1);
    EXPECT_EQ(writeWith(-1), 0); // no descriptor to write to
    // Writing trims the state's section names, so each attempt starts afresh.
    fresh();
    addBlock(SEC_TEXT, 0, {1, 2});
    int full = open("/dev/full", O_WRONLY);
    if (full < 0) GTEST_SKIP() << "/dev/full not available";
    EXPECT_EQ(writeWith(full), 0);
    close(full);
}

TEST_F(Writer, TraceShowsTheSteps) {
    addBlock(SEC_TEXT, 0, {0x80, 0x01});
    addElfSymbol(state.get(), "s", 1, 0, 0, 0, 1, 1);
    char* text = nullptr;
    size_t size = 0;
    state->logFile = open_memstream(&text, &size);
    write();
    const uint8_t signedBytes[] = {0x80, 0x01};
    dumpHex(signedBytes, 2, state.get());
    std::fclose(state->logFile);
    state->logFile = nullptr;
    std::string log(text, size);
    std::free(text);
    for (const char* line : {"writeToFile BEGIN\n", "[INF] .data successfully deleted.\n",
                             "Dumping symtab BEGIN\n", "st_name: 1\n", "ffffff80 01 \n",
                             "ELF elfHdr_sp->e_shstrndx: 4, dbgInfoRelocIndex: 2\n", "writeToFile END\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
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
            if (tail) {
                block->prev = tail;
                tail->next = std::move(block);
            } else {
                head = std::move(block);
            }
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

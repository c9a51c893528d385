// The ELF library's packed layout, and the reader's checks on damaged files.
#include "format/elfLib.h"
#include "format/elfReader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A scratch file that is removed again.
struct TempFile {
    std::string path = "/tmp/zorlan-elf-XXXXXX";
    int fd = -1;
    TempFile() { fd = mkstemp(path.data()); }
    ~TempFile() {
        if (fd >= 0) close(fd);
        unlink(path.c_str());
    }
    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out(static_cast<size_t>(lseek(fd, 0, SEEK_END)));
        EXPECT_EQ(pread(fd, out.data(), out.size(), 0), static_cast<ssize_t>(out.size()));
        return out;
    }
};

struct SectionSpec {
    uint32_t type;
    std::vector<uint8_t> bytes;
    uint32_t link = 0;
};

// Builds and writes a relocatable object whose sections hold the given bytes, with
// `.shstrtab` last; returns the file image.
std::vector<uint8_t> writeObject(const std::vector<SectionSpec>& specs) {
    TempFile file;
    auto object = elfBegin(file.fd, ELF_C_WRITE);
    EXPECT_NE(elfNewEhdr(object.get(), ELF_K_RELOCATABLE), nullptr);
    static const char kNames[] = "\0.a\0.b\0.c\0.d\0.shstrtab";
    for (size_t i = 0; i <= specs.size(); ++i) {
        ElfSection* scn = elfNewScn(object.get());
        ElfData* data = elfNewData(scn);
        ElfSectionHeader* sh = elfGetShdr(scn);
        if (i < specs.size()) {
            data->buffer = specs[i].bytes.data();
            data->size = static_cast<uint32_t>(specs[i].bytes.size());
            sh->sh_type = specs[i].type;
            sh->sh_link = specs[i].link;
            sh->sh_name = static_cast<uint32_t>(1 + 3 * i);
        } else {
            data->buffer = kNames;
            data->size = sizeof kNames;
            sh->sh_type = ELF_SHT_STRTAB;
            sh->sh_name = 13;
            object->header->e_shstrndx = static_cast<uint16_t>(scn->index);
        }
    }
    EXPECT_EQ(elfUpdate(object.get(), ELF_C_WRITE), 1);
    EXPECT_EQ(elfEnd(object), 1);
    return file.bytes();
}

std::vector<uint8_t> filled(size_t n, uint8_t value) {
    return std::vector<uint8_t>(n, value);
}

uint32_t get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t{b[at + 3]} << 24);
}

} // namespace

TEST(ElfLib, SectionsArePackedAndTheHeaderTableFollows) {
    std::vector<uint8_t> file = writeObject(
        {{ELF_SHT_PROGBITS, filled(10, 0xA1)}, {ELF_SHT_PROGBITS, filled(7, 0xB2)}, {8, filled(3, 0xC3)}});
    ElfImage image;
    std::string error;
    ASSERT_EQ(readElfImage(file.data(), file.size(), image, error), 0) << error;
    ASSERT_EQ(image.sections.size(), 5u);
    const uint32_t offsets[] = {0, 52, 62, 69, 72};
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(image.sections[i].header.sh_offset, offsets[i]) << i;
    const uint32_t shstrtabSize = 23;
    EXPECT_EQ(image.header.e_shoff, 72 + shstrtabSize);
    EXPECT_EQ(file.size(), 72 + shstrtabSize + 5 * 40);
    EXPECT_EQ(image.header.e_shnum, 5);
    EXPECT_EQ(image.header.e_phoff, 0u);
    EXPECT_EQ(image.header.e_phnum, 0);
    EXPECT_EQ(image.sections[3].name, ".c");
    EXPECT_EQ(std::vector<uint8_t>(image.sections[2].bytes.begin(), image.sections[2].bytes.end()),
              filled(7, 0xB2));
    // Identification, machine and the null section header.
    const uint8_t ident[16] = {0x7F, 'E', 'L', 'F', 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 16};
    EXPECT_EQ(std::memcmp(file.data(), ident, 16), 0);
    EXPECT_EQ(file[18], 0x61);
    EXPECT_EQ(file[19], 0xF2);
    EXPECT_EQ(
        std::vector<uint8_t>(file.begin() + image.header.e_shoff, file.begin() + image.header.e_shoff + 40),
        filled(40, 0));
}

// ---- The reader on damaged files ----

namespace {

// A small valid object: .text, .symtab (one symbol), .strtab, .rel.text (one entry), .shstrtab.
std::vector<uint8_t> sampleObject() {
    static const uint8_t symbol[16] = {1, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0, 0x10, 0, 1, 0};
    static const uint8_t relocation[12] = {2, 0, 0, 0, 2, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF};
    std::vector<uint8_t> strtab = {0, 'g', 'o', 0};
    return writeObject({{ELF_SHT_PROGBITS, {0x00, 0xFA, 0x02, 0x00}},
                        {ELF_SHT_SYMTAB, {symbol, symbol + 16}, 3},
                        {ELF_SHT_STRTAB, strtab},
                        {ELF_SHT_RELA, {relocation, relocation + 12}}});
}

} // namespace

TEST(ElfReader, CorruptFieldsAreNamed) {
    std::vector<uint8_t> good = sampleObject();
    const size_t shoff = get32(good, 32);
    auto shdr = [&](int index, int field) { return shoff + 40 * index + 4 * field; };
    auto set32 = [](std::vector<uint8_t>& b, size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    const uint32_t strtabOffset = get32(good, shdr(3, 4));
    const uint32_t symtabOffset = get32(good, shdr(2, 4));
    const uint32_t relOffset = get32(good, shdr(4, 4));
    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        bool word;
        const char* expected;
    } cases[] = {
        {"magic", 1, 'X', false, "magic"},
        {"class", 4, 2, false, "32-bit"},
        {"byte order", 5, 2, false, "little-endian"},
        {"header entry size", 46, 39, false, "e_shentsize"},
        {"section count", 48, 60, false, "section header table"},
        {"name table index", 50, 9, false, "e_shstrndx"},
        {"section name", shdr(1, 0), 4000, true, "bad name offset"},
        {"section offset", shdr(1, 4), 0xFFFFFFF0, true, "outside the file"},
        {"section size", shdr(5, 5), 4000, true, "outside the file"},
        {"section link", shdr(2, 6), 6, true, "links to section 6 of 6"},
        {"symbol name", symtabOffset, 4, true, "symbol 0 has a bad name offset"},
        {"unterminated name", strtabOffset + 3, 'x', false, "symbol 0 has a bad name offset"},
        {"relocation symbol", relOffset + 6, 7, false, "names symbol 7"},
        {"relocation size", shdr(4, 5), 11, true, "not a multiple of 12"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bad = good;
        if (c.word)
            set32(bad, c.at, c.value);
        else
            bad[c.at] = static_cast<uint8_t>(c.value);
        ElfImage image;
        std::string error;
        EXPECT_EQ(readElfImage(bad.data(), bad.size(), image, error), -1) << c.what;
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.what << ": " << error;
    }
}

TEST(ElfReader, OverwrittenBytesNeverBreakTheSectionSizes) {
    // Whatever a damaged byte does, an accepted image holds exactly the announced bytes.
    std::vector<uint8_t> good = sampleObject();
    for (size_t at = 0; at < good.size(); ++at) {
        for (uint8_t value : {uint8_t{0x00}, uint8_t{0x7F}, uint8_t{0xFF}}) {
            std::vector<uint8_t> bad = good;
            bad[at] = value;
            ElfImage image;
            std::string error;
            if (readElfImage(bad.data(), bad.size(), image, error) != 0) continue;
            for (size_t i = 1; i < image.sections.size(); ++i) {
                if (image.sections[i].header.sh_type != ELF_SHT_NOBITS) {
                    EXPECT_EQ(image.sections[i].bytes.size(), image.sections[i].header.sh_size) << at;
                }
            }
        }
    }
}

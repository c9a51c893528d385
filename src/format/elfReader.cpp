#include "format/elfReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint16_t get16(const uint8_t* at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}

uint32_t get32(const uint8_t* at) {
    return uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) | (uint32_t{at[3]} << 24);
}

// The parse in progress: the buffer and the first error met.
struct Reader {
    const uint8_t* bytes;
    uint64_t size;
    std::string& error;

    int fail(const std::string& text) {
        error = text;
        return -1;
    }
    bool inFile(uint64_t offset, uint64_t length) const { return offset <= size && length <= size - offset; }
};

std::string sectionLabel(uint32_t index) {
    return "section " + std::to_string(index);
}

// A string table: its bytes and where each of its zero bytes is, so that a name is found
// by a search rather than a scan to its end (which, for many names that share one long
// string, would cost the product of the two).
struct StringTable {
    std::span<const uint8_t> bytes;
    std::vector<uint32_t> ends;
};

StringTable stringTable(std::span<const uint8_t> bytes) {
    StringTable table{bytes, {}};
    const uint8_t* at = bytes.data();
    const uint8_t* end = bytes.data() + bytes.size();
    while (at < end) {
        const void* zero = std::memchr(at, 0, static_cast<size_t>(end - at));
        if (!zero) break;
        table.ends.push_back(static_cast<uint32_t>(static_cast<const uint8_t*>(zero) - bytes.data()));
        at = static_cast<const uint8_t*>(zero) + 1;
    }
    return table;
}

// The zero-terminated name at `offset` of a string table, or false when it runs out.
bool stringAt(const StringTable& strings, uint32_t offset, std::string_view& out) {
    if (offset >= strings.bytes.size()) return false;
    auto end = std::lower_bound(strings.ends.begin(), strings.ends.end(), offset);
    if (end == strings.ends.end()) return false;
    out = std::string_view(reinterpret_cast<const char*>(strings.bytes.data()) + offset, *end - offset);
    return true;
}

int readFileHeader(Reader& r, ElfFileHeader& h) {
    if (r.size < kElfHeaderSize)
        return r.fail("file too short for an ELF header (" + std::to_string(r.size) + " bytes)");
    const uint8_t* b = r.bytes;
    if (std::memcmp(b, kElfIdent, kElfMagicSize) != 0) return r.fail("bad ELF magic");
    if (b[EI_CLASS] != ELF_CLASS32)
        return r.fail("not a 32-bit ELF file (class " + std::to_string(b[EI_CLASS]) + ")");
    if (b[EI_DATA] != ELF_DATA_LSB)
        return r.fail("not a little-endian ELF file (data " + std::to_string(b[EI_DATA]) + ")");
    if (b[EI_VERSION] != ELF_EV_CURRENT)
        return r.fail("unknown ELF identification version " + std::to_string(b[EI_VERSION]));
    std::memcpy(h.e_ident, b, sizeof h.e_ident);
    h.e_type = get16(b + 16);
    h.e_machine = get16(b + 18);
    h.e_version = get32(b + 20);
    h.e_entry = get32(b + 24);
    h.e_phoff = get32(b + 28);
    h.e_shoff = get32(b + 32);
    h.e_flags = get32(b + 36);
    h.e_ehsize = get16(b + 40);
    h.e_phentsize = get16(b + 42);
    h.e_phnum = get16(b + 44);
    h.e_shentsize = get16(b + 46);
    h.e_shnum = get16(b + 48);
    h.e_shstrndx = get16(b + 50);
    if (h.e_version != ELF_EV_CURRENT) return r.fail("unknown ELF version " + std::to_string(h.e_version));
    if (h.e_ehsize != kElfHeaderSize) return r.fail("e_ehsize is " + std::to_string(h.e_ehsize) + ", not 52");
    if (h.e_phnum != 0) {
        if (h.e_phentsize != kElfProgramHeaderSize) return r.fail("e_phentsize is not 32");
        if (!r.inFile(h.e_phoff, uint64_t{h.e_phnum} * kElfProgramHeaderSize))
            return r.fail("program header table lies outside the file");
    }
    return 0;
}

ElfSectionHeader sectionHeaderAt(const uint8_t* at) {
    ElfSectionHeader s;
    uint32_t* fields[10] = {&s.sh_name, &s.sh_type, &s.sh_flags, &s.sh_addr,      &s.sh_offset,
                            &s.sh_size, &s.sh_link, &s.sh_info,  &s.sh_addralign, &s.sh_entsize};
    for (int i = 0; i < 10; ++i) *fields[i] = get32(at + 4 * i);
    return s;
}

// No byte of the file may belong to two sections: the views of a damaged file would
// otherwise show (and decode) the same bytes once for every section header that points
// at them, a product of the header count and the size. A no-bits section owns no bytes
// of the file (other writers give it the offset of the section that follows), and no
// view shows its bytes.
int checkNoSharedBytes(Reader& r, const ElfImage& image) {
    struct Extent {
        uint64_t offset;
        uint64_t end;
        uint32_t index;
    };
    std::vector<Extent> extents;
    for (uint32_t i = 1; i < image.sections.size(); ++i) {
        const ElfSectionHeader& h = image.sections[i].header;
        if (h.sh_type != ELF_SHT_NOBITS && h.sh_size != 0)
            extents.push_back({h.sh_offset, uint64_t{h.sh_offset} + h.sh_size, i});
    }
    std::sort(extents.begin(), extents.end(), [](const Extent& a, const Extent& b) {
        return a.offset != b.offset ? a.offset < b.offset : a.index < b.index;
    });
    // Sorted by where they start, sections that share no byte each end before the next
    // one starts.
    for (size_t k = 1; k < extents.size(); ++k) {
        const Extent& before = extents[k - 1];
        const Extent& after = extents[k];
        if (after.offset < before.end)
            return r.fail(sectionLabel(std::min(before.index, after.index)) + " and " +
                          sectionLabel(std::max(before.index, after.index)) + " share the bytes at offset " +
                          std::to_string(after.offset) + " of the file");
    }
    return 0;
}

int readSections(Reader& r, ElfImage& image) {
    const ElfFileHeader& h = image.header;
    if (h.e_shoff == 0) {
        if (h.e_shnum != 0) return r.fail("e_shnum is " + std::to_string(h.e_shnum) + " but e_shoff is 0");
        return 0;
    }
    if (h.e_shentsize != kElfSectionHeaderSize)
        return r.fail("e_shentsize is " + std::to_string(h.e_shentsize) + ", not 40");
    if (!r.inFile(h.e_shoff, kElfSectionHeaderSize))
        return r.fail("section header table lies outside the file");
    uint64_t count = h.e_shnum;
    if (count == 0) count = sectionHeaderAt(r.bytes + h.e_shoff).sh_size; // extended numbering
    if (!r.inFile(h.e_shoff, count * kElfSectionHeaderSize))
        return r.fail("section header table (" + std::to_string(count) +
                      " entries) runs past the end of the file");

    image.sections.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        ElfImageSection& s = image.sections[i];
        s.header = sectionHeaderAt(r.bytes + h.e_shoff + uint64_t{i} * kElfSectionHeaderSize);
        if (i == 0) continue; // the null section describes no bytes (its size may hold the section count)
        if (s.header.sh_link >= count)
            return r.fail(sectionLabel(i) + " links to section " + std::to_string(s.header.sh_link) + " of " +
                          std::to_string(count));
        const bool inFile = r.inFile(s.header.sh_offset, s.header.sh_size);
        if (!inFile && s.header.sh_type != ELF_SHT_NOBITS)
            return r.fail(sectionLabel(i) + " (offset " + std::to_string(s.header.sh_offset) + ", size " +
                          std::to_string(s.header.sh_size) + ") lies outside the file");
        // A no-bits section the writer stored anyway (the assembler writes .bss as zeros)
        // keeps its bytes too.
        if (inFile) s.bytes = std::span<const uint8_t>(r.bytes + s.header.sh_offset, s.header.sh_size);
    }
    return checkNoSharedBytes(r, image);
}

int readSectionNames(Reader& r, ElfImage& image) {
    if (image.sections.empty()) return 0;
    uint32_t index = image.header.e_shstrndx;
    if (index == 0) return 0; // no names
    if (index >= image.sections.size())
        return r.fail("e_shstrndx " + std::to_string(index) + " is out of range");
    if (image.sections[index].header.sh_type != ELF_SHT_STRTAB)
        return r.fail("e_shstrndx names a section that is not a string table");
    const StringTable names = stringTable(image.sections[index].bytes);
    for (uint32_t i = 1; i < image.sections.size(); ++i) {
        ElfImageSection& s = image.sections[i];
        if (!stringAt(names, s.header.sh_name, s.name))
            return r.fail(sectionLabel(i) + " has a bad name offset " + std::to_string(s.header.sh_name));
    }
    return 0;
}

// The string table of a symbol table: the one its sh_link names, or, when the link is
// left at 0, the section called .strtab.
const ElfImageSection* symbolNames(const ElfImage& image, const ElfImageSection& symtab) {
    uint32_t link = symtab.header.sh_link;
    if (link != 0)
        return link < image.sections.size() && image.sections[link].header.sh_type == ELF_SHT_STRTAB
                   ? &image.sections[link]
                   : nullptr;
    return findImageSection(image, predefinedSectionName(SEC_STRTAB));
}

// Checks an entry table: the entry size must be the expected one (or left at 0) and the
// section a whole number of entries.
int checkEntries(Reader& r, const ElfImageSection& s, uint32_t index, uint32_t entrySize) {
    if (s.header.sh_entsize != 0 && s.header.sh_entsize != entrySize)
        return r.fail(sectionLabel(index) + " has entry size " + std::to_string(s.header.sh_entsize) +
                      ", expected " + std::to_string(entrySize));
    if (s.bytes.size() % entrySize != 0)
        return r.fail(sectionLabel(index) + " size " + std::to_string(s.bytes.size()) +
                      " is not a multiple of " + std::to_string(entrySize));
    return 0;
}

int readSymbols(Reader& r, ElfImage& image) {
    for (uint32_t i = 1; i < image.sections.size(); ++i) {
        if (image.sections[i].header.sh_type != ELF_SHT_SYMTAB) continue;
        image.symtabIndex = static_cast<int32_t>(i);
        break;
    }
    if (image.symtabIndex < 0) return 0;
    const ElfImageSection& symtab = image.sections[image.symtabIndex];
    if (checkEntries(r, symtab, image.symtabIndex, elfTypeSize(ELF_T_SYM)) != 0) return -1;
    size_t count = symtab.bytes.size() / elfTypeSize(ELF_T_SYM);
    const ElfImageSection* nameSection = count ? symbolNames(image, symtab) : nullptr;
    if (count && !nameSection) return r.fail("the symbol table has no string table");
    const StringTable names = stringTable(nameSection ? nameSection->bytes : std::span<const uint8_t>());
    image.symbols.resize(count);
    for (size_t k = 0; k < count; ++k) {
        const uint8_t* at = symtab.bytes.data() + k * elfTypeSize(ELF_T_SYM);
        ElfImageSymbol& sym = image.symbols[k];
        sym.st_name = get32(at);
        sym.st_value = get32(at + 4);
        sym.st_size = get32(at + 8);
        sym.st_info = at[12];
        sym.st_other = at[13];
        sym.st_shndx = get16(at + 14);
        if (!stringAt(names, sym.st_name, sym.name))
            return r.fail("symbol " + std::to_string(k) + " has a bad name offset " +
                          std::to_string(sym.st_name));
    }
    return 0;
}

int readRelocations(Reader& r, ElfImage& image) {
    for (uint32_t i = 1; i < image.sections.size(); ++i) {
        ElfImageSection& s = image.sections[i];
        uint32_t type = s.header.sh_type;
        if (type != ELF_SHT_RELA && type != ELF_SHT_REL && type != ELF_SHT_DEBUG_RELOC) continue;
        uint32_t entrySize = elfTypeSize(type == ELF_SHT_REL ? ELF_T_REL : ELF_T_RELA);
        if (checkEntries(r, s, i, entrySize) != 0) return -1;
        s.relocations.resize(s.bytes.size() / entrySize);
        for (size_t k = 0; k < s.relocations.size(); ++k) {
            const uint8_t* at = s.bytes.data() + k * entrySize;
            ElfImageRelocation& rel = s.relocations[k];
            rel.r_offset = get32(at);
            rel.r_info = get32(at + 4);
            rel.r_addend = type == ELF_SHT_REL ? 0 : static_cast<int32_t>(get32(at + 8));
            if (rel.symbolIndex() != 0 && rel.symbolIndex() >= image.symbols.size())
                return r.fail(sectionLabel(i) + " entry " + std::to_string(k) + " names symbol " +
                              std::to_string(rel.symbolIndex()) + " of " +
                              std::to_string(image.symbols.size()));
        }
    }
    return 0;
}

// Parses the bytes the image keeps.
int parseImage(std::shared_ptr<const uint8_t> file, size_t size, ElfImage& image, std::string& error) {
    image = ElfImage{};
    error.clear();
    const uint8_t empty = 0;
    Reader r{file ? file.get() : &empty, size, error};
    if (readFileHeader(r, image.header) != 0 || readSections(r, image) != 0 ||
        readSectionNames(r, image) != 0 || readSymbols(r, image) != 0 || readRelocations(r, image) != 0) {
        image = ElfImage{};
        return -1;
    }
    image.file = std::move(file);
    image.fileSize = size;
    return 0;
}

std::string systemReason(int number) {
    return std::strerror(number);
}

// Reads what is left of a file that cannot be mapped, up to kMaxReadObjectBytes.
int readWhole(int fd, std::vector<uint8_t>& bytes, std::string& error) {
    uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = systemReason(errno);
            return -1;
        }
        if (bytes.size() + static_cast<size_t>(n) > kMaxReadObjectBytes) {
            error = "more than " + std::to_string(kMaxReadObjectBytes >> 20) +
                    " MiB to read, and not a regular file that could be mapped";
            return -1;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
}

// The bytes of an open file: a regular file is mapped, anything else read.
int fileBytes(int fd, std::shared_ptr<const uint8_t>& file, size_t& size, std::string& error) {
    struct stat info;
    if (fstat(fd, &info) != 0) {
        error = systemReason(errno);
        return -1;
    }
    if (S_ISDIR(info.st_mode)) {
        error = systemReason(EISDIR);
        return -1;
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto length = static_cast<size_t>(info.st_size);
        void* at = mmap(nullptr, length, PROT_READ, MAP_PRIVATE, fd, 0);
        if (at != MAP_FAILED) {
            file =
                std::shared_ptr<const uint8_t>(static_cast<const uint8_t*>(at), [length](const uint8_t* p) {
                    munmap(const_cast<uint8_t*>(p), length);
                });
            size = length;
            return 0;
        }
    }
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    if (readWhole(fd, *bytes, error) != 0) return -1;
    size = bytes->size();
    file = std::shared_ptr<const uint8_t>(bytes, bytes->data());
    return 0;
}

} // namespace

int readElfImage(const uint8_t* bytes, size_t size, ElfImage& image, std::string& error) {
    if (!bytes && size != 0) {
        image = ElfImage{};
        error = "no buffer";
        return -1;
    }
    auto copy = std::make_shared<std::vector<uint8_t>>(bytes, bytes + size);
    return parseImage(std::shared_ptr<const uint8_t>(copy, copy->data()), size, image, error);
}

int readElfFile(const char* path, ElfImage& image, std::string& error) {
    image = ElfImage{};
    if (!path) {
        error = systemReason(EFAULT);
        return -1;
    }
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = systemReason(errno);
        return -1;
    }
    std::shared_ptr<const uint8_t> file;
    size_t size = 0;
    const int read = fileBytes(fd, file, size, error);
    close(fd);
    if (read != 0) return -1;
    return parseImage(std::move(file), size, image, error);
}

const ElfImageSection* findImageSection(const ElfImage& image, std::string_view name) {
    for (size_t i = 1; i < image.sections.size(); ++i)
        if (image.sections[i].name == name) return &image.sections[i];
    return nullptr;
}

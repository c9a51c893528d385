#include "format/elfLib.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr uint32_t kTypeSizes[ELF_T_COUNT] = {1, 4, 8, 52, 2, 4, 32, 12, 8, 40, 4, 16, 4, 48};

bool validCommand(int command) {
    return command >= 1 && command <= 7;
}

// Entry size a section header announces, by section type.
uint32_t entrySizeFor(uint32_t type) {
    switch (type) {
        case ELF_SHT_SYMTAB:
            return elfTypeSize(ELF_T_SYM);
        case ELF_SHT_RELA:
        case ELF_SHT_DEBUG_RELOC:
            return elfTypeSize(ELF_T_RELA);
        case ELF_SHT_REL:
            return elfTypeSize(ELF_T_REL);
        default:
            return 0;
    }
}

// The file image is assembled field by field in little-endian order, so it does not
// depend on how the host lays out or orders the header records.
void put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void putFileHeader(uint8_t* at, const ElfFileHeader& h) {
    std::memcpy(at, h.e_ident, sizeof h.e_ident);
    put16(at + 16, h.e_type);
    put16(at + 18, h.e_machine);
    put32(at + 20, h.e_version);
    put32(at + 24, h.e_entry);
    put32(at + 28, h.e_phoff);
    put32(at + 32, h.e_shoff);
    put32(at + 36, h.e_flags);
    put16(at + 40, h.e_ehsize);
    put16(at + 42, h.e_phentsize);
    put16(at + 44, h.e_phnum);
    put16(at + 46, h.e_shentsize);
    put16(at + 48, h.e_shnum);
    put16(at + 50, h.e_shstrndx);
}

void putSectionHeader(uint8_t* at, const ElfSectionHeader& h) {
    const uint32_t fields[10] = {h.sh_name, h.sh_type, h.sh_flags, h.sh_addr,      h.sh_offset,
                                 h.sh_size, h.sh_link, h.sh_info,  h.sh_addralign, h.sh_entsize};
    for (int i = 0; i < 10; ++i) put32(at + 4 * i, fields[i]);
}

// Assigns offsets and sizes; false when the file would not fit 32-bit offsets.
bool layout(ElfObject* object) {
    ElfFileHeader& h = *object->header;
    if (h.e_type == 0) h.e_type = ELF_K_RELOCATABLE;
    h.e_machine = kElfMachine;
    h.e_version = ELF_EV_CURRENT;
    h.e_shoff = 0;
    h.e_ehsize = kElfHeaderSize;
    h.e_phentsize = kElfProgramHeaderSize;
    h.e_shentsize = kElfSectionHeaderSize;
    h.e_phoff = 0; // program headers are never created

    uint64_t offset = kElfHeaderSize;
    for (auto& section : object->sections) {
        if (section->index == 0) continue; // offset 0; its size may carry the extended section count
        uint64_t size = 0;
        for (auto& data : section->data) size += data->size;
        if (offset + size > UINT32_MAX) return false;
        section->header.sh_offset = static_cast<uint32_t>(offset);
        section->header.sh_size = static_cast<uint32_t>(size);
        section->header.sh_entsize = entrySizeFor(section->header.sh_type);
        offset += size;
    }
    h.e_phnum = 0;
    if (h.e_type == ELF_K_RELOCATABLE) {
        if (!object->sections.empty()) {
            h.e_shoff = static_cast<uint32_t>(offset);
            offset += uint64_t{kElfSectionHeaderSize} * object->sections.size();
        }
    } else {
        h.e_shnum = 0;
    }
    if (offset > UINT32_MAX) return false;
    object->fileSize = static_cast<uint32_t>(offset);
    return true;
}

// Writes the pieces in order, resuming after short writes and interruptions.
bool writeAllVector(int fd, std::vector<iovec>& pieces) {
    size_t first = 0;
    while (first < pieces.size()) {
        const int count = static_cast<int>(std::min<size_t>(pieces.size() - first, IOV_MAX));
        ssize_t n = ::writev(fd, pieces.data() + first, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        auto left = static_cast<size_t>(n);
        while (first < pieces.size() && left >= pieces[first].iov_len) left -= pieces[first++].iov_len;
        if (left > 0) {
            pieces[first].iov_base = static_cast<uint8_t*>(pieces[first].iov_base) + left;
            pieces[first].iov_len -= left;
        }
    }
    return true;
}

// Writes the file: the header, every data buffer where the layout put it, and the
// section header table. The layout packs them without gaps, so they go out in one
// gathered write straight from their buffers, without copying them into a file image.
// 0 or an error code.
int serialise(ElfObject* object) {
    const ElfFileHeader& h = *object->header;
    for (auto& section : object->sections)
        for (auto& data : section->data)
            if (data->size != 0 && !data->buffer) return ELF_E_NO_BUFFER;

    uint8_t fileHeader[kElfHeaderSize] = {};
    putFileHeader(fileHeader, h);
    std::vector<uint8_t> headerTable;
    if (h.e_type == ELF_K_RELOCATABLE) {
        headerTable.assign(size_t{kElfSectionHeaderSize} * object->sections.size(), 0);
        for (auto& section : object->sections)
            putSectionHeader(headerTable.data() + size_t{section->index} * kElfSectionHeaderSize,
                             section->header);
    }

    std::vector<iovec> pieces;
    uint64_t at = 0;
    auto add = [&pieces, &at](const void* bytes, size_t size, uint64_t offset) {
        if (offset != at) return false; // a gap the layout never leaves
        if (size != 0) pieces.push_back(iovec{const_cast<void*>(bytes), size});
        at += size;
        return true;
    };
    bool packed = add(fileHeader, sizeof fileHeader, 0);
    for (auto& section : object->sections) {
        if (section->index == 0) continue; // the null section has no bytes
        uint64_t offset = section->header.sh_offset;
        for (auto& data : section->data) {
            packed = packed && add(data->buffer, data->size, offset);
            offset += data->size;
        }
    }
    if (!headerTable.empty()) packed = packed && add(headerTable.data(), headerTable.size(), h.e_shoff);
    if (!packed || at != object->fileSize) return ELF_E_SHORT_WRITE;

    // A descriptor that cannot seek (a pipe) is written from where it stands.
    if (::lseek(object->fd, 0, SEEK_SET) < 0 && errno != ESPIPE) return ELF_E_SHORT_WRITE;
    if (!writeAllVector(object->fd, pieces)) return ELF_E_SHORT_WRITE;
    return ELF_E_NONE;
}

} // namespace

uint32_t elfTypeSize(int type) {
    return (type >= 0 && type < ELF_T_COUNT) ? kTypeSizes[type] : 0;
}

std::unique_ptr<ElfObject> elfBegin(int fd, int command) {
    if (command == 0) return nullptr;
    if (!validCommand(command)) {

        return nullptr;
    }
    auto object = std::unique_ptr<ElfObject>(new (std::nothrow) ElfObject);
    if (!object) {

        return nullptr;
    }
    object->fd = fd;
    if (command == ELF_C_WRITE) object->openFlags |= 1;
    return object;
}

ElfFileHeader* elfNewEhdr(ElfObject* object, int kind) {
    if (!object) {
        return nullptr;
    }
    if (kind != ELF_K_RELOCATABLE && kind != ELF_K_EXECUTABLE) {
        object->errorCode = ELF_E_HEADER_KIND;
        return nullptr;
    }
    if (!object->header) {
        object->header.reset(new (std::nothrow) ElfFileHeader);
        if (!object->header) {
            object->errorCode = ELF_E_NO_MEMORY;
            return nullptr;
        }
        ElfFileHeader& h = *object->header;
        static_assert(sizeof h.e_ident == sizeof kElfIdent);
        std::memcpy(h.e_ident, kElfIdent, sizeof kElfIdent);
        h.e_machine = kElfMachine;
        h.e_version = ELF_EV_CURRENT;
        h.e_phentsize = kElfProgramHeaderSize;
        h.e_shentsize = kElfSectionHeaderSize;
    }
    object->header->e_type = static_cast<uint16_t>(kind);
    return object->header.get();
}

ElfSection* elfNewScn(ElfObject* object) {
    if (!object) {
        return nullptr;
    }
    if (!object->header) {
        object->errorCode = ELF_E_NO_HEADER;
        return nullptr;
    }
    auto make = [object](uint32_t index) -> ElfSection* {
        auto section = std::unique_ptr<ElfSection>(new (std::nothrow) ElfSection);
        if (!section) return nullptr;
        section->owner = object;
        section->index = index;
        object->sections.push_back(std::move(section));
        return object->sections.back().get();
    };
    if (object->sections.empty() && !make(0)) {
        object->errorCode = ELF_E_NO_MEMORY;
        return nullptr;
    }
    ElfSection* section = make(object->sections.back()->index + 1);
    if (!section) {
        object->errorCode = ELF_E_NO_MEMORY;
        return nullptr;
    }
    ElfFileHeader& h = *object->header;
    uint32_t count = section->index + 1;
    if (count >= kElfExtendedNumbering) {
        h.e_shnum = 0;
        object->sections.front()->header.sh_size = count;
    } else {
        h.e_shnum = static_cast<uint16_t>(count);
    }
    h.e_phnum = static_cast<uint16_t>(section->index);
    return section;
}

ElfData* elfNewData(ElfSection* section) {
    if (!section) {
        return nullptr;
    }
    if (section->index == 0) {
        section->owner->errorCode = ELF_E_SECTION_ZERO;
        return nullptr;
    }
    auto data = std::unique_ptr<ElfData>(new (std::nothrow) ElfData);
    if (!data) {
        section->owner->errorCode = ELF_E_NO_MEMORY;
        return nullptr;
    }
    data->section = section;
    section->data.push_back(std::move(data));
    return section->data.back().get();
}

ElfSectionHeader* elfGetShdr(ElfSection* section) {
    if (!section) {
        return nullptr;
    }
    return &section->header;
}

int elfUpdate(ElfObject* object, int command) {
    if (!object) {
        return 0;
    }
    if (!validCommand(command)) {
        object->errorCode = ELF_E_UPDATE_COMMAND;
        return 0;
    }
    if (!object->header) {
        object->errorCode = ELF_E_NO_HEADER;
        return 0;
    }
    if (command == ELF_C_WRITE && !(object->openFlags & 1)) {
        object->errorCode = ELF_E_NOT_WRITABLE;
        return 0;
    }
    if (!layout(object)) {
        object->errorCode = ELF_E_LAYOUT;
        return 0;
    }
    if (command != ELF_C_WRITE) return 1;
    int code = serialise(object);
    if (code != ELF_E_NONE) {
        object->errorCode = code;
        return 0;
    }
    return 1;
}

int elfEnd(std::unique_ptr<ElfObject>& object) {
    if (!object) return 0;
    object.reset();
    return 1;
}

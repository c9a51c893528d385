// zorlan-objdump on objects of about a megabyte built to ask for far more: relocations
// that all name one long symbol, symbols that share one long string, section headers
// that share one long name or the same bytes, debug entries that all refer to one with
// a long name. The tool runs as its own process with its memory capped; it must finish
// in seconds, stay in a small part of the cap, and print output in proportion to the
// file (long names are cut, the rebuilt source is refused, shared bytes are refused).
#include "format/elfLib.h"
#include "format/objectFormat.h"
#include "objdump/objdumpMain.h"
#include "objdump/objdumpViews.h"
#include "testSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ZORLAN_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZORLAN_TEST_ASAN 1
#endif
#endif

namespace {

void put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

// One section of a raw object. A header may take the name or the bytes of another.
struct RawSection {
    std::string name;
    uint32_t type = ELF_SHT_PROGBITS;
    std::vector<uint8_t> bytes;
    uint32_t link = 0;
    int sameBytesAs =
        -1; // an earlier section (a position in the list) whose offset and size this header takes
    int sameNameAs = -1; // an earlier section whose name offset this header takes
};

// A Merrow object laid out byte by byte: the header, the sections' bytes, .shstrtab,
// then the section headers.
std::vector<uint8_t> rawObject(const std::vector<RawSection>& sections) {
    std::vector<uint8_t> file(kElfHeaderSize, 0);
    std::string names(1, '\0');
    std::vector<uint32_t> nameAt, offsets;
    for (const RawSection& s : sections) {
        if (s.sameNameAs >= 0) {
            nameAt.push_back(nameAt[static_cast<size_t>(s.sameNameAs)]);
        } else {
            nameAt.push_back(static_cast<uint32_t>(names.size()));
            names += s.name;
            names += '\0';
        }
        offsets.push_back(static_cast<uint32_t>(file.size()));
        file.insert(file.end(), s.bytes.begin(), s.bytes.end());
    }
    const uint32_t shstrtabName = static_cast<uint32_t>(names.size());
    names += ".shstrtab";
    names += '\0';
    const uint32_t namesOffset = static_cast<uint32_t>(file.size());
    file.insert(file.end(), names.begin(), names.end());
    const uint32_t shoff = static_cast<uint32_t>(file.size());
    file.insert(file.end(), kElfSectionHeaderSize, 0); // the null section
    auto header = [&](uint32_t name, uint32_t type, uint32_t offset, uint32_t size, uint32_t link) {
        for (uint32_t v : {name, type, 0u, 0u, offset, size, link, 0u, 0u, 0u}) put32(file, v);
    };
    for (size_t k = 0; k < sections.size(); ++k) {
        const RawSection& s = sections[k];
        const size_t from = s.sameBytesAs >= 0 ? static_cast<size_t>(s.sameBytesAs) : k;
        header(nameAt[k], s.type, offsets[from], static_cast<uint32_t>(sections[from].bytes.size()), s.link);
    }
    header(shstrtabName, ELF_SHT_STRTAB, namesOffset, static_cast<uint32_t>(names.size()), 0);

    std::vector<uint8_t> head(kElfIdent, kElfIdent + sizeof kElfIdent);
    put16(head, 1); // relocatable
    put16(head, kElfMachine);
    put32(head, ELF_EV_CURRENT);
    put32(head, 0); // entry
    put32(head, 0); // no program headers
    put32(head, shoff);
    put32(head, 0); // flags
    put16(head, kElfHeaderSize);
    put16(head, 0);
    put16(head, 0);
    put16(head, kElfSectionHeaderSize);
    put16(head, static_cast<uint32_t>(sections.size() + 2));
    put16(head, static_cast<uint32_t>(sections.size() + 1));
    std::copy(head.begin(), head.end(), file.begin());
    return file;
}

std::vector<uint8_t> symbol(uint32_t name, uint32_t value, uint32_t shndx) {
    std::vector<uint8_t> b;
    put32(b, name);
    put32(b, value);
    put32(b, 1); // size
    b.push_back(symbolInfo(SYM_BIND_GLOBAL, SYM_KIND_LOCAL));
    b.push_back(0);
    put16(b, shndx);
    return b;
}

std::vector<uint8_t> relocation(uint32_t offset, uint32_t symbolIndex, uint32_t type) {
    std::vector<uint8_t> b;
    put32(b, offset);
    put32(b, relocationInfo(symbolIndex, type));
    put32(b, 0);
    return b;
}

void append(std::vector<uint8_t>& to, const std::vector<uint8_t>& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

// A string table holding one name of `length` bytes at offset 1.
std::vector<uint8_t> longName(size_t length) {
    std::vector<uint8_t> table(length + 2, 'n');
    table.front() = 0;
    table.back() = 0;
    return table;
}

// Sections 1 to 4: .text (`text`), .symtab (`symbols`), .strtab (`strings`), .rel.text.
std::vector<uint8_t> programObject(std::vector<uint8_t> text, std::vector<uint8_t> symbols,
                                   std::vector<uint8_t> strings, std::vector<uint8_t> relocations) {
    std::vector<RawSection> sections(4);
    sections[0] = {".text", ELF_SHT_PROGBITS, std::move(text)};
    sections[1] = {".symtab", ELF_SHT_SYMTAB, std::move(symbols), 3};
    sections[2] = {".strtab", ELF_SHT_STRTAB, std::move(strings)};
    sections[3] = {".rel.text", ELF_SHT_RELA, std::move(relocations), 2};
    return rawObject(sections);
}

struct HostileRun {
    int status = -1; // the exit status, or -1 when a signal ended the run
    size_t outputBytes = 0;
    std::string outputStart; // the first 64 KiB
    std::string errors;
    double seconds = 0;
    long peakKilobytes = 0;
};

// Runs the tool on the file in a process of its own whose memory is capped at 1 GiB: by
// the address-space limit, or, under AddressSanitizer (which reserves terabytes of
// address space for itself), by its resident-size limit.
HostileRun runCapped(const ScratchDir& dir, const std::string& object,
                     const std::vector<std::string>& options) {
    HostileRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return run;
    const std::string errorFile = dir.file("errors.txt");
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        const int errors = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (errors >= 0) dup2(errors, 2);
#ifdef ZORLAN_TEST_ASAN
        setenv("ASAN_OPTIONS", "hard_rss_limit_mb=1024:detect_leaks=0", 1);
#else
        const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
        setrlimit(RLIMIT_AS, &limit);
#endif
        std::vector<char*> argv{const_cast<char*>(ZORLAN_OBJDUMP_EXECUTABLE)};
        for (const std::string& o : options) argv.push_back(const_cast<char*>(o.c_str()));
        argv.push_back(const_cast<char*>(object.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[65536];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        if (run.outputStart.size() < sizeof buffer)
            run.outputStart.append(buffer,
                                   std::min(static_cast<size_t>(n), sizeof buffer - run.outputStart.size()));
        run.outputBytes += static_cast<size_t>(n);
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = usage.ru_maxrss;
    run.errors = readFile(errorFile);
    return run;
}

struct HostileCase {
    const char* what;
    std::vector<uint8_t> object;
    std::vector<std::string> options;
    int status;
    std::string shown; // in the first 64 KiB of the output, or in the diagnostic when the run fails
};

} // namespace

TEST(ObjdumpHostileObjects, StayWithinMemoryTimeAndOutputInProportion) {
    ScratchDir dir;
    ASSERT_TRUE(dir.ok());
    constexpr size_t kName = 512 * 1024;
    const std::vector<uint8_t> jump = {0x00, 0xFA, 0x00, 0x00}; // JUMP to a relocated target

    // 40,000 relocations of .text that all name the one symbol, whose name is half the file.
    std::vector<uint8_t> oneSymbol = symbol(0, 0, 0);
    append(oneSymbol, symbol(1, 0, 1));
    std::vector<uint8_t> sameTarget;
    for (int k = 0; k < 40000; ++k) append(sameTarget, relocation(1, 1, R_CODE));

    // 30,000 symbols in .text, all with the one long name.
    std::vector<uint8_t> manySymbols = symbol(0, 0, 0);
    for (uint32_t k = 1; k < 30000; ++k) append(manySymbols, symbol(1, k % 2, 1));

    // 12,000 empty sections with one long name, and a symbol in each.
    std::vector<RawSection> named{{std::string(kName / 2, 's'), ELF_SHT_PROGBITS, {}}};
    for (int k = 1; k < 12000; ++k) named.push_back({{}, ELF_SHT_PROGBITS, {}, 0, -1, 0});
    std::vector<uint8_t> sectionSymbols = symbol(0, 0, 0);
    for (uint32_t k = 1; k < 12000; ++k) append(sectionSymbols, symbol(0, 0, k));
    named.push_back({".symtab", ELF_SHT_SYMTAB, sectionSymbols, 12002});
    named.push_back({".strtab", ELF_SHT_STRTAB, {0}});

    // 20,000 relocation section headers over the same 40,000 entries.
    std::vector<RawSection> shared{{".text", ELF_SHT_PROGBITS, jump},
                                   {".symtab", ELF_SHT_SYMTAB, symbol(0, 0, 0), 3},
                                   {".strtab", ELF_SHT_STRTAB, {0}},
                                   {".rel.text", ELF_SHT_RELA, std::vector<uint8_t>(40000 * 12, 0), 2}};
    for (int k = 0; k < 20000; ++k) shared.push_back({{}, ELF_SHT_RELA, {}, 2, 3, 3});

    // 60,000 debug entries whose type is the one entry with a long name: abbreviation 1
    // is a base type with a name, 2 a variable with a type reference.
    const std::vector<uint8_t> abbrev = {1, 0x24, 0, 0x03, 0x08, 0, 0, 2, 0x34, 0, 0x49, 0x13, 0, 0, 0};
    std::vector<uint8_t> info = {0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 4, 1};
    info.insert(info.end(), kName, 't');
    info.push_back(0);
    for (int k = 0; k < 60000; ++k) append(info, {2, 11, 0, 0, 0});
    const std::vector<RawSection> debug = {{".debug_abbrev", ELF_SHT_DEBUG_ABBREV, abbrev},
                                           {".debug_info", ELF_SHT_DEBUG_INFO, info}};

    const std::string cut = std::string(kMaxShownName, 'n') + "[...]";
    const std::string cutType = "\"" + std::string(kMaxShownName, 't') + "[...]\"";
    HostileCase cases[] = {
        {"relocations naming one long symbol",
         programObject(jump, oneSymbol, longName(kName), sameTarget),
         {"-r", "-d"},
         kObjdumpOk,
         cut},
        {"... written back as source",
         programObject(jump, oneSymbol, longName(kName), sameTarget),
         {"--reassemble"},
         kObjdumpBadFile,
         "MiB of symbol names"},
        {"symbols sharing one long name",
         programObject(jump, manySymbols, longName(kName), {}),
         {"-t", "-d"},
         kObjdumpOk,
         cut},
        {"... written back as source",
         programObject(jump, manySymbols, longName(kName), {}),
         {"--reassemble"},
         kObjdumpBadFile,
         "MiB of symbol names"},
        {"section headers sharing one long name",
         rawObject(named),
         {"-h", "-t"},
         kObjdumpOk,
         std::string(kMaxShownName, 's') + "[...]"},
        {"section headers sharing their bytes",
         rawObject(shared),
         {"-r"},
         kObjdumpBadFile,
         "section 4 and section 5 share the bytes at offset"},
        {"debug entries naming one long type", rawObject(debug), {"--debug=info"}, kObjdumpOk, cutType},
    };
    for (const HostileCase& c : cases) {
        const std::string object = dir.write("hostile.obj", std::string(c.object.begin(), c.object.end()));
        const HostileRun run = runCapped(dir, object, c.options);
        SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(c.object.size()) + " bytes");
        EXPECT_EQ(run.status, c.status) << run.errors;
        EXPECT_NE((c.status == kObjdumpOk ? run.outputStart : run.errors).find(c.shown), std::string::npos)
            << run.errors;
        // A line shows one name at most, cut at kMaxShownName bytes, and stands for an
        // entry of the file of 5 bytes at the least (a debug entry with a type
        // reference): some 225 output bytes for a byte of the file at the very most.
        EXPECT_LT(run.outputBytes, 256 * c.object.size());
        EXPECT_LT(run.seconds, 20.0);
#ifndef ZORLAN_TEST_ASAN
        EXPECT_LT(run.peakKilobytes, 256 * 1024);
#endif
    }
}

// The object file writer: the assembler state after pass two becomes an ELF32
// relocatable object.
#pragma once

#include <cstdint>
#include <cstdio>

struct AssemblerState;
struct DebugDirectives;
struct DataBlock;
struct ElfSymbolEntry;

// Lays out and writes the object through state->objectFd. 1 after a successful write,
// 0 when the final update fails, -1 when the writing ended early.
int writeToFile(AssemblerState* state, const DebugDirectives& debug, const char* outputName);

// Opens `name` for writing (created, with mode 0666 less the umask, or truncated); a
// descriptor or -1.
int createObjectFile(const char* name);
// The same for a file that must not exist yet; -1 (errno EEXIST) when it does.
int createNewObjectFile(const char* name);
int closeObjectFile(int fd);

// Byte length of a block chain whose blocks lie at their distance from the first
// block's start (gaps between blocks count, overlaps do not add).
int64_t sectionSpan(const DataBlock* firstBlock);
// Zeroes `buffer` (`size` bytes) and copies the chain into it, `padding` bytes from its
// start. Returns the chain's span, or 0 when span plus padding does not fit `size`.
int64_t fillBuffer(const DataBlock* firstBlock, uint8_t* buffer, int64_t size, int64_t padding);

// Trace dumps: the `.symtab` entries, and a buffer in hex, to the log.
void dumpSymbols(const ElfSymbolEntry* entries, int64_t count, FILE* log);
void dumpHex(const uint8_t* buffer, int64_t size, const AssemblerState* state);

// The object file writer: the assembler state after pass two becomes an ELF32
// relocatable object.
#pragma once

struct AssemblerState;

// Lays out and writes the object through state->objectFd. 1 after a successful write,
// 0 when the final update fails, -1 when the writing ended early.
int writeToFile(AssemblerState* state, const char* outputName);

// Opens `name` for writing (created or truncated, owner read/write); a descriptor or -1.
int createObjectFile(const char* name);
int closeObjectFile(int fd);

// zorlan-objdump: the command line, reading and checking each object, and running the
// views asked for.
#pragma once

#include <cstdio>
#include <string>

// Exit statuses.
constexpr int kObjdumpOk = 0;
constexpr int kObjdumpUsage = 1;   // bad command line
constexpr int kObjdumpBadFile = 2; // a file could not be read or is not a Merrow object

// Checks that the object is one this tool reads (ELF32, little-endian, machine
// 0xF261); 0, or -1 with `error` saying why not.
struct ElfImage;
int checkMerrowObject(const ElfImage& image, std::string& error);

// Runs the tool: views on `out`, diagnostics on `err`; returns the exit status.
int objdumpMain(int argc, char** argv, FILE* out, FILE* err);

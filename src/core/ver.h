// Version report: the rest of the line that follows the tool name for --version. Both
// tools print it (the assembler and zorlan-objdump), so it sits in the ground layer; the
// product version and the legal notice are fixed by the build (buildInfo.h, generated
// by CMake from buildInfo.h.in).
#pragma once

#include <cstdio>

constexpr int kBuildNumber = 9321;

// Prints " V<version> (9321) <legal notice>\n".
void printVersion(FILE* out);

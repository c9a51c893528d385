// Version report: the rest of the line that follows the tool name for --version.
#pragma once

#include <cstdio>

constexpr int kBuildNumber = 9321;

// Prints " V<version> (9321) <legal notice>\n".
void printVersion(FILE* out);

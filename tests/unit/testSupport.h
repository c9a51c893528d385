// Helpers shared by the unit tests.
#pragma once

#include "driver/messages.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// Captures what the assembler prints to its standard output while in scope.
class CapturedOutput {
  public:
    CapturedOutput() {
        stream_ = open_memstream(&buffer_, &size_);
        setZorlanStdout(stream_);
    }
    ~CapturedOutput() {
        setZorlanStdout(nullptr);
        std::fclose(stream_);
        std::free(buffer_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::string text() {
        std::fflush(stream_);
        return std::string(buffer_, size_);
    }

  private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    FILE* stream_ = nullptr;
};

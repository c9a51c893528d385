// The bytes of the main source file, read once and scanned by every pass.
#pragma once

#include "frontend/lexer.h"

#include <cstddef>
#include <string>
#include <string_view>

// Holds a source file's bytes: a regular file is mapped (the page cache's own pages, put
// in place by one request, so nothing is copied or faulted in page by page), anything
// else is read into memory.
class SourceText {
  public:
    SourceText() = default;
    SourceText(const SourceText&) = delete;
    SourceText& operator=(const SourceText&) = delete;
    ~SourceText() { release(); }

    // Reads the named file; a directory is no source. TooLarge when the file holds more
    // than kMaxSourceBytes.
    SourceRead load(const std::string& name);
    // Gives the memory back; the text is empty afterwards.
    void release();

    std::string_view view() const { return mapped_ ? std::string_view(mapped_, mappedSize_) : read_; }
    size_t size() const { return view().size(); }

  private:
    const char* mapped_ = nullptr;
    size_t mappedSize_ = 0;
    std::string read_;
};

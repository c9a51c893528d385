#include "frontend/sourceText.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Below this size reading costs no more than mapping.
constexpr off_t kMapThreshold = 64 * 1024;

} // namespace

SourceRead SourceText::load(const std::string& name) {
    release();
    FILE* stream = std::fopen(name.c_str(), "rb");
    if (!stream) return SourceRead::Failed;
    struct stat info;
    SourceRead result = SourceRead::Failed;
    if (fstat(fileno(stream), &info) == 0 && !S_ISDIR(info.st_mode)) {
        if (S_ISREG(info.st_mode) && info.st_size >= kMapThreshold &&
            static_cast<size_t>(info.st_size) <= kMaxSourceBytes) {
            const auto size = static_cast<size_t>(info.st_size);
            void* at = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fileno(stream), 0);
            if (at != MAP_FAILED) {
                mapped_ = static_cast<const char*>(at);
                mappedSize_ = size;
                result = SourceRead::Ok;
            }
        }
        // Small files, pipes, devices, files too long to map and any file the system
        // refuses to map are read.
        if (!mapped_) result = readSource(stream, read_);
    }
    std::fclose(stream);
    return result;
}

void SourceText::release() {
    if (mapped_) munmap(const_cast<char*>(mapped_), mappedSize_);
    mapped_ = nullptr;
    mappedSize_ = 0;
    std::string().swap(read_);
}

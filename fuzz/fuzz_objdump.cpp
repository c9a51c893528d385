// libFuzzer target: arbitrary bytes are read as an object file, in memory, and every
// view of zorlan-objdump runs on what the reader accepts, the way the tool runs them:
// the headers, symbols and relocations of -x, the full contents of -s, the disassembly
// of -d, the decoded debug sections of --debug=all and the source of --reassemble. The
// same bytes also go straight to the instruction decoder and formatter as code words, so
// the decoder is fuzzed on words no object would carry. The output goes to a null stream.
#include "format/elfReader.h"
#include "isa/encoder.h"
#include "objdump/debugViews.h"
#include "objdump/disassembler.h"
#include "objdump/instructionDecoder.h"
#include "objdump/objdumpMain.h"
#include "objdump/objdumpViews.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

FILE* devNull() {
    static FILE* sink = std::fopen("/dev/null", "w");
    return sink;
}

void emit(const std::string& text) {
    if (FILE* sink = devNull()) std::fwrite(text.data(), 1, text.size(), sink);
}

// The bytes as code words, at every word position of the first few hundred: each
// reading the decoder offers must be one the formatter can take or refuse.
void decodeWords(const uint8_t* data, size_t size) {
    constexpr size_t kMaxWords = 256;
    uint16_t words[kMaxWords] = {};
    const size_t count = std::min(size / 2, kMaxWords);
    for (size_t k = 0; k < count; ++k) words[k] = static_cast<uint16_t>(data[2 * k] | (data[2 * k + 1] << 8));
    DecodedInstruction found[16];
    std::string text;
    for (size_t k = 0; k < count; ++k) {
        const int available = static_cast<int>(std::min<size_t>(count - k, kMaxInstructionWords));
        const int n = decodeCandidates(words + k, available, found, 16);
        for (int c = 0; c < n; ++c)
            if (formatInstruction(found[c], nullptr, false, text)) emit(text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decodeWords(data, size);

    ElfImage image;
    std::string error;
    if (readElfImage(data, size, image, error) != 0 || checkMerrowObject(image, error) != 0) {
        emit(error);
        return 0;
    }
    FILE* sink = devNull();
    if (!sink) return 0;
    viewFileHeader(image, sink);
    viewSectionHeaders(image, sink);
    viewSymbols(image, sink);
    const ViewOptions options;
    viewRelocations(image, options, sink);
    viewContents(image, options, sink);
    viewDisassembly(image, options, sink);
    viewDebugInfo(image, sink);
    viewDebugLine(image, sink);
    viewDebugReloc(image, sink);
    if (writeSource(image, "fuzz.obj", sink, error) != 0) emit(error);
    return 0;
}

#include "frontend/lexer.h"

// Placeholder until the scanner lands: only the buffer type exists.
struct ScanBuffer {};

void destroyScanBuffer(ScanBuffer* buffer) { delete buffer; }

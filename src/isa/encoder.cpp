// Placeholder until the encoder lands: nothing is encoded.
#include "isa/encoder.h"

int encodeInstruction(const OpcodeEntry*, AssemblerState*, Statement*) {
    return -1;
}

// Helpers shared by the instruction-set tests: hand-built statements and a fresh state.
#pragma once

#include "core/Statement.h"
#include "core/messages.h"
#include "driver/initAsm.h"
#include "driver/interface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace isatest {

// Operand constructors, named after how the operand was written.
inline Operand addr(int32_t value) {
    return Operand{OPK_DIRECT, 0, 0, 0, value, -1, {}};
}
inline Operand imm(int32_t value) {
    return Operand{OPK_IMMEDIATE, 0, 0, 0, value, -1, {}};
}
// A "$label" after resolution: the label's address as an immediate.
inline Operand limm(int32_t value) {
    return Operand{OPK_IMMEDIATE, 0, 1, 0, value, -1, {}};
}
// Unresolved symbols: a plain name (+offset) and a "$name".
inline Operand sym(const char* name, int32_t offset = 0) {
    return Operand{OPK_SYMBOL, 0, 0, offset, 0, -1, name};
}
inline Operand lsym(const char* name) {
    return Operand{OPK_SYMBOL, 0, 1, 0, 0, -1, name};
}

inline Statement instruction(int id, std::initializer_list<Operand> operands) {
    Statement st;
    st.kind = SK_INSTRUCTION;
    st.status = SS_COMPLETE;
    st.id = id;
    for (const Operand& op : operands) st.operands[st.operandCount++] = op;
    return st;
}

// The text section's bytes (the chain's blocks in order).
inline std::vector<uint8_t> textBytes(const AssemblerState& state) {
    std::vector<uint8_t> bytes;
    for (const DataBlock* b = state.sections[SEC_TEXT].head.get(); b; b = b->next.get())
        bytes.insert(bytes.end(), b->bytes.begin(), b->bytes.begin() + b->used);
    return bytes;
}

// A fresh assembler state (and symbol tables) with no diagnostics.
class IsaTest : public ::testing::Test {
  protected:
    void SetUp() override { fresh(); }
    void fresh() {
        releaseAssemblerState(state_);
        context_ = std::make_unique<RunContext>();
        ASSERT_EQ(initAssemblerState(*context_, state_), 0);
    }
    AssemblerState& state() { return *state_; }
    const DiagnosticList& diagnostics() { return context_->diagnostics; }

    std::unique_ptr<RunContext> context_;
    std::unique_ptr<AssemblerState> state_;
};

} // namespace isatest

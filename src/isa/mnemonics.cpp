#include "isa/mnemonics.h"

namespace {

// Every leading part of the complete forms, the empty one included.
constexpr void computePrefixes(FormSet& set) {
    set.prefix = SignatureSet{};
    for (int code = 0; code < kSignatureSpace; ++code) {
        if (!set.complete.test(static_cast<size_t>(code))) continue;
        int weight = 1;
        int c = code;
        int prefix = 0;
        set.prefix.set(0);
        while (c != 0) {
            prefix += (c % kShapeCount) * weight;
            set.prefix.set(static_cast<size_t>(prefix));
            c /= kShapeCount;
            weight *= kShapeCount;
        }
    }
}

struct FormTable {
    FormSet sets[kMnemonicCount] = {};
    bool valid = true;
};

constexpr FormTable buildFormTable() {
    FormTable table;
    for (int i = 0; i < kMnemonicCount; ++i) {
        table.valid &= acceptedForms(kMnemonics[i], table.sets[i].complete);
        computePrefixes(table.sets[i]);
    }
    return table;
}

constexpr FormTable kFormTable = buildFormTable();
static_assert(kFormTable.valid, "a form list of the family or mnemonic table is malformed");

} // namespace

const FormSet& mnemonicForms(int index) {
    return kFormTable.sets[index];
}

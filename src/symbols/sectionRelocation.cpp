// Pass-two resolution of symbol operands and the `.rel.text` entries they leave.
#include "core/Statement.h"
#include "core/messages.h"
#include "format/objectFormat.h"
#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"
#include "symbols/assemblerState.h"
#include "symbols/sectionHandler.h"
#include "symbols/stHashTable.h"
#include "symbols/stSymbolTable.h"

namespace {

// Rule types that stand for a pair of relocation types, chosen by the addend: R_DATA or
// R_DATA_ADDEND, R_CODE or R_CODE_ADDEND.
enum : uint8_t {
    R_DATA_BY_ADDEND = 0xF0,
    R_CODE_BY_ADDEND = 0xF1,
};
static_assert(!relocationTypeName(R_DATA_BY_ADDEND) && !relocationTypeName(R_CODE_BY_ADDEND));

// The type that relocates each kind of operand field (0: none).
constexpr uint8_t relocTypeOf(SymbolField field) {
    switch (field) {
        case SF_PORT:
            return R_PORT;
        case SF_CODE:
            return R_CODE_BY_ADDEND;
        case SF_DATA:
            return R_DATA_BY_ADDEND;
        case SF_DATA_PLAIN:
            return R_DATA;
        case SF_IMM8:
            return R_IMM8;
        case SF_IMM16:
            return R_IMM16;
        case SF_IMM32:
            return R_IMM32;
        case SF_IMM8_SPLIT:
            return R_IMM8_SPLIT;
        case SF_BIT5:
            return R_BIT5;
        case SF_SHIFT_COUNT:
            return R_SHIFT_COUNT;
        case SF_CPYMEM_COUNT:
            return R_CPYMEM_COUNT;
        case SF_PORTTST_BIT:
            return R_PORTTST_BIT;
        case SF_UNSTATED:
        case SF_REFUSED:
        case kSymbolFieldCount:
            break;
    }
    return 0;
}

// Where the family table puts operand `operandIndex` (1..3) of the statement when it
// names a symbol; null when its form cannot be relocated there.
const SymbolPlace* findSymbolPlace(const OpcodeEntry& entry, const Statement& st, int operandIndex) {
    const InstructionLayout* layout = instructionLayout(entry, st);
    if (!layout) return nullptr;
    const SymbolPlace& place = layout->symbols[operandIndex - 1];
    return relocTypeOf(place.field) != 0 ? &place : nullptr;
}

// Every type a field kind gives is an instruction field's.
constexpr bool fieldsGiveInstructionTypes() {
    for (int field = 0; field < kSymbolFieldCount; ++field) {
        const uint8_t type = relocTypeOf(static_cast<SymbolField>(field));
        if (type != 0 && type != R_DATA_BY_ADDEND && type != R_CODE_BY_ADDEND &&
            relocationSite(type) != RS_INSTRUCTION)
            return false;
    }
    return true;
}
static_assert(fieldsGiveInstructionTypes());

int32_t finalType(uint8_t type, int32_t addend) {
    if (type == R_DATA_BY_ADDEND) return addend != 0 ? R_DATA_ADDEND : R_DATA;
    if (type == R_CODE_BY_ADDEND) return addend != 0 ? R_CODE_ADDEND : R_CODE;
    return type;
}

} // namespace

namespace {

// relocateText for a name known by its number in state.names (-1: looked up by text).
int relocate(AssemblerState* state, Statement* statement, const OpcodeEntry* entry, std::string_view name,
             int operandIndex, int32_t addend, int32_t nameNumber) {
    if (!state || !statement || !entry || operandIndex < 1 || operandIndex > 3) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "sectionRelocation.cpp");
        return -1;
    }
    if (!state->relTextCreated) {
        state->relTextCreated = true;
        const int64_t estimate = int64_t{state->numRelocText} + state->numRelocData;
        if (estimate > 0) state->relText.reserve(static_cast<size_t>(estimate));
    }
    if (!state->symtabCreated || state->symtab.empty()) {
        reportAt(state, Diag::NoSymtabEntry);
        return -1;
    }
    const int32_t symbolIndex = nameNumber >= 0 ? firstSymtabEntry(state, nameNumber)
                                                : findSymtabIndex(state, std::string(name).c_str(), false);
    if (symbolIndex < 0) {
        logTrace(state, "Label is not found in the symbol table\n");
        reportAt(state, Diag::SymbolNotInSymtab);
        return -1;
    }

    // Offsets count words from the start of the text, or from the one ORG's origin.
    int64_t location = state->orgCount == 1 ? state->orgRelativeLoc : state->textLoc();
    location += location & 1;
    if (state->run.logFile)
        logTrace(state, "relocateText() textLOC: %d, relocOffset_i:%d\n", static_cast<int>(location),
                 static_cast<int>(state->orgRelativeLoc));

    const SymbolPlace* place = findSymbolPlace(*entry, *statement, operandIndex);
    if (!place) {
        logTrace(state, "Line %d [%d] is not relocatable.\n", state->run.lineNumber, entry->id);
        reportWordAt(state->run, Diag::NoRelocationNeeded, name);
        return -1;
    }

    RelocationEntry reloc;
    const int32_t type = finalType(relocTypeOf(place->field), addend);
    reloc.r_offset = static_cast<uint32_t>(location / 2 + place->word);
    reloc.r_info = relocationInfo(static_cast<uint32_t>(symbolIndex), static_cast<uint32_t>(type));
    reloc.r_addend = addend;
    prefaultVectorAhead(state->relText, state->relTextPages);
    state->relText.push_back(reloc);

    if (state->run.logFile) {
        logTrace(state, "------------>\n");
        logTrace(state, "Dumping \"%.*s\" rel info [reloc #: %d]\n", static_cast<int>(name.size()),
                 name.data(), static_cast<int>(state->relText.size() - 1));
        logTrace(state, "reloc type: %d\n", type);
        logTrace(state, "symtab index: %d\n", symbolIndex);
        logTrace(state, "r_offset: 0x%x\n", reloc.r_offset);
        logTrace(state, "r_info: 0x%x\n", reloc.r_info);
        logTrace(state, "r_addend: 0x%x\n", static_cast<unsigned>(reloc.r_addend));
        logTrace(state, "<-----------\n");
    }
    return 0;
}

} // namespace

int relocateText(AssemblerState* state, Statement* statement, const OpcodeEntry* entry, const char* name,
                 int operandIndex, int32_t addend) {
    if (!name) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "sectionRelocation.cpp");
        return -1;
    }
    return relocate(state, statement, entry, name, operandIndex, addend, -1);
}

int resolveOperands(AssemblerState* state, Statement* statement, const OpcodeEntry* entry) {
    if (!state || !statement || !entry) {
        if (state) report(state->run.diagnostics, Diag::InternalError, __LINE__, 0, "sectionRelocation.cpp");
        return -1;
    }
    if (state->run.logFile) logTrace(state, "textloc: %d\n", static_cast<int>(state->textLoc()));
    const int count = statement->operandCount;
    if (count == 0) return 0;
    if (count < 0 || count > 3) return -1;

    int result = 0;
    for (int i = 0; i < count; ++i) {
        Operand& op = statement->operands[i];
        if (op.kind != OPK_SYMBOL) continue;
        // The grammar bound the name; an operand built without it is bound here.
        if (op.name < 0) {
            op.name = nameIntern(state->names, op.text);
            op.text = nameText(state->names, op.name);
        }
        // A "$label" operand stands for the label's address as an immediate; any other
        // symbol operand is an address.
        const int32_t resolvedKind = op.labelImmediate == 1 ? OPK_IMMEDIATE : OPK_DIRECT;
        if (const Symbol* label = stSymbolNamed(state->labelTable.get(), op.name)) {
            op.kind = resolvedKind;
            op.value = label->value;
            // Code is addressed in words, so offsets from a text label are halved.
            const int32_t addend = label->isData == 0 ? op.offset >> 1 : op.offset;
            if (relocate(state, statement, entry, op.text, i + 1, addend, op.name) != 0) result = -1;
        } else if (const Symbol* external = stSymbolNamed(state->externTable.get(), op.name)) {
            op.kind = OPK_IMMEDIATE;
            op.value = external->value;
            const int32_t addend = external->isData == 0 ? op.offset >> 1 : op.offset;
            if (relocate(state, statement, entry, op.text, i + 1, addend, op.name) != 0) result = -1;
        } else if (const Symbol* constant = stSymbolNamed(state->constTable.get(), op.name)) {
            op.kind = resolvedKind;
            op.value = constant->value;
        } else {
            // Names come from identifiers, which hold no NUL: the text is the whole name.
            const std::string name(op.text);
            if (count == 1)
                logTrace(state, "ASM ERROR @ src = %s Line = %d Unresolved Symbol ->%s\n",
                         currentFileName(state), state->run.lineNumber, name.c_str());
            else
                logTrace(state, "ASM ERROR @ src = %s Line = %d Unresolved Symbol\n", currentFileName(state),
                         state->run.lineNumber);
            reportWordAt(state->run, Diag::UnresolvedSymbol, op.text, 0, name.c_str());
            return -1;
        }
    }
    return result;
}

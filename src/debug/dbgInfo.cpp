// Turns the debug descriptions into .debug_abbrev and .debug_info: one compile unit,
// the fixed base types, then one group of entries per declaration in directive order.
// Types are referred to by name; names not built yet are patched once every entry
// exists, and so are the sibling offsets of groups.
#include "debug/dbgInfo.h"

#include "core/messages.h"
#include "debug/addAttributes.h"
#include "debug/dbgRelocation.h"
#include "debug/dbgUtil.h"
#include "driver/Zorlan.h"
#include "driver/initAsm.h"
#include "format/dwarf.h"

namespace {

const char* const kProducer = "Quillonix";

struct BaseType {
    const char* name;
    int32_t bitSize;
    int32_t byteSize;
    int32_t encoding;
};

const BaseType kBaseTypes[] = {
    {"void", 0, 0, DW_ATE_signed},
    {"char", 8, 1, DW_ATE_signed_char},
    {"unsigned char", 8, 1, DW_ATE_unsigned_char},
    {"long", 32, 4, DW_ATE_signed},
    {"unsigned long", 32, 4, DW_ATE_unsigned},
    {"int", 32, 4, DW_ATE_signed},
    {"unsigned int", 32, 4, DW_ATE_unsigned},
    {"port", 8, 1, DW_ATE_signed},
    {"short", 16, 2, DW_ATE_signed},
    {"unsigned short", 16, 2, DW_ATE_unsigned},
    {"address", 16, 2, DW_ATE_unsigned},
    {"rom", 32, 4, DW_ATE_unsigned},
    {"charaddress", 16, 2, DW_ATE_unsigned},
    {"shortaddress", 16, 2, DW_ATE_unsigned},
    {"intaddress", 16, 2, DW_ATE_unsigned},
    {"charrom", 32, 4, DW_ATE_unsigned},
    {"shortrom", 32, 4, DW_ATE_unsigned},
    {"introm", 32, 4, DW_ATE_unsigned},
};

// Indexed by TypeModifier.
const int32_t kModifierTags[] = {DW_TAG_const_type, DW_TAG_volatile_type, DW_TAG_pointer_type,
                                 DW_TAG_array_type};

DebugInfoBuilder& builder(AssemblerState* state) {
    return *state->debugInfoBuilder;
}

int32_t infoOffset(AssemblerState* state) {
    return static_cast<int32_t>(builder(state).info.size());
}

// Type references keep only the low 16 bits of an offset.
uint32_t typeRef(int32_t offset) {
    return static_cast<uint32_t>(offset) & 0xFFFF;
}

size_t addPending(AssemblerState* state, int32_t position, int32_t value, int32_t size,
                  std::optional<std::string> typeName, int32_t line) {
    PendingRef ref;
    ref.abbrevCtr = state->abbrevCtr;
    ref.dbgCtr = state->dbgCtr;
    ref.attrCtr = state->attrCtr - 1; // the attribute just added
    ref.value = value;
    ref.size = size;
    ref.typeName = std::move(typeName);
    ref.sourceLine = line;
    ref.position = position;
    builder(state).pendingRefs.push_back(std::move(ref));
    return builder(state).pendingRefs.size() - 1;
}

// The type attribute of an item whose modifier chain follows it: the chain's first
// entry starts right after this attribute, which is always the entry's last.
void addTypeOfNextEntry(AssemblerState* state) {
    int32_t position = infoOffset(state);
    addAttribute(state, DW_AT_type, typeRef(position + 4));
}

// The type attribute naming `typeName`: the first entry built under that name, else a
// placeholder resolved at the end (or 4003 where the reference may not wait).
int addTypeByName(AssemblerState* state, const std::string& typeName, int32_t line, bool mayDefer) {
    DebugInfoBuilder& b = builder(state);
    auto it = b.entryByName.find(typeName);
    if (it != b.entryByName.end()) {
        addAttribute(state, DW_AT_type, typeRef(it->second));
        return 0;
    }
    if (!mayDefer) {
        reportAt(state, 4003, typeName.c_str());
        return -1;
    }
    int32_t position = addAttribute(state, DW_AT_type, typeRef(-1));
    addPending(state, position, kResolveByName, 2, typeName, line);
    return 0;
}

// A sibling attribute whose value, the offset just past the group, is set by closeGroup.
size_t addSibling(AssemblerState* state) {
    int32_t position = addAttribute(state, DW_AT_sibling, 0);
    return addPending(state, position, 0, 4, std::nullopt, 0);
}

void closeGroup(AssemblerState* state, size_t sibling) {
    builder(state).pendingRefs[sibling].value = infoOffset(state);
}

// One entry per modifier code, each referring to the next; the last one names the type.
int buildModifierChain(AssemblerState* state, const std::vector<int32_t>& codes, int32_t size,
                       const std::string& typeName, int32_t line) {
    for (size_t i = 0; i < codes.size(); ++i) {
        int32_t code = codes[i];
        beginEntry(state, kModifierTags[code & 3], false);
        if (code == MOD_POINTER || code == MOD_ARRAY)
            addAttribute(state, DW_AT_byte_size, static_cast<uint32_t>(size / 8));
        if (i + 1 < codes.size()) {
            addTypeOfNextEntry(state);
        } else if (addTypeByName(state, typeName, line, true) != 0) {
            return -1;
        }
        endEntry(state);
    }
    return 0;
}

int buildCompileUnit(AssemblerState* state) {
    SplitPath parts = splitPath(state->debugFileName ? state->debugFileName->c_str() : nullptr);
    if (!state->debugFileName || !parts.directory || !parts.baseName) {
        reportAt(state, 3008);
        return -1;
    }
    DebugInfoBuilder& b = builder(state);
    b.info.assign(kDwarfUnitHeaderSize, 0);
    state->debugInfoOffset = kDwarfUnitHeaderSize;
    if (addDebugRelocation(state, kDwarfUnitAbbrevOffset, 0, 4, DRT_ABBREV_OFFSET, "abbrev_offset") != 0)
        return -1;

    beginEntry(state, DW_TAG_compile_unit, true);
    addStringAttribute(state, DW_AT_name, *parts.baseName);
    addStringAttribute(state, DW_AT_producer, kProducer);
    addStringAttribute(state, DW_AT_comp_dir, *parts.directory);
    addAttribute(state, DW_AT_language, DW_LANG_C89);
    int32_t lowPc = addAttribute(state, DW_AT_low_pc, static_cast<uint32_t>(state->firstTextOrigin));
    if (addDebugRelocation(state, lowPc, 0, 0, DRT_CU_LOW_PC, "CU DW_low_pc") != 0) return -1;
    addAttribute(state, DW_AT_high_pc, static_cast<uint32_t>(state->textLoc() + 1));
    int32_t stmtList = addAttribute(state, DW_AT_stmt_list, 0);
    if (addDebugRelocation(state, stmtList, 0, 4, DRT_STMT_LIST, "DW_AT_stmt_list") != 0) return -1;
    endEntry(state);

    for (const BaseType& t : kBaseTypes) {
        beginEntry(state, DW_TAG_base_type, false);
        addStringAttribute(state, DW_AT_name, t.name);
        addAttribute(state, DW_AT_bit_size, static_cast<uint32_t>(t.bitSize));
        addAttribute(state, DW_AT_byte_size, static_cast<uint32_t>(t.byteSize));
        addAttribute(state, DW_AT_encoding, static_cast<uint32_t>(t.encoding));
        endEntry(state);
    }
    return 0;
}

int buildVariable(AssemblerState* state, const VariableDecl& v) {
    beginEntry(state, DW_TAG_variable, false);
    addStringAttribute(state, DW_AT_name, v.name);
    if (!(v.flags & kVarExtern)) {
        addAttribute(state, DW_AT_decl_file, static_cast<uint32_t>(v.fileIndex));
        addAttribute(state, DW_AT_decl_line, static_cast<uint32_t>(v.declLine));
    }
    int32_t location = addAttribute(state, DW_AT_location, static_cast<uint32_t>(v.offset));
    // A negative offset stands for the address of the label of the same name.
    if (v.offset < 0 && addDebugRelocation(state, location, 1, 4, DRT_VARIABLE_LOCATION, v.name.c_str()) != 0)
        return -1;
    if (v.flags & kVarExtern) addAttribute(state, DW_AT_external, 1);
    if (v.flags & kVarStatic) addAttribute(state, DW_AT_static_link, 1);
    if (!v.modifiers.empty()) {
        addTypeOfNextEntry(state);
    } else if (addTypeByName(state, v.datatypeName, v.sourceLine, true) != 0) {
        return -1;
    }
    endEntry(state);
    return buildModifierChain(state, v.modifiers, v.size, v.datatypeName, v.sourceLine);
}

// Typedefs may name "struct X" or "union X"; the entry is named X. They refer to types
// already built.
int buildTypedef(AssemblerState* state, const TypedefDecl& t) {
    beginEntry(state, DW_TAG_typedef, false);
    addStringAttribute(state, DW_AT_name, t.name);
    std::string target = t.datatypeName;
    for (const char* prefix : {"struct ", "union "}) {
        if (target.rfind(prefix, 0) == 0) {
            target.erase(0, std::char_traits<char>::length(prefix));
            break;
        }
    }
    auto it = builder(state).entryByName.find(target);
    if (it == builder(state).entryByName.end()) {
        logTrace(state, "[ERR] Failed to add datatype resolution entry.\n");
        reportAt(state, 4003, target.c_str());
        return -1;
    }
    addAttribute(state, DW_AT_type, typeRef(it->second));
    endEntry(state);
    return 0;
}

int buildAggregate(AssemblerState* state, const StructDecl& s, bool isUnion) {
    beginEntry(state, isUnion ? DW_TAG_union_type : DW_TAG_structure_type, true);
    addStringAttribute(state, DW_AT_name, s.name);
    addAttribute(state, DW_AT_bit_size, static_cast<uint32_t>(s.size));
    size_t sibling = addSibling(state);
    endEntry(state);

    // Bit fields advance the bit offset, and the byte offset past the byte they start in.
    int64_t bitOffset = 0;
    int64_t byteOffset = 0;
    for (const MemberDecl& m : s.members) {
        beginEntry(state, DW_TAG_member, false);
        addStringAttribute(state, DW_AT_name, m.name);
        bool bitField = m.size % 8 != 0;
        if (bitField) {
            addAttribute(state, DW_AT_bit_size, static_cast<uint32_t>(m.size));
            addAttribute(state, DW_AT_bit_offset, static_cast<uint32_t>(bitOffset));
        } else {
            addAttribute(state, DW_AT_byte_size, static_cast<uint32_t>(m.size / 8));
        }
        if (!isUnion) addAttribute(state, DW_AT_data_member_location, static_cast<uint32_t>(byteOffset));
        if (m.isPointer || m.isArray || !m.modifiers.empty()) {
            addTypeOfNextEntry(state);
        } else if (addTypeByName(state, m.datatypeName, m.sourceLine, true) != 0) {
            return -1;
        }
        endEntry(state);
        if (buildModifierChain(state, m.modifiers, m.size, m.datatypeName, m.sourceLine) != 0) return -1;
        if (bitField) {
            bitOffset += m.size;
            byteOffset += m.size / 8 + 1;
        } else {
            byteOffset += m.size / 8;
        }
    }
    closeGroup(state, sibling);
    return 0;
}

int buildEnum(AssemblerState* state, const EnumDecl& e) {
    beginEntry(state, DW_TAG_enumeration_type, true);
    addStringAttribute(state, DW_AT_name, e.name);
    addAttribute(state, DW_AT_byte_size, static_cast<uint32_t>(e.size / 8));
    size_t sibling = addSibling(state);
    endEntry(state);
    for (const Enumerator& en : e.enumerators) {
        beginEntry(state, DW_TAG_enumerator, false);
        addStringAttribute(state, DW_AT_name, en.name);
        addAttribute(state, DW_AT_const_value, static_cast<uint32_t>(en.value));
        endEntry(state);
    }
    closeGroup(state, sibling);
    return 0;
}

int buildNode(AssemblerState* state, const DebugDeclNode& node);

int buildFunction(AssemblerState* state, const FunctionDecl& f) {
    static const ReturnDecl kNoReturn{};
    const ReturnDecl& ret = f.returnType ? *f.returnType : kNoReturn;

    beginEntry(state, DW_TAG_subprogram, false);
    addStringAttribute(state, DW_AT_name, f.name);
    int32_t lowPc = addAttribute(state, DW_AT_low_pc, static_cast<uint32_t>(f.lowPc));
    if (addDebugRelocation(state, lowPc, 1, 4, DRT_FUNCTION_LOW_PC, f.name.c_str()) != 0) return -1;
    addAttribute(state, DW_AT_high_pc, static_cast<uint32_t>(f.highPc));
    if (f.flags & kFuncExtern) addAttribute(state, DW_AT_external, 1);
    addAttribute(state, DW_AT_prototyped, 1);
    addAttribute(state, DW_AT_return_addr, static_cast<uint32_t>(ret.address));
    size_t sibling = addSibling(state);
    if (!f.modifiers.empty()) {
        addTypeOfNextEntry(state);
    } else if (addTypeByName(state, ret.datatypeName, ret.sourceLine, true) != 0) {
        return -1;
    }
    endEntry(state);
    if (buildModifierChain(state, f.modifiers, ret.size, ret.datatypeName, ret.sourceLine) != 0) return -1;

    for (const ParameterDecl& p : f.parameters) {
        beginEntry(state, DW_TAG_formal_parameter, false);
        addStringAttribute(state, DW_AT_name, p.name);
        addAttribute(state, DW_AT_decl_file, static_cast<uint32_t>(p.fileIndex));
        addAttribute(state, DW_AT_decl_line, static_cast<uint32_t>(p.declLine));
        addAttribute(state, DW_AT_location, static_cast<uint32_t>(p.offset));
        if (!p.modifiers.empty()) {
            addTypeOfNextEntry(state);
        } else if (addTypeByName(state, p.datatypeName, p.sourceLine, false) != 0) {
            return -1;
        }
        endEntry(state);
        if (buildModifierChain(state, p.modifiers, p.size, p.datatypeName, p.sourceLine) != 0) return -1;
    }
    for (const DebugDeclNode& local : f.locals)
        if (buildNode(state, local) != 0) return -1;
    closeGroup(state, sibling);
    return 0;
}

int buildNode(AssemblerState* state, const DebugDeclNode& node) {
    switch (node.kind) {
        case DECL_VARIABLE:
            return buildVariable(state, *node.variable);
        case DECL_TYPEDEF:
            return buildTypedef(state, *node.typedefDecl);
        case DECL_STRUCT:
            return buildAggregate(state, *node.aggregate, false);
        case DECL_UNION:
            return buildAggregate(state, *node.aggregate, true);
        case DECL_ENUM:
            return buildEnum(state, *node.enumDecl);
        case DECL_FUNCTION:
            return buildFunction(state, *node.function);
        default:
            reportAt(state, 5001);
            return -1;
    }
}

// Writes every pending value now that all entries exist.
int resolveDebugInfo(AssemblerState* state) {
    logTrace(state, "resolveDebugInfo() BEGIN\n");
    DebugInfoBuilder& b = builder(state);
    for (const PendingRef& ref : b.pendingRefs) {
        logTrace(state, "[INFO] Dbg info to be resolved: abbrevCtr: %d, dbgCtr: %d, attrCtr: %d, value: %d\n",
                 ref.abbrevCtr, ref.dbgCtr, ref.attrCtr, ref.value);
        uint32_t value = static_cast<uint32_t>(ref.value);
        if (ref.typeName) {
            auto it = b.entryByName.find(*ref.typeName);
            if (it == b.entryByName.end()) {
                report(4000, ref.sourceLine, 0, currentFileName(state), ref.typeName->c_str());
                return -1;
            }
            value = static_cast<uint32_t>(it->second);
        }
        if (ref.size == 2) {
            patchU16(b.info, static_cast<size_t>(ref.position), value & 0xFFFF);
        } else {
            patchU32(b.info, static_cast<size_t>(ref.position), value);
        }
    }
    logTrace(state, "resolveDebugInfo() END\n");
    return 0;
}

void dumpBytes(const AssemblerState* state, const char* what, const std::vector<uint8_t>& bytes) {
    if (!tracing(state)) return;
    logTrace(state, "Dumping contents of %s BEGIN\n", what);
    for (size_t i = 0; i < bytes.size(); ++i)
        logTrace(state, "%02x%s", bytes[i], (i % 16 == 15 || i + 1 == bytes.size()) ? "\n" : " ");
    logTrace(state, "Dumping contents of %s END\n", what);
}

int buildAll(AssemblerState* state) {
    if (buildCompileUnit(state) != 0) return -1;
    if (state->debugDirectives) {
        for (const DebugDeclNode& node : state->debugDirectives->declList)
            if (buildNode(state, node) != 0) return -1;
    }
    if (resolveDebugInfo(state) != 0) return -1;

    DebugInfoBuilder& b = builder(state);
    if (b.abbrev.empty()) {
        reportAt(state, 4001);
        return -1;
    }
    if (b.info.size() <= kDwarfUnitHeaderSize) {
        reportAt(state, 4002);
        return -1;
    }
    b.abbrev.push_back(0);
    b.info.push_back(0);
    // unit_length counts the whole section, itself included.
    patchU32(b.info, 0, static_cast<uint32_t>(b.info.size()));
    patchU16(b.info, 4, 2);                      // version
    patchU32(b.info, kDwarfUnitAbbrevOffset, 0); // the abbreviations start the section
    b.info[10] = 4;                              // address size
    return 0;
}

} // namespace

int buildDebugInfo(AssemblerState* state) {
    if (!state) return -1;
    state->debugInfoBuilder = std::make_unique<DebugInfoBuilder>();
    if (state->debugDirectives) {
        // Most declarations name an entry or two; sizing the name table up front saves
        // rehashing on large descriptions.
        size_t declarations = state->debugDirectives->declList.size();
        state->debugInfoBuilder->entryByName.reserve(64 + 2 * declarations);
    }
    state->abbrevCtr = state->dbgCtr = state->attrCtr = 1;
    state->debugInfoOffset = 0;
    state->debugReloc.clear();
    state->debugAbbrev.clear();
    state->debugInfoBytes.clear();

    int result = buildAll(state);
    if (result == 0) {
        state->debugAbbrev = std::move(state->debugInfoBuilder->abbrev);
        state->debugInfoBytes = std::move(state->debugInfoBuilder->info);
        state->debugInfoOffset = static_cast<int32_t>(state->debugInfoBytes.size());
        dumpBytes(state, predefinedSectionName(SEC_DEBUG_ABBREV), state->debugAbbrev);
        dumpBytes(state, predefinedSectionName(SEC_DEBUG_INFO), state->debugInfoBytes);
    } else {
        // A failed build leaves no debug sections.
        state->debugReloc.clear();
        if (DataBlock* block = state->sections[SEC_DEBUG_INFO_RELOC].head.get()) block->used = 0;
    }
    state->debugInfoBuilder.reset();
    return result < 0 ? -1 : 0;
}

// Turns the debug descriptions into .debug_abbrev and .debug_info: one compile unit,
// the fixed base types, then one group of entries per declaration in directive order.
// Types are referred to by name; names not built yet are patched once every entry
// exists, and so are the sibling offsets of groups.
#include "debug/dbgInfo.h"

#include "core/messages.h"
#include "core/prefault.h"
#include "debug/addAttributes.h"
#include "debug/dbgRelocation.h"
#include "debug/dbgUtil.h"
#include "format/dwarf.h"
#include "symbols/assemblerState.h"

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

int32_t infoOffset(DebugInfoBuilder& b) {
    return static_cast<int32_t>(b.info.size());
}

// Type references keep only the low 16 bits of an offset.
uint32_t typeRef(int32_t offset) {
    return static_cast<uint32_t>(offset) & 0xFFFF;
}

size_t addPending(DebugInfoBuilder& b, int32_t position, int32_t value, int32_t size,
                  std::optional<std::string> typeName, int32_t line) {
    PendingRef ref;
    ref.abbrevCtr = b.abbrevCtr;
    ref.dbgCtr = b.dbgCtr;
    ref.attrCtr = b.attrCtr - 1; // the attribute just added
    ref.value = value;
    ref.size = size;
    ref.typeName = std::move(typeName);
    ref.sourceLine = line;
    ref.position = position;
    b.pendingRefs.push_back(std::move(ref));
    return b.pendingRefs.size() - 1;
}

// The type attribute of an item whose modifier chain follows it: the chain's first
// entry starts right after this attribute, which is always the entry's last.
void addTypeOfNextEntry(DebugInfoBuilder& b) {
    int32_t position = infoOffset(b);
    addAttribute(b, DW_AT_type, typeRef(position + 4));
}

// The type attribute naming `typeName`: the first entry built under that name, else a
// placeholder resolved at the end (or 4003 where the reference may not wait).
int addTypeByName(DebugInfoBuilder& b, const std::string& typeName, int32_t line, bool mayDefer) {
    if (const int32_t entry = entryNamed(b, typeName); entry >= 0) {
        addAttribute(b, DW_AT_type, typeRef(entry));
        return 0;
    }
    if (!mayDefer) {
        reportAt(b.state, Diag::UnresolvedDatatype, typeName.c_str());
        return -1;
    }
    int32_t position = addAttribute(b, DW_AT_type, typeRef(-1));
    addPending(b, position, kResolveByName, 2, typeName, line);
    return 0;
}

// A sibling attribute whose value, the offset just past the group, is set by closeGroup.
size_t addSibling(DebugInfoBuilder& b) {
    int32_t position = addAttribute(b, DW_AT_sibling, 0);
    return addPending(b, position, 0, 4, std::nullopt, 0);
}

void closeGroup(DebugInfoBuilder& b, size_t sibling) {
    b.pendingRefs[sibling].value = infoOffset(b);
}

// One entry per modifier code, each referring to the next; the last one names the type.
int buildModifierChain(DebugInfoBuilder& b, const std::vector<int32_t>& codes, int32_t size,
                       const std::string& typeName, int32_t line) {
    for (size_t i = 0; i < codes.size(); ++i) {
        int32_t code = codes[i];
        beginEntry(b, kModifierTags[code & 3], false);
        if (code == MOD_POINTER || code == MOD_ARRAY)
            addAttribute(b, DW_AT_byte_size, static_cast<uint32_t>(size / 8));
        if (i + 1 < codes.size()) {
            addTypeOfNextEntry(b);
        } else if (addTypeByName(b, typeName, line, true) != 0) {
            return -1;
        }
        endEntry(b);
    }
    return 0;
}

int buildCompileUnit(DebugInfoBuilder& b) {
    SplitPath parts = splitPath(b.state->debugFileName ? b.state->debugFileName->c_str() : nullptr);
    if (!b.state->debugFileName || !parts.directory || !parts.baseName) {
        reportAt(b.state, Diag::MissingFile);
        return -1;
    }
    b.info.assign(kDwarfUnitHeaderSize, 0);
    if (addDebugRelocation(b.state, kDwarfUnitAbbrevOffset, 0, 4, DRT_ABBREV_OFFSET, "abbrev_offset") != 0)
        return -1;

    beginEntry(b, DW_TAG_compile_unit, true);
    addStringAttribute(b, DW_AT_name, *parts.baseName);
    addStringAttribute(b, DW_AT_producer, kProducer);
    addStringAttribute(b, DW_AT_comp_dir, *parts.directory);
    addAttribute(b, DW_AT_language, DW_LANG_C89);
    int32_t lowPc = addAttribute(b, DW_AT_low_pc, static_cast<uint32_t>(b.state->firstTextOrigin));
    if (addDebugRelocation(b.state, lowPc, 0, 0, DRT_CU_LOW_PC, "CU DW_low_pc") != 0) return -1;
    addAttribute(b, DW_AT_high_pc, static_cast<uint32_t>(b.state->textLoc() + 1));
    int32_t stmtList = addAttribute(b, DW_AT_stmt_list, 0);
    if (addDebugRelocation(b.state, stmtList, 0, 4, DRT_STMT_LIST, "DW_AT_stmt_list") != 0) return -1;
    endEntry(b);

    for (const BaseType& t : kBaseTypes) {
        beginEntry(b, DW_TAG_base_type, false);
        addStringAttribute(b, DW_AT_name, t.name);
        addAttribute(b, DW_AT_bit_size, static_cast<uint32_t>(t.bitSize));
        addAttribute(b, DW_AT_byte_size, static_cast<uint32_t>(t.byteSize));
        addAttribute(b, DW_AT_encoding, static_cast<uint32_t>(t.encoding));
        endEntry(b);
    }
    return 0;
}

int buildVariable(DebugInfoBuilder& b, const VariableDecl& v) {
    beginEntry(b, DW_TAG_variable, false);
    addStringAttribute(b, DW_AT_name, v.name);
    if (!(v.flags & kVarExtern)) {
        addAttribute(b, DW_AT_decl_file, static_cast<uint32_t>(v.fileIndex));
        addAttribute(b, DW_AT_decl_line, static_cast<uint32_t>(v.declLine));
    }
    int32_t location = addAttribute(b, DW_AT_location, static_cast<uint32_t>(v.offset));
    // A negative offset stands for the address of the label of the same name.
    if (v.offset < 0 &&
        addDebugRelocation(b.state, location, 1, 4, DRT_VARIABLE_LOCATION, v.name.c_str()) != 0)
        return -1;
    if (v.flags & kVarExtern) addAttribute(b, DW_AT_external, 1);
    if (v.flags & kVarStatic) addAttribute(b, DW_AT_static_link, 1);
    if (!v.modifiers.empty()) {
        addTypeOfNextEntry(b);
    } else if (addTypeByName(b, v.datatypeName, v.sourceLine, true) != 0) {
        return -1;
    }
    endEntry(b);
    return buildModifierChain(b, v.modifiers, v.size, v.datatypeName, v.sourceLine);
}

// Typedefs may name "struct X" or "union X"; the entry is named X. They refer to types
// already built.
int buildTypedef(DebugInfoBuilder& b, const TypedefDecl& t) {
    beginEntry(b, DW_TAG_typedef, false);
    addStringAttribute(b, DW_AT_name, t.name);
    std::string target = t.datatypeName;
    for (const char* prefix : {"struct ", "union "}) {
        if (target.rfind(prefix, 0) == 0) {
            target.erase(0, std::char_traits<char>::length(prefix));
            break;
        }
    }
    const int32_t entry = entryNamed(b, target);
    if (entry < 0) {
        logTrace(b.state, "[ERR] Failed to add datatype resolution entry.\n");
        reportAt(b.state, Diag::UnresolvedDatatype, target.c_str());
        return -1;
    }
    addAttribute(b, DW_AT_type, typeRef(entry));
    endEntry(b);
    return 0;
}

int buildAggregate(DebugInfoBuilder& b, const StructDecl& s, bool isUnion) {
    beginEntry(b, isUnion ? DW_TAG_union_type : DW_TAG_structure_type, true);
    addStringAttribute(b, DW_AT_name, s.name);
    addAttribute(b, DW_AT_bit_size, static_cast<uint32_t>(s.size));
    size_t sibling = addSibling(b);
    endEntry(b);

    // Bit fields advance the bit offset, and the byte offset past the byte they start in.
    int64_t bitOffset = 0;
    int64_t byteOffset = 0;
    for (const MemberDecl& m : s.members) {
        beginEntry(b, DW_TAG_member, false);
        addStringAttribute(b, DW_AT_name, m.name);
        bool bitField = m.size % 8 != 0;
        if (bitField) {
            addAttribute(b, DW_AT_bit_size, static_cast<uint32_t>(m.size));
            addAttribute(b, DW_AT_bit_offset, static_cast<uint32_t>(bitOffset));
        } else {
            addAttribute(b, DW_AT_byte_size, static_cast<uint32_t>(m.size / 8));
        }
        if (!isUnion) addAttribute(b, DW_AT_data_member_location, static_cast<uint32_t>(byteOffset));
        if (m.isPointer || m.isArray || !m.modifiers.empty()) {
            addTypeOfNextEntry(b);
        } else if (addTypeByName(b, m.datatypeName, m.sourceLine, true) != 0) {
            return -1;
        }
        endEntry(b);
        if (buildModifierChain(b, m.modifiers, m.size, m.datatypeName, m.sourceLine) != 0) return -1;
        if (bitField) {
            bitOffset += m.size;
            byteOffset += m.size / 8 + 1;
        } else {
            byteOffset += m.size / 8;
        }
    }
    closeGroup(b, sibling);
    return 0;
}

int buildEnum(DebugInfoBuilder& b, const EnumDecl& e) {
    beginEntry(b, DW_TAG_enumeration_type, true);
    addStringAttribute(b, DW_AT_name, e.name);
    addAttribute(b, DW_AT_byte_size, static_cast<uint32_t>(e.size / 8));
    size_t sibling = addSibling(b);
    endEntry(b);
    for (const Enumerator& en : e.enumerators) {
        beginEntry(b, DW_TAG_enumerator, false);
        addStringAttribute(b, DW_AT_name, en.name);
        addAttribute(b, DW_AT_const_value, static_cast<uint32_t>(en.value));
        endEntry(b);
    }
    closeGroup(b, sibling);
    return 0;
}

int buildNode(DebugInfoBuilder& b, const DebugDeclNode& node);

int buildFunction(DebugInfoBuilder& b, const FunctionDecl& f) {
    const ReturnDecl noReturn{};
    const ReturnDecl& ret = f.returnType ? *f.returnType : noReturn;

    beginEntry(b, DW_TAG_subprogram, false);
    addStringAttribute(b, DW_AT_name, f.name);
    int32_t lowPc = addAttribute(b, DW_AT_low_pc, static_cast<uint32_t>(f.lowPc));
    if (addDebugRelocation(b.state, lowPc, 1, 4, DRT_FUNCTION_LOW_PC, f.name.c_str()) != 0) return -1;
    addAttribute(b, DW_AT_high_pc, static_cast<uint32_t>(f.highPc));
    if (f.flags & kFuncExtern) addAttribute(b, DW_AT_external, 1);
    addAttribute(b, DW_AT_prototyped, 1);
    addAttribute(b, DW_AT_return_addr, static_cast<uint32_t>(ret.address));
    size_t sibling = addSibling(b);
    if (!f.modifiers.empty()) {
        addTypeOfNextEntry(b);
    } else if (addTypeByName(b, ret.datatypeName, ret.sourceLine, true) != 0) {
        return -1;
    }
    endEntry(b);
    if (buildModifierChain(b, f.modifiers, ret.size, ret.datatypeName, ret.sourceLine) != 0) return -1;

    for (const ParameterDecl& p : f.parameters) {
        beginEntry(b, DW_TAG_formal_parameter, false);
        addStringAttribute(b, DW_AT_name, p.name);
        addAttribute(b, DW_AT_decl_file, static_cast<uint32_t>(p.fileIndex));
        addAttribute(b, DW_AT_decl_line, static_cast<uint32_t>(p.declLine));
        addAttribute(b, DW_AT_location, static_cast<uint32_t>(p.offset));
        if (!p.modifiers.empty()) {
            addTypeOfNextEntry(b);
        } else if (addTypeByName(b, p.datatypeName, p.sourceLine, false) != 0) {
            return -1;
        }
        endEntry(b);
        if (buildModifierChain(b, p.modifiers, p.size, p.datatypeName, p.sourceLine) != 0) return -1;
    }
    for (const DebugDeclNode& local : f.locals)
        if (buildNode(b, local) != 0) return -1;
    closeGroup(b, sibling);
    return 0;
}

int buildNode(DebugInfoBuilder& b, const DebugDeclNode& node) {
    switch (node.kind) {
        case DECL_VARIABLE:
            return buildVariable(b, *node.variable);
        case DECL_TYPEDEF:
            return buildTypedef(b, *node.typedefDecl);
        case DECL_STRUCT:
            return buildAggregate(b, *node.aggregate, false);
        case DECL_UNION:
            return buildAggregate(b, *node.aggregate, true);
        case DECL_ENUM:
            return buildEnum(b, *node.enumDecl);
        case DECL_FUNCTION:
            return buildFunction(b, *node.function);
        default:
            reportAt(b.state, Diag::InternalError);
            return -1;
    }
}

// Writes every pending value now that all entries exist.
int resolveDebugInfo(DebugInfoBuilder& b) {
    logTrace(b.state, "resolveDebugInfo() BEGIN\n");
    for (const PendingRef& ref : b.pendingRefs) {
        logTrace(b.state,
                 "[INFO] Dbg info to be resolved: abbrevCtr: %d, dbgCtr: %d, attrCtr: %d, value: %d\n",
                 ref.abbrevCtr, ref.dbgCtr, ref.attrCtr, ref.value);
        uint32_t value = static_cast<uint32_t>(ref.value);
        if (ref.typeName) {
            const int32_t entry = entryNamed(b, *ref.typeName);
            if (entry < 0) {
                report(b.state->run.diagnostics, Diag::UnknownDatatype, ref.sourceLine, 0,
                       currentFileName(b.state), ref.typeName->c_str());
                return -1;
            }
            value = static_cast<uint32_t>(entry);
        }
        if (ref.size == 2) {
            patchU16(b.info, static_cast<size_t>(ref.position), value & 0xFFFF);
        } else {
            patchU32(b.info, static_cast<size_t>(ref.position), value);
        }
    }
    logTrace(b.state, "resolveDebugInfo() END\n");
    return 0;
}

void dumpBytes(const AssemblerState* state, const char* what, const std::vector<uint8_t>& bytes) {
    if (!tracing(state)) return;
    logTrace(state, "Dumping contents of %s BEGIN\n", what);
    for (size_t i = 0; i < bytes.size(); ++i)
        logTrace(state, "%02x%s", bytes[i], (i % 16 == 15 || i + 1 == bytes.size()) ? "\n" : " ");
    logTrace(state, "Dumping contents of %s END\n", what);
}

int buildAll(DebugInfoBuilder& b) {
    if (buildCompileUnit(b) != 0) return -1;
    for (const DebugDeclNode& node : b.declarations.declList)
        if (buildNode(b, node) != 0) return -1;
    if (resolveDebugInfo(b) != 0) return -1;

    if (b.abbrev.empty()) {
        reportAt(b.state, Diag::DebugAbbrevNotCreated);
        return -1;
    }
    if (b.info.size() <= kDwarfUnitHeaderSize) {
        reportAt(b.state, Diag::DebugInfoNotCreated);
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

int buildDebugInfo(AssemblerState* state, const DebugDirectives& declarations) {
    if (!state) return -1;
    DebugInfoBuilder b{state, declarations};
    // Most declarations name an entry or two, mostly names the program already has.
    b.entryByName.reserve(nameCount(state->names) + 2 * declarations.declList.size());
    // And the entries' bytes: a declaration takes a few dozen bytes of each section and
    // two or three values to patch.
    reserveBacked(b.abbrev, 64 + 32 * declarations.declList.size());
    reserveBacked(b.info, 64 + 48 * declarations.declList.size());
    b.pendingRefs.reserve(8 + 3 * declarations.declList.size());
    state->debugReloc.clear();
    state->debugAbbrev.clear();
    state->debugInfoBytes.clear();

    int result = buildAll(b);
    if (result == 0) {
        state->debugAbbrev = std::move(b.abbrev);
        state->debugInfoBytes = std::move(b.info);
        dumpBytes(state, predefinedSectionName(SEC_DEBUG_ABBREV), state->debugAbbrev);
        dumpBytes(state, predefinedSectionName(SEC_DEBUG_INFO), state->debugInfoBytes);
    } else {
        // A failed build leaves no debug sections.
        state->debugReloc.clear();
        if (DataBlock* block = state->sections[SEC_DEBUG_INFO_RELOC].head.get()) block->used = 0;
    }
    return result < 0 ? -1 : 0;
}

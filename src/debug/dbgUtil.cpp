#include "debug/dbgUtil.h"

#include <algorithm>
#include <string_view>

#include "debug/dbgInfo.h"
#include "symbols/assemblerState.h"

int32_t uleb128Size(uint32_t value) {
    int32_t size = 1;
    while (value >= 0x80) {
        value >>= 7;
        ++size;
    }
    return size;
}

void appendCString(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

std::string stripQuotes(const std::string& text) {
    size_t begin = (!text.empty() && text.front() == '"') ? 1 : 0;
    size_t end = text.size();
    if (end > begin && text[end - 1] == '"') --end;
    return text.substr(begin, end - begin);
}

// ---- Trace dumps of the recorded descriptions ----

namespace {

void dumpModifiers(const AssemblerState* state, const std::vector<int32_t>& modifiers) {
    logTrace(state, "    modifiers (%zu):", modifiers.size());
    for (int32_t code : modifiers) logTrace(state, " %d", code);
    logTrace(state, "\n");
}

void dumpNode(const AssemblerState* state, const DebugDeclNode& node, int depth);

void dumpAggregate(const AssemblerState* state, const char* what, const StructDecl& decl) {
    logTrace(state, "%s: %s size: %d members: %zu\n", what, decl.name.c_str(), decl.size,
             decl.members.size());
    for (const MemberDecl& m : decl.members) {
        logTrace(state, "  member: %s type: %s size: %d pointer: %d array: %d line: %d\n", m.name.c_str(),
                 m.datatypeName.c_str(), m.size, m.isPointer, m.isArray, m.sourceLine);
        dumpModifiers(state, m.modifiers);
    }
}

void dumpNode(const AssemblerState* state, const DebugDeclNode& node, int depth) {
    logTrace(state, "%*s", depth * 2, "");
    switch (node.kind) {
        case DECL_VARIABLE: {
            const VariableDecl& v = *node.variable;
            logTrace(state, "VARIABLE: %s type: %s size: %d offset: %d line: %d flags: %x file: %d\n",
                     v.name.c_str(), v.datatypeName.c_str(), v.size, v.offset, v.declLine, v.flags,
                     v.fileIndex);
            dumpModifiers(state, v.modifiers);
            break;
        }
        case DECL_TYPEDEF:
            logTrace(state, "TYPEDEF: %s type: %s\n", node.typedefDecl->name.c_str(),
                     node.typedefDecl->datatypeName.c_str());
            break;
        case DECL_STRUCT:
            dumpAggregate(state, "STRUCT", *node.aggregate);
            break;
        case DECL_UNION:
            dumpAggregate(state, "UNION", *node.aggregate);
            break;
        case DECL_ENUM:
            logTrace(state, "ENUM: %s enumerators: %zu\n", node.enumDecl->name.c_str(),
                     node.enumDecl->enumerators.size());
            for (const Enumerator& e : node.enumDecl->enumerators)
                logTrace(state, "  %s = %d\n", e.name.c_str(), e.value);
            break;
        case DECL_FUNCTION: {
            const FunctionDecl& f = *node.function;
            logTrace(state, "FUNCTION: %s lowPc: %d highPc: %d flags: %x return: %s parameters: %zu\n",
                     f.name.c_str(), f.lowPc, f.highPc, f.flags,
                     f.returnType ? f.returnType->datatypeName.c_str() : "(none)", f.parameters.size());
            dumpModifiers(state, f.modifiers);
            for (const ParameterDecl& p : f.parameters)
                logTrace(state, "  PARAMETER: %s type: %s offset: %d line: %d\n", p.name.c_str(),
                         p.datatypeName.c_str(), p.offset, p.declLine);
            for (const DebugDeclNode& local : f.locals) dumpNode(state, local, depth + 1);
            break;
        }
        default:
            break;
    }
}

} // namespace

void dumpDebugDescriptions(const AssemblerState* state, const DebugDirectives& d) {
    if (!tracing(state)) return;
    logTrace(state, "Dumping .ENUMVAR BEGIN\n");
    for (const DebugDeclNode& node : d.declList) dumpNode(state, node, 0);
    logTrace(state, "Dumping .ENUMVAR END\n");
    logTrace(state, "Dumping .LINE BEGIN\n");
    for (const LineEntry& e : d.lineList) logTrace(state, "line: %d address: %d\n", e.line, e.address);
    logTrace(state, "Dumping .LINE END\n");
}

SplitPath splitPath(const char* path) {
    SplitPath parts;
    if (!path) return parts;
    std::string_view text = path;
    if (text.find('\\') != std::string_view::npos) {
        size_t baseStart = text.find_last_of("\\/") + 1;
        parts.directory.emplace(text.substr(0, baseStart));
        parts.baseName.emplace(text.substr(baseStart));
    } else {
        parts.directory.emplace(".");
        parts.baseName.emplace(text);
    }
    return parts;
}

void appendDeclaration(DebugDirectives& debug, DebugDeclNode&& node) {
    prefaultVectorAhead(debug.declList, debug.declPages);
    debug.declList.push_back(std::move(node));
}

void reserveDebugForSource(DebugDirectives& debug, size_t sourceBytes) {
    constexpr size_t kMaxReserve = size_t{1} << 20;
    debug.lineList.reserve(std::min(sourceBytes / 16, kMaxReserve));
    debug.declList.reserve(std::min(sourceBytes / 256, kMaxReserve));
}

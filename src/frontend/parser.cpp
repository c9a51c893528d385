// The grammar: one statement per call, read token by token with one token of
// look-ahead, in the same order and with the same error recovery as a shift-reduce
// parser of the statement grammar:
// - a statement is complete when its END has been read (a label line as soon as its
//   LABEL has been read; JUMP with a name also when anything else follows the name);
// - a line that goes wrong is skipped up to and including its END and rejected with
//   the code of the innermost construct that was open: the directive (1001), the
//   mnemonic (1004) or the line itself (1002). ANDPORT, ORPORT and INPORT are rejected
//   at the offending token, which is dropped, and the rest of the line is read as the
//   next statement. When the input ends first, the statement reports the end of input
//   and the pending code stays as it was.
#include "frontend/parser.h"

#include "core/RunContext.h"
#include "core/Statement.h"
#include "core/messages.h"
#include "frontend/frontEnd.h"
#include "frontend/lexer.h"
#include "frontend/operands.h"
#include "frontend/statementRecord.h"
#include "frontend/token.h"
#include "isa/encoder.h"
#include "isa/keywordTable.h"
#include "isa/mnemonics.h"
#include "isa/opcodeTable.h"
#include "symbols/assemblerState.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int32_t kQuestionMarkCode = '?';

// One parse call: the grammar's rules over the front end's state.
// The code words of a complete instruction whose words no symbol can change: every
// operand a number (none a name, none written "$name"), so that pass two, which resolves
// nothing in it, encodes exactly these words. False, with `words.count` left as it is, for
// any other instruction, and false with `words.count` 0 for a form the encoder refuses or
// has no words for: that statement is recorded with its operands and handled as usual,
// and reports as usual.
[[gnu::noinline]] bool encodeFixedInstruction(const Statement& st, unsigned labelOperands,
                                              InstructionWords& words) {
    if (labelOperands || st.operandCount < 0 || st.operandCount > 3) return false;
    for (int i = 0; i < st.operandCount; ++i)
        if (st.operands[i].kind == OPK_SYMBOL) return false;
    const OpcodeEntry* entry = lookupOpcodeTable(st.id);
    return entry && encodeWords(*entry, st, words) == 0 && words.count > 0;
}

struct Grammar {
    FrontEnd& fe;
    Parser& p;
    Lexer& lexer;
    RunContext& run;
    AssemblerState& state;

    void advance() {
        p.la.kind = yylex(lexer);
        p.la.number = lexer.yylval.number;
        p.la.text = lexer.yylval.text;
    }

    // The syntax-error routine: the statement is rejected and the pass will stop. A list
    // it had begun is dropped, so that it cannot leak into the next statement's list.
    void yyerror(Statement& st) {
        std::fflush(run.out);
        st.status = SS_REJECTED;
        run.flags.assemblyFailed = 1;
        p.argCollector = 0;
    }

    // A string literal the scanner refused keeps its own, more precise code.
    void setPendingCode(Diag code) {
        if (lexer.rejectedString) return;
        run.flags.pendingErrorCode = code;
        noteWord(code);
    }

    // An unknown directive or an instruction form that does not exist is about the word
    // the statement begins with; its text and column are taken now, while the line is
    // still in the scanner's input (and only now: reading statements never looks).
    [[gnu::cold, gnu::noinline]] void noteWord(Diag code) {
        p.wordCode = code;
        p.word.clear();
        p.wordColumn = 0;
        if (code != Diag::UnsupportedDirective && code != Diag::UnsupportedInstructionFormat) return;
        const std::string_view word = lexerStatementWord(lexer);
        p.word.assign(word);
        p.wordColumn = lexerColumnOf(lexer, word);
    }

    enum class Recovery { ThroughEnd, AtError };

    // A syntax error at the look-ahead token.
    void syntaxError(Statement& st, Diag code, Recovery how = Recovery::ThroughEnd) {
        yyerror(st);
        if (how == Recovery::AtError) {
            setPendingCode(code);
            return;
        }
        while (p.la.kind != TOK_END) {
            if (p.la.kind == TOK_EOF) {
                st.status = SS_END_OF_INPUT;
                return;
            }
            advance();
        }
        setPendingCode(code);
    }

    void fail(Statement& st) { syntaxError(st, p.errorCode); }

    // A complete statement that its action refuses.
    void rejectComplete(Statement& st, Diag code) {
        setPendingCode(code);
        yyerror(st);
    }

    // Checks the look-ahead; on a mismatch the statement is rejected.
    bool check(Statement& st, int kind) {
        if (p.la.kind == kind) return true;
        fail(st);
        return false;
    }

    bool expectNext(Statement& st, int kind) {
        advance();
        return check(st, kind);
    }

    void completeDirective(Statement& st, int id) {
        st.kind = SK_DIRECTIVE;
        st.id = id;
        st.status = SS_COMPLETE;
    }

    // ---------------------------------------------------------------------------------
    // The argument area.

    ArgCell& cellAt(Statement& st, int index) {
        const size_t i = static_cast<size_t>(index);
        if (i == st.args.size()) return st.args.emplace_back(); // the usual case: the next cell
        if (i > st.args.size()) st.args.resize(i + 1);
        return st.args[i];
    }

    void setNumber(ArgCell& cell, int32_t value) {
        cell.number = value;
        cell.isText = false;
        cell.text.clear();
    }

    void setText(ArgCell& cell, std::string_view text) {
        cell.number = 0;
        cell.isText = true;
        cell.text.assign(text);
    }

    // Appends to the list being read; false (after rejecting the line) when the argument
    // area is full.
    bool appendCell(Statement& st, int32_t number, const std::string_view* text) {
        if (p.argCollector < 0 || p.argCollector >= kMaxArgCells) {
            syntaxError(st, Diag::MemoryOverflow);
            return false;
        }
        ArgCell& cell = cellAt(st, p.argCollector++);
        if (text)
            setText(cell, *text);
        else
            setNumber(cell, number);
        return true;
    }

    bool appendNumber(Statement& st, int32_t number) { return appendCell(st, number, nullptr); }
    bool appendText(Statement& st, std::string_view text) { return appendCell(st, 0, &text); }

    // An item of .GLOBAL, .LOCAL, .WEAK, .FUNCTION, .VARIABLE and .PARAMETER lists: without
    // its surrounding double quotes, a number when it reads as one, else a text.
    bool appendListItem(Statement& st, std::string_view text) {
        if (!text.empty() && text.front() == '"') text.remove_prefix(1);
        if (!text.empty() && text.back() == '"') text.remove_suffix(1);
        int32_t number = 0;
        if (numberFromText(text, number)) return appendNumber(st, number);
        return appendText(st, text);
    }

    // Moves the collected list into the record: the number of items.
    int32_t takeList() {
        int32_t n = p.argCollector;
        p.argCollector = 0;
        return n;
    }

    // Reads a comma-separated list of `itemKind` tokens starting at the look-ahead; leaves
    // the token after the list in the look-ahead. False after rejecting the line.
    bool readList(Statement& st, int itemKind) {
        for (;;) {
            if (itemKind == TOK_STRING) { // a symbol: identifier or string literal
                if (p.la.kind != TOK_IDENTIFIER && p.la.kind != TOK_STRING) {
                    fail(st);
                    return false;
                }
                if (!appendListItem(st, p.la.text)) return false;
            } else {
                if (!check(st, itemKind)) return false;
                bool ok =
                    itemKind == TOK_IDENTIFIER ? appendText(st, p.la.text) : appendNumber(st, p.la.number);
                if (!ok) return false;
            }
            advance();
            if (p.la.kind != ',') return true;
            advance();
        }
    }

    // One cell per character between the quotes of a string literal, as signed bytes.
    bool storeCharacters(Statement& st, std::string_view literal, int32_t& stored) {
        std::string_view inner =
            literal.size() >= 2 ? literal.substr(1, literal.size() - 2) : std::string_view();
        if (inner.size() > static_cast<size_t>(kMaxArgCells)) {
            rejectComplete(st, Diag::MemoryOverflow);
            return false;
        }
        for (size_t i = 0; i < inner.size(); ++i)
            setNumber(cellAt(st, static_cast<int>(i)),
                      static_cast<int8_t>(static_cast<unsigned char>(inner[i])));
        stored = static_cast<int32_t>(inner.size());
        return true;
    }

    void setFlag(Statement& st, int32_t bit, bool on) {
        if (on)
            st.flags |= bit;
        else
            st.flags &= ~bit;
    }

    // Data names must begin with an underscore under -u; it is not part of the name.
    void applyUnderscoreRule(Statement& st) {
        if (!run.switches.underscorePrefix || !st.name) return;
        if (!st.name->empty() && st.name->front() == '_') {
            st.name->erase(0, 1);
        } else {
            std::fputs("Data identifier should start with _\n", run.out);
            st.status = SS_REJECTED;
        }
    }

    // ---------------------------------------------------------------------------------
    // Directives that begin with a name.

    // name .DB count values (and .DW, .DD).
    void dataDirective(Statement& st, std::string_view name, int id) {
        if (!expectNext(st, TOK_CONSTANT)) return;
        const int32_t count = p.la.number;
        advance();
        switch (p.la.kind) {
            case '?':
                if (!expectNext(st, TOK_END)) return;
                st.name.emplace(name);
                st.count = count;
                setNumber(cellAt(st, 0), kQuestionMarkCode);
                st.argCount = 0;
                st.uninitialised = 1;
                setFlag(st, kFlagNames, false);
                break;
            case TOK_CONSTANT:
            case TOK_CHAR:
                if (!readList(st, p.la.kind) || !check(st, TOK_END)) return;
                st.name.emplace(name);
                st.count = count;
                st.argCount = takeList();
                st.uninitialised = 0;
                setFlag(st, kFlagNames, false);
                break;
            case TOK_STRING: {
                std::string_view literal = p.la.text;
                if (!expectNext(st, TOK_END)) return;
                int32_t stored = 0;
                if (!storeCharacters(st, literal, stored)) return;
                st.name.emplace(name);
                st.count = count;
                st.argCount = stored;
                setFlag(st, kFlagNames, false);
                break;
            }
            case TOK_IDENTIFIER: {
                std::string_view first = p.la.text;
                advance();
                if (p.la.kind == ',') {
                    if (!appendText(st, first)) return;
                    advance();
                    if (!readList(st, TOK_IDENTIFIER) || !check(st, TOK_END)) return;
                    st.argCount = takeList();
                } else {
                    if (!check(st, TOK_END)) return;
                    setText(cellAt(st, 0), first);
                    st.argCount = 1;
                }
                st.name.emplace(name);
                st.count = count;
                setFlag(st, kFlagNames, true);
                break;
            }
            default:
                fail(st);
                return;
        }
        completeDirective(st, id);
        applyUnderscoreRule(st);
    }

    // name .DATA_INIT values a b size.
    void dataInitDirective(Statement& st, std::string_view name) {
        advance();
        const ParserToken first = p.la;
        bool list = false;
        switch (first.kind) {
            case TOK_IDENTIFIER:
            case TOK_CONSTANT:
            case TOK_CHAR:
                advance();
                if (p.la.kind == ',') {
                    list = true;
                    bool ok = first.kind == TOK_IDENTIFIER ? appendText(st, first.text)
                                                           : appendNumber(st, first.number);
                    if (!ok) return;
                    advance();
                    if (!readList(st, first.kind)) return;
                }
                break;
            case TOK_STRING:
                advance();
                break;
            default:
                fail(st);
                return;
        }
        if (!check(st, TOK_CONSTANT)) return;
        const int32_t a = p.la.number;
        if (!expectNext(st, TOK_CONSTANT)) return;
        const int32_t b = p.la.number;
        if (!expectNext(st, TOK_CONSTANT)) return;
        const int32_t s = p.la.number;
        if (!expectNext(st, TOK_END)) return;

        int32_t valueCount = 1;
        if (list) {
            valueCount = takeList();
        } else if (first.kind == TOK_STRING) {
            if (!storeCharacters(st, first.text, valueCount)) return;
        } else if (first.kind == TOK_IDENTIFIER) {
            setText(cellAt(st, 0), first.text);
        } else {
            setNumber(cellAt(st, 0), first.number);
        }
        st.name.emplace(name);
        st.number = a;
        st.number2 = b;
        st.size = s;
        st.count = valueCount;
        setFlag(st, kFlagNames, first.kind == TOK_IDENTIFIER);
        completeDirective(st, DIR_DATA_INIT);
        applyUnderscoreRule(st);
    }

    void namedDirective(Statement& st) {
        const std::string_view name = p.la.text;
        advance();
        if (p.la.kind != TOK_DIRECTIVE) {
            fail(st);
            return;
        }
        const int id = p.la.number;
        switch (id) {
            case DIR_DB:
            case DIR_DW:
            case DIR_DD:
                p.errorCode = Diag::InvalidDirectiveSyntax;
                dataDirective(st, name, id);
                return;
            case DIR_ASCII:
            case DIR_ASCIIZ: {
                p.errorCode = Diag::InvalidDirectiveSyntax;
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view literal = p.la.text;
                if (!expectNext(st, TOK_END)) return;
                st.name.emplace(name);
                setText(cellAt(st, 0), literal);
                st.count = lexer.stringDataLength;
                break;
            }
            // These have their error alternative only without the name, so a malformed
            // line that starts with a name is a line of unknown form.
            case DIR_EQU:
            case DIR_CONST:
            case DIR_DATA_DEF: {
                if (!expectNext(st, TOK_CONSTANT)) return;
                const int32_t n = p.la.number;
                if (!expectNext(st, TOK_END)) return;
                st.name.emplace(name);
                if (id == DIR_DATA_DEF)
                    st.count = n;
                else
                    setNumber(cellAt(st, 0), n);
                break;
            }
            case DIR_DATA_DEF_END:
                if (!expectNext(st, TOK_END)) return;
                st.name.emplace(name);
                break;
            case DIR_DATA_INIT:
                dataInitDirective(st, name);
                return;
            default:
                fail(st);
                return;
        }
        completeDirective(st, id);
        applyUnderscoreRule(st);
    }

    // ---------------------------------------------------------------------------------
    // Debug-description directives.

    // The signedness, pointer and array part of a debug declaration: n numbers, or the
    // words SIGNED/UNSIGNED, POINTER/NORMAL, a number, ARRAY/NORMAL and the other numbers.
    struct Attributes {
        int32_t value[7] = {};
        std::string_view word[7];
        bool words = false;
    };

    bool readAttributes(Statement& st, Attributes& at, int n) {
        advance();
        at.words = p.la.kind == TOK_IDENTIFIER;
        for (int i = 0; i < n; ++i) {
            if (i > 0) advance();
            const bool wordSlot = at.words && (i == 0 || i == 1 || i == 3);
            if (!check(st, wordSlot ? TOK_IDENTIFIER : TOK_CONSTANT)) return false;
            if (wordSlot)
                at.word[i] = p.la.text;
            else
                at.value[i] = p.la.number;
        }
        return true;
    }

    // Resolves the words into numbers; false (after rejecting the statement) for a word
    // that is none of the known ones.
    bool resolveAttributeWords(Statement& st, Attributes& at) {
        if (!at.words) {
            at.value[0] &= 1;
            return true;
        }
        struct Slot {
            int index;
            const char* yes;
            Diag code;
        };
        static const Slot kSlots[] = {{0, "SIGNED", Diag::InvalidSignedFlag},
                                      {1, "POINTER", Diag::InvalidPointerFlag},
                                      {3, "ARRAY", Diag::InvalidArrayFlag}};
        for (const Slot& slot : kSlots) {
            std::string_view w = at.word[slot.index];
            const char* no = slot.index == 0 ? "UNSIGNED" : "NORMAL";
            if (w == slot.yes) {
                at.value[slot.index] = 1;
            } else if (w == no) {
                at.value[slot.index] = 0;
            } else {
                rejectComplete(st, slot.code);
                return false;
            }
        }
        return true;
    }

    void storeAttributes(Statement& st, const Attributes& at) {
        setFlag(st, kFlagSigned, at.value[0] != 0);
        st.pointerFlag = at.value[1];
        st.number = at.value[2];
        st.arrayFlag = at.value[3];
        st.number2 = at.value[4];
        st.pointerDimension = at.value[5];
    }

    // .VARIABLE and .PARAMETER: "name" size "type" attributes line [list].
    void declarationDirective(Statement& st, int id) {
        if (!expectNext(st, TOK_STRING)) return;
        std::string_view decl = p.la.text;
        if (!expectNext(st, TOK_CONSTANT)) return;
        const int32_t size = p.la.number;
        if (!expectNext(st, TOK_STRING)) return;
        std::string_view type = p.la.text;
        Attributes at;
        if (!readAttributes(st, at, 7)) return;
        advance();
        const bool hasList = p.la.kind != TOK_END;
        if (hasList && (!readList(st, TOK_STRING) || !check(st, TOK_END))) return;

        const int32_t items = hasList ? takeList() : 0;
        if (!hasList && !at.words) st.clear();
        if (!resolveAttributeWords(st, at)) return;
        st.declName.emplace(decl);
        st.size = size;
        st.typeName.emplace(type);
        storeAttributes(st, at);
        st.declLine = at.value[6];
        st.count = items;
        completeDirective(st, id);
    }

    // .STRUCTMEM/.UNIONMEM "name" "type" size attributes, and .RETURN "type" size attributes.
    void memberDirective(Statement& st, int id) {
        std::string_view decl;
        if (id != DIR_RETURN) {
            if (!expectNext(st, TOK_STRING)) return;
            decl = p.la.text;
        }
        if (!expectNext(st, TOK_STRING)) return;
        std::string_view type = p.la.text;
        if (!expectNext(st, TOK_CONSTANT)) return;
        const int32_t size = p.la.number;
        Attributes at;
        if (!readAttributes(st, at, 6) || !expectNext(st, TOK_END)) return;

        st.clear();
        if (!resolveAttributeWords(st, at)) return;
        if (id != DIR_RETURN) st.declName.emplace(decl);
        st.typeName.emplace(type);
        st.size = size;
        storeAttributes(st, at);
        completeDirective(st, id);
    }

    // ---------------------------------------------------------------------------------
    // Directives that begin with their keyword.

    void keywordDirective(Statement& st) {
        const int id = p.la.number;
        p.errorCode = Diag::InvalidDirectiveSyntax;
        switch (id) {
            case DIR_ORG:
                if (!expectNext(st, TOK_CONSTANT)) return;
                {
                    const int32_t n = p.la.number;
                    if (!expectNext(st, TOK_END)) return;
                    st.clear();
                    st.number = n;
                }
                break;
            case DIR_EVEN:
                if (!expectNext(st, TOK_END)) return;
                break;
            case DIR_TEXT:
            case DIR_DATA:
            case DIR_ABS:
            case DIR_ODD:
            case DIR_ENDP:
            case DIR_LOC:
                if (!expectNext(st, TOK_END)) return;
                st.clear();
                break;
            case DIR_INCLUDE:
            case DIR_FILE: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view file = p.la.text;
                if (!expectNext(st, TOK_END)) return;
                st.clear();
                st.fileName.emplace(file);
                break;
            }
            case DIR_LINE:
                if (!expectNext(st, TOK_CONSTANT)) return;
                st.number = p.la.number;
                if (!expectNext(st, TOK_END)) return;
                break;
            case DIR_SECTION: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view name = p.la.text;
                if (!expectNext(st, TOK_IDENTIFIER)) return;
                std::string_view type = p.la.text;
                if (!expectNext(st, TOK_CONSTANT)) return;
                const int32_t n = p.la.number;
                if (!expectNext(st, TOK_END)) return;
                st.name.emplace(name);
                st.sectionType.emplace(type);
                st.number = n;
                break;
            }
            case DIR_BSS:
                advance();
                if (p.la.kind == TOK_END) {
                    st.name.reset();
                    st.argCount = 0;
                    break;
                }
                if (!check(st, TOK_IDENTIFIER)) return;
                {
                    std::string_view name = p.la.text;
                    if (!expectNext(st, TOK_CONSTANT)) return;
                    const int32_t n = p.la.number;
                    if (!expectNext(st, TOK_END)) return;
                    st.name.emplace(name);
                    setNumber(cellAt(st, 0), n);
                    st.argCount = 1;
                }
                break;
            case DIR_GLOBAL: {
                advance();
                const bool exported = p.la.kind == TOK_EXPORT;
                if (!exported && !check(st, TOK_DO_NOT_EXPORT)) return;
                advance();
                if (!readList(st, TOK_STRING) || !check(st, TOK_END)) return;
                st.count = st.argCount = takeList();
                setFlag(st, kFlagExport, exported);
                break;
            }
            case DIR_LOCAL:
            case DIR_WEAK:
                advance();
                if (!readList(st, TOK_STRING) || !check(st, TOK_END)) return;
                st.count = st.argCount = takeList();
                break;
            case DIR_VARIABLE:
            case DIR_PARAMETER:
                declarationDirective(st, id);
                return;
            case DIR_STRUCTMEM:
            case DIR_UNIONMEM:
            case DIR_RETURN:
                memberDirective(st, id);
                return;
            case DIR_TYPEDEF: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view decl = p.la.text;
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view type = p.la.text;
                if (!expectNext(st, TOK_END)) return;
                st.clear();
                st.declName.emplace(decl);
                st.typeName.emplace(type);
                break;
            }
            case DIR_STRUCT:
            case DIR_UNION:
            case DIR_ENUMERATOR: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view decl = p.la.text;
                if (!expectNext(st, TOK_CONSTANT)) return;
                const int32_t n = p.la.number;
                if (!expectNext(st, TOK_END)) return;
                if (id == DIR_ENUMERATOR) {
                    st.number = n;
                } else {
                    st.clear();
                    st.size = n;
                }
                st.declName.emplace(decl);
                break;
            }
            case DIR_ENUM:
            case DIR_FUNC_END:
            case DIR_STRUCT_END:
            case DIR_UNION_END:
            case DIR_ENUM_END: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view decl = p.la.text;
                if (!expectNext(st, TOK_END)) return;
                st.clear();
                st.declName.emplace(decl);
                break;
            }
            case DIR_FUNCTION: {
                if (!expectNext(st, TOK_STRING)) return;
                std::string_view decl = p.la.text;
                advance();
                const bool hasList = p.la.kind != TOK_END;
                if (hasList && (!readList(st, TOK_STRING) || !check(st, TOK_END))) return;
                st.declName.emplace(decl);
                st.count = hasList ? takeList() : 0;
                break;
            }
            case DIR_DB:
            case DIR_DW:
            case DIR_DD:
                // A data directive needs its name first.
                syntaxError(st, Diag::UnsupportedDirective);
                return;
            default:
                // .EQU, .CONST, .ASCII, .ASCIIZ and the structure-instance directives are
                // only complete after a name; without one the line is malformed.
                advance();
                fail(st);
                return;
        }
        completeDirective(st, id);
    }

    // ---------------------------------------------------------------------------------
    // Instructions.

    struct WrittenOperand {
        OperandShape shape = SHAPE_NONE;
        int32_t number = 0;
        std::string_view text;
    };

    OperandShape shapeOf(int token) {
        switch (token) {
            case TOK_CONSTANT:
                return SHAPE_C;
            case TOK_IDENTIFIER:
                return SHAPE_I;
            case TOK_BASE_PLUS_OFFSET:
                return SHAPE_B;
            case TOK_FLAG:
                return SHAPE_F;
            default:
                return SHAPE_NONE;
        }
    }

    int32_t flagId(const WrittenOperand& w) {
        if (state.keywordTable && w.text.size() < 4) {
            char name[4] = {};
            w.text.copy(name, w.text.size());
            return keywordLookup(state.keywordTable.get(), name);
        }
        return w.number;
    }

    // Enters a symbol operand's name into the run's name table: from here on the operand
    // holds the name's number and views the table's copy of its text.
    void bindName(Operand& op) {
        if (op.kind != OPK_SYMBOL) return;
        op.name = nameIntern(state.names, op.text);
        op.text = nameText(state.names, op.name);
    }

    // The instruction statement of an accepted form; the operands are classified here. The
    // statement arrives cleared, so only the fields an instruction has are written.
    void buildInstruction(Statement& st, const MnemonicInfo& m, const WrittenOperand* written, int n) {
        st.kind = SK_INSTRUCTION;
        st.id = m.id;
        st.operandCount = n;
        for (int i = 0; i < n; ++i) {
            const WrittenOperand& w = written[i];
            Operand& op = st.operands[i];
            switch (w.shape) {
                case SHAPE_C:
                    // A number is a data address, except as a jump target: a code word address.
                    if (m.jumpKind != JUMP_NONE) {
                        op.kind = OPK_IMMEDIATE;
                        op.value = static_cast<int32_t>(static_cast<uint32_t>(w.number) * 2u);
                    } else {
                        op.kind = OPK_DIRECT;
                        op.value = w.number;
                    }
                    break;
                case SHAPE_IMM_C:
                    op.kind = OPK_IMMEDIATE;
                    op.value = w.number;
                    break;
                case SHAPE_I:
                    classifyIdentifier(w.text, op);
                    bindName(op);
                    if (m.jumpKind != JUMP_NONE) {
                        // Parentheses around a target name choose the indirect JUMP/CALL.
                        if (op.indirect && m.jumpKind == JUMP_PLAIN) st.id = kJumpIndirectId;
                        if (op.indirect && m.jumpKind == JUMP_CALL) st.id = kCallIndirectId;
                        op.indirect = 0;
                    }
                    break;
                case SHAPE_B:
                    if (!parseBasePlusOffset(w.text, op)) {
                        rejectComplete(st, Diag::UnsupportedInstructionFormat);
                        return;
                    }
                    bindName(op);
                    break;
                case SHAPE_IMM_L: {
                    const int32_t name = nameIntern(state.names, w.text);
                    classifyLabelImmediate(state, p.lastLookup, name, op);
                    p.labelOperands |= 1u << i;
                    p.labelOperandNames[i] = name;
                    break;
                }
                case SHAPE_F:
                    op.kind = OPK_IMMEDIATE;
                    op.value = flagId(w);
                    break;
                default:
                    break;
            }
        }
        if (st.id == INS_SP_LOAD && n == 1 && written[0].shape == SHAPE_IMM_C) st.id = kSpLoadImmediateId;
        st.status = SS_COMPLETE;
    }

    void instruction(Statement& st) {
        const MnemonicInfo& m = kMnemonics[p.la.number];
        const FormSet& forms = mnemonicForms(p.la.number);
        WrittenOperand written[3];
        int n = 0;
        int prefix = 0; // signature code of the operands read so far
        int weight = 1; // place value of the next operand's shape
        advance();
        for (;;) {
            if (p.la.kind == TOK_END) {
                if (forms.complete.test(static_cast<size_t>(prefix))) {
                    buildInstruction(st, m, written, n);
                    return;
                }
                break;
            }
            if (n == 3) break;
            WrittenOperand w;
            if (p.la.kind == '$') {
                const bool viable = forms.prefix.test(static_cast<size_t>(prefix + SHAPE_IMM_C * weight)) ||
                                    forms.prefix.test(static_cast<size_t>(prefix + SHAPE_IMM_L * weight));
                if (!viable) break;
                advance();
                w.shape = p.la.kind == TOK_CONSTANT     ? SHAPE_IMM_C
                          : p.la.kind == TOK_IDENTIFIER ? SHAPE_IMM_L
                                                        : SHAPE_NONE;
            } else {
                w.shape = shapeOf(p.la.kind);
            }
            if (w.shape == SHAPE_NONE || !forms.prefix.test(static_cast<size_t>(prefix + w.shape * weight)))
                break;
            w.number = p.la.number;
            w.text = p.la.text;
            written[n++] = w;
            prefix += w.shape * weight;
            weight *= kShapeCount;
            advance();
            if (m.jumpKind == JUMP_PLAIN && n == 1 && w.shape == SHAPE_I && p.la.kind != TOK_END) {
                // JUMP name is complete without its END; the token after it is dropped.
                buildInstruction(st, m, written, n);
                return;
            }
        }
        syntaxError(st, Diag::UnsupportedInstructionFormat,
                    m.earlyAccept ? Recovery::AtError : Recovery::ThroughEnd);
    }

    // ---------------------------------------------------------------------------------

    void labelStatement(Statement& st) {
        std::string_view name = p.la.text;
        name.remove_suffix(1); // the colon
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
        st.kind = SK_INSTRUCTION;
        st.id = kLabelStatementId;
        st.operandCount = 0;
        Operand& label = st.operands[0];
        label.kind = OPK_SYMBOL;
        label.name = nameIntern(state.names, name);
        label.text = nameText(state.names, label.name);
        st.status = SS_COMPLETE;
    }

    void statement(Statement& st) {
        p.errorCode = Diag::UnsupportedDirective;
        advance();
        switch (p.la.kind) {
            case TOK_EOF:
                st.status = SS_END_OF_INPUT;
                return;
            case TOK_END:
                st.status = SS_EMPTY;
                return;
            case TOK_LABEL:
                labelStatement(st);
                return;
            case TOK_MNEMONIC:
                instruction(st);
                return;
            case TOK_DIRECTIVE:
                keywordDirective(st);
                return;
            case TOK_IDENTIFIER:
                namedDirective(st);
                return;
            default:
                fail(st);
                return;
        }
    }

    // The directives without a name whose whole statement is their keyword and perhaps a
    // number, as keywordDirective reads them; false for any other.
    bool bareDirective(Statement& st, const ScannedLine& line) {
        const int id = line.directive;
        bool clears = false;
        switch (id) {
            case DIR_ORG:
            case DIR_LINE:
                if (line.count != 1) return false;
                clears = id == DIR_ORG;
                break;
            case DIR_TEXT:
            case DIR_DATA:
            case DIR_ABS:
            case DIR_ODD:
            case DIR_ENDP:
            case DIR_LOC:
                clears = true;
                [[fallthrough]];
            case DIR_EVEN:
                if (line.count != 0) return false;
                break;
            default:
                return false;
        }
        p.errorCode = Diag::InvalidDirectiveSyntax;
        lexerSkipScannedLine(lexer, line);
        if (clears) st.clear();
        if (line.count == 1) st.number = line.operands[0].number;
        completeDirective(st, id);
        return true;
    }

    // "name .DB count v1,v2,..." (and .DW, .DD) with plain numbers, as dataDirective
    // reads it, and "name .EQU n" (.CONST n) as namedDirective does; false when the
    // values would overflow the argument area, which the long way reports.
    bool dataLine(Statement& st, const ScannedLine& line) {
        if (line.directive == DIR_EQU || line.directive == DIR_CONST) {
            // "name .EQU n": the error code stays the one of a line of unknown form.
            p.errorCode = Diag::UnsupportedDirective;
            lexerSkipScannedLine(lexer, line);
            st.name.emplace(line.label);
            setNumber(cellAt(st, 0), line.dataCount);
            completeDirective(st, line.directive);
            applyUnderscoreRule(st);
            return true;
        }
        const int32_t first = p.argCollector;
        if (first < 0 || first > kMaxArgCells - line.valueCount) return false;
        p.errorCode = Diag::InvalidDirectiveSyntax;
        lexerSkipScannedLine(lexer, line);
        for (int i = 0; i < line.valueCount; ++i) appendNumber(st, line.values[i]);
        st.name.emplace(line.label);
        st.count = line.dataCount;
        st.argCount = takeList();
        st.uninitialised = 0;
        setFlag(st, kFlagNames, false);
        completeDirective(st, line.directive);
        applyUnderscoreRule(st);
        return true;
    }

    // The debug descriptions of a Words line, as keywordDirective and memberDirective read
    // them: ".FUNC_END "f"" (and .ENUM, .STRUCT_END, .UNION_END, .ENUM_END), ".FUNCTION
    // "f" [items]", and ".RETURN "type" size attributes" (.STRUCTMEM and .UNIONMEM with
    // the member's name first). False for any other word sequence, or attribute words
    // that the rules would reject: the long way reads those.
    [[gnu::noinline]] bool describedDirective(Statement& st, const ScannedLine& line) {
        const int id = line.directive;
        const int n = line.wordCount;
        const ScannedLine::Word* w = line.words;
        auto text = [w](int i) { return std::string_view(w[i].text, w[i].length); };
        auto is = [w, n](int i, int kind) { return i < n && w[i].kind == kind; };
        if (!is(0, TOK_STRING)) return false;
        switch (id) {
            case DIR_ENUM:
            case DIR_FUNC_END:
            case DIR_STRUCT_END:
            case DIR_UNION_END:
            case DIR_ENUM_END:
                if (n != 1) return false;
                p.errorCode = Diag::InvalidDirectiveSyntax;
                lexerSkipScannedLine(lexer, line);
                st.clear();
                st.declName.emplace(text(0));
                break;
            case DIR_FUNCTION: {
                // Items (names or literals) separated by commas, not ending with one.
                for (int i = 1; i < n; ++i)
                    if (i % 2 == 1 ? !(is(i, TOK_IDENTIFIER) || is(i, TOK_STRING)) : !is(i, ','))
                        return false;
                if ((n > 1 && n % 2 == 1) || p.argCollector < 0 || p.argCollector > kMaxArgCells - n / 2)
                    return false;
                p.errorCode = Diag::InvalidDirectiveSyntax;
                lexerSkipScannedLine(lexer, line);
                for (int i = 1; i < n; i += 2) appendListItem(st, text(i));
                st.declName.emplace(text(0));
                st.count = n > 1 ? takeList() : 0;
                break;
            }
            case DIR_RETURN:
            case DIR_STRUCTMEM:
            case DIR_UNIONMEM: {
                const int type = id == DIR_RETURN ? 0 : 1; // a member's name comes first
                if (n != type + 8 || !is(type, TOK_STRING) || !is(type + 1, TOK_CONSTANT)) return false;
                Attributes at;
                at.words = is(type + 2, TOK_IDENTIFIER);
                for (int i = 0; i < 6; ++i) {
                    const bool wordSlot = at.words && (i == 0 || i == 1 || i == 3);
                    const int k = type + 2 + i;
                    if (!is(k, wordSlot ? TOK_IDENTIFIER : TOK_CONSTANT)) return false;
                    if (wordSlot)
                        at.word[i] = text(k);
                    else
                        at.value[i] = w[k].number;
                }
                if (at.words && ((at.word[0] != "SIGNED" && at.word[0] != "UNSIGNED") ||
                                 (at.word[1] != "POINTER" && at.word[1] != "NORMAL") ||
                                 (at.word[3] != "ARRAY" && at.word[3] != "NORMAL")))
                    return false;
                p.errorCode = Diag::InvalidDirectiveSyntax;
                lexerSkipScannedLine(lexer, line);
                st.clear();
                resolveAttributeWords(st, at);
                if (id != DIR_RETURN) st.declName.emplace(text(0));
                st.typeName.emplace(text(type));
                st.size = w[type + 1].number;
                storeAttributes(st, at);
                break;
            }
            default:
                return false;
        }
        completeDirective(st, id);
        return true;
    }

    // The short way through the commonest lines (see lexerScanLine): the same statement,
    // scanner state and symbol-table effects as the token-by-token rules above, without
    // a call into the scanner per token. False, with nothing changed, for any line those
    // rules would read differently or reject; the long way then reads it.
    [[gnu::always_inline]] bool scannedLine(Statement& st) {
        ScannedLine line;
        if (!lexerScanLine(lexer, line)) return false;
        if (line.shape == ScannedLine::Instruction) {
            const MnemonicInfo& m = kMnemonics[line.mnemonic];
            const FormSet& forms = mnemonicForms(line.mnemonic);
            WrittenOperand written[3];
            int prefix = 0;
            int weight = 1;
            bool names = false; // an operand that is a name for certain
            for (int i = 0; i < line.count; ++i) {
                const ScannedLine::Operand& op = line.operands[i];
                const bool number = op.kind == TOK_CONSTANT;
                // A word in parentheses may still turn out a number ("(0x20)").
                names |= !number && op.text[0] != '(';
                const OperandShape shape =
                    op.dollar ? (number ? SHAPE_IMM_C : SHAPE_IMM_L) : (number ? SHAPE_C : SHAPE_I);
                if (!forms.prefix.test(static_cast<size_t>(prefix + shape * weight))) return false;
                // JUMP name followed by more is complete at the name: the long way drops the rest.
                if (m.jumpKind == JUMP_PLAIN && i == 0 && shape == SHAPE_I && line.count > 1) return false;
                written[i] = WrittenOperand{shape, op.number, op.text};
                prefix += shape * weight;
                weight *= kShapeCount;
            }
            if (!forms.complete.test(static_cast<size_t>(prefix))) return false;
            p.errorCode = Diag::UnsupportedDirective;
            lexerSkipScannedLine(lexer, line);
            buildInstruction(st, m, written, line.count);
            // Instructions come this way nearly always; one that comes the long way is
            // recorded with its operands, which is as good, only slower.
            if (!names && p.mode == ParseMode::Recording && p.encodeAhead)
                encodeFixedInstruction(st, p.labelOperands, p.recordedWords);
            return true;
        }
        if (line.shape == ScannedLine::Directive) return bareDirective(st, line);
        if (line.shape == ScannedLine::Data) return dataLine(st, line);
        if (line.shape == ScannedLine::Words) return describedDirective(st, line);
        p.errorCode = Diag::UnsupportedDirective;
        lexerSkipScannedLine(lexer, line);
        if (line.shape == ScannedLine::Label) {
            p.la.kind = TOK_LABEL;
            p.la.text = line.label;
            labelStatement(st);
        } else {
            st.status = SS_EMPTY;
        }
        return true;
    }

    // Hands out the next recorded statement with the effects its parse had; the "$name"
    // operands are looked up again, against the symbol tables as they are now.
    void replayStatement(Statement& st) {
        ParseEffects effects;
        unsigned names = 0;
        int32_t replayedNames[3] = {-1, -1, -1};
        if (!p.recording.next(st, effects, names, replayedNames, state.names, p.recordedWords)) {
            // Pass two never asks for more statements than pass one read.
            st.clear();
            st.status = SS_END_OF_INPUT;
            return;
        }
        lexer.scanLine = effects.scanLine;
        lexer.scanColumn = effects.scanColumn;
        run.lineNumber = effects.scanLine;
        run.columnNumber = effects.scanColumn;
        if (effects.pendingCodeSet) run.flags.pendingErrorCode = static_cast<Diag>(effects.pendingErrorCode);
        p.argCollector = effects.argCollector;
        for (int i = 0; i < 3; ++i)
            if (names & (1u << i))
                classifyLabelImmediate(state, p.lastLookup, replayedNames[i], st.operands[i]);
    }
};

} // namespace

int parseStatement(FrontEnd& fe) {
    Grammar g{fe, fe.parser, fe.lexer, fe.run, fe.state};
    Parser& p = fe.parser;
    Statement& st = fe.statement;
    fe.lexer.rejectedString = false;
    if (p.mode == ParseMode::Replaying) {
        g.replayStatement(st);
    } else {
        const Diag pendingBefore = fe.run.flags.pendingErrorCode;
        p.labelOperands = 0;
        p.recordedWords.count = 0; // until an instruction line is recorded with its words
        if (!p.shortLines || !g.scannedLine(st)) g.statement(st);
        if (p.mode == ParseMode::Recording) {
            ParseEffects effects;
            effects.scanLine = fe.lexer.scanLine;
            effects.scanColumn = fe.lexer.scanColumn;
            effects.pendingCodeSet = fe.run.flags.pendingErrorCode != pendingBefore;
            effects.pendingErrorCode = static_cast<int32_t>(fe.run.flags.pendingErrorCode);
            effects.argCollector = p.argCollector;
            const InstructionWords& words = p.recordedWords;
            p.recording.append(st, effects, p.labelOperands, p.labelOperandNames,
                               words.count ? &words : nullptr);
        }
    }
    p.la = ParserToken{}; // a look-ahead left over is dropped
    fe.lexer.escapeMode = 0;
    fe.lexer.stringDataLength = 0;
    return 1;
}

void parserRecordStatements(FrontEnd& fe, size_t expectedBytes, bool encodeAhead) {
    fe.parser.recording.clear();
    fe.parser.recording.reserve(expectedBytes);
    fe.parser.mode = ParseMode::Recording;
    fe.parser.encodeAhead = encodeAhead;
    fe.parser.recordedWords = InstructionWords{};
}

bool parserReplayStatements(FrontEnd& fe) {
    Parser& p = fe.parser;
    p.recording.rewind();
    p.mode = p.recording.usable() ? ParseMode::Replaying : ParseMode::Reading;
    return p.mode == ParseMode::Replaying;
}

StatementRecording::Plain parserReplayPlain(FrontEnd& fe, int32_t& id) {
    Parser& p = fe.parser;
    if (p.mode != ParseMode::Replaying) return StatementRecording::P_NONE;
    ParseEffects effects;
    const StatementRecording::Plain read = p.recording.nextPlain(effects, id, p.recordedWords);
    if (read == StatementRecording::P_NONE) return read;
    // The scanner, the run and the grammar as parseStatement leaves them after replaying
    // such a statement; only the statement is not written.
    fe.lexer.rejectedString = false;
    fe.lexer.scanLine = effects.scanLine;
    fe.lexer.scanColumn = effects.scanColumn;
    fe.run.lineNumber = effects.scanLine;
    fe.run.columnNumber = effects.scanColumn;
    p.argCollector = effects.argCollector;
    p.la = ParserToken{};
    fe.lexer.escapeMode = 0;
    fe.lexer.stringDataLength = 0;
    return read;
}

void parserReadSource(FrontEnd& fe) {
    fe.parser.recording.clear();
    fe.parser.mode = ParseMode::Reading;
    fe.parser.recordedWords = InstructionWords{};
}

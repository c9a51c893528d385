#include "isa/encoder.h"

#include "core/Statement.h"
#include "isa/instructionFamily.h"
#include "isa/opcodeTable.h"

#include <initializer_list>

namespace {

// The checks an operand may have to pass before anything is written.
enum CheckKind : uint8_t { CHECK_NONE, CHECK_R8, CHECK_R16, CHECK_DIRECT };

struct Check {
    CheckKind kind = CHECK_NONE;
    uint8_t operand = 0; // 0-based
};

// The catalogue code of the first failing check, in the order given (3015 for a range,
// 3014 for forbidden indirection); 0 when all pass.
int runChecks(const Statement& st, std::initializer_list<Check> checks) {
    for (const Check& check : checks) {
        const Operand& op = st.operands[check.operand];
        const int32_t v = op.value;
        bool ok = true;
        switch (check.kind) {
            case CHECK_R8:
                ok = v >= -128 && v <= 255;
                break;
            case CHECK_R16:
                ok = v >= -32768 && v <= 65535;
                break;
            case CHECK_DIRECT:
                ok = op.indirect == 0;
                break;
            case CHECK_NONE:
                break;
        }
        if (!ok) return check.kind == CHECK_DIRECT ? 3014 : 3015;
    }
    return 0;
}

constexpr Check r8(int operand) {
    return {CHECK_R8, static_cast<uint8_t>(operand)};
}
constexpr Check r16(int operand) {
    return {CHECK_R16, static_cast<uint8_t>(operand)};
}
constexpr Check direct(int operand) {
    return {CHECK_DIRECT, static_cast<uint8_t>(operand)};
}

// Field helpers on the 32-bit operand values; all arithmetic is unsigned so that
// negative operands wrap the way the target's two's-complement fields expect.
constexpr uint32_t lo14(uint32_t x) {
    return x & 0x3FFFu;
}
constexpr uint32_t low(uint32_t x) {
    return x & 0xFFFFu;
}
constexpr uint32_t high(uint32_t x) {
    return (x >> 16) & 0xFFFFu;
}
// A name declared weak has the placeholder address 0xFFFF, which must survive intact.
constexpr uint32_t keep14(uint32_t x) {
    return x == 0xFFFFu ? x : lo14(x);
}

// Opcode offsets from a logic/arithmetic base opcode to its shared address-operand
// forms, by size class: two operands (0x5400/0x7400 family) and three (0x5600/0x7600).
constexpr uint32_t kTwoOperandAddressStep[3] = {0x0A00, 0x0800, 0x0600};
constexpr uint32_t kThreeOperandStep[3] = {0x0C00, 0x0A00, 0x0800};

// The words an encoding step fills in; `set` keeps the low 16 bits of each.
struct Words {
    InstructionWords& out;
    void set(std::initializer_list<uint32_t> words) {
        out.count = 0;
        for (uint32_t word : words) out.word[out.count++] = static_cast<uint16_t>(word & 0xFFFFu);
    }
};

// The operands of one instruction, pre-digested for the layouts below.
struct Ops {
    uint32_t a = 0, b = 0, c = 0;    // values as unsigned 32-bit
    int32_t sa = 0, sb = 0, sc = 0;  // the same, signed
    uint32_t ia = 0, ib = 0, ic = 0; // 1 when written in parentheses
    bool memA = false, memB = false, memC = false;
};

Ops digest(const Statement& st) {
    Ops o;
    const Operand* op = st.operands;
    o.sa = op[0].value;
    o.sb = op[1].value;
    o.sc = op[2].value;
    o.a = static_cast<uint32_t>(o.sa);
    o.b = static_cast<uint32_t>(o.sb);
    o.c = static_cast<uint32_t>(o.sc);
    o.ia = op[0].indirect ? 1u : 0u;
    o.ib = op[1].indirect ? 1u : 0u;
    o.ic = op[2].indirect ? 1u : 0u;
    o.memA = isMemoryOperand(op[0]);
    o.memB = isMemoryOperand(op[1]);
    o.memC = isMemoryOperand(op[2]);
    return o;
}

// A jump or call target: the byte address becomes a 17-bit word address, bit 16 in bit 0
// of the opcode word.
void jumpWords(Words& out, uint32_t opcode, int32_t byteAddress) {
    const uint32_t target = static_cast<uint32_t>(byteAddress >> 1);
    out.set({(opcode & ~1u) | ((target >> 16) & 1u), low(target)});
}

// Returns the code of a failed check; otherwise 0 with `out` filled (left empty for a
// form the instruction does not have).
int encodeOne(const OpcodeEntry& e, const Statement& st, const Ops& o, Words& out) {
    const uint32_t op = static_cast<uint32_t>(e.opcode);
    const uint32_t s14 = e.sizeClass >= 0 ? static_cast<uint32_t>(e.sizeClass) << 14 : 0;
    switch (instructionFamily(e.id)) {
        case FAM_WAIT:
            if (const int code = runChecks(st, {direct(0)})) return code;
            out.set({0x0060u | (o.a & 0x1F)});
            break;
        case FAM_INT:
            out.set({0x0040u | (o.a & 7)});
            break;
        case FAM_SP_STEP:
            out.set({op | (o.a & 0xFF)});
            break;
        case FAM_SP_ADDR: {
            // SP_LOAD from memory has an opcode of its own.
            const uint32_t opcode = (e.id == INS_SP_LOAD && o.memA) ? 0x1B00u : op;
            out.set({opcode | o.ia, low(o.a)});
            break;
        }
        case FAM_PUSH:
            if (o.memA)
                out.set({0xF200u | o.ia, lo14(o.a) | s14});
            else if (e.sizeClass == 0)
                out.set({0xE800u | (o.a & 0xFF)});
            else if (e.sizeClass == 1)
                out.set({0xEA00u, low(o.a)});
            else
                out.set({0xEC00u, low(o.a), high(o.a)});
            break;
        case FAM_POP:
            out.set({op | (s14 >> 8) | o.ia, low(o.a)});
            break;
        case FAM_JUMP:
            jumpWords(out, op, o.sa);
            break;
        default:
            break;
    }
    return 0;
}

int encodeTwo(const OpcodeEntry& e, const Statement& st, const Ops& o, Words& out) {
    const uint32_t op = static_cast<uint32_t>(e.opcode);
    const int size = e.sizeClass;
    const uint32_t s14 = size >= 0 ? static_cast<uint32_t>(size) << 14 : 0;
    const uint32_t ia100 = o.ia << 8;
    // The address form shared by the logic and arithmetic families (and shifts, with the
    // second indirect bit one place up).
    auto addressForm = [&](uint32_t opcode, uint32_t ibBit) {
        out.set({opcode | ia100 | (o.ib * ibBit), lo14(o.b) | s14, low(o.a)});
    };
    switch (instructionFamily(e.id)) {
        case FAM_CPYF:
            out.set({0x0100u | ((o.a & 15) << 4) | (o.b & 15)});
            break;
        case FAM_TXL:
            if (const int code = runChecks(st, {direct(1)})) return code;
            out.set({0xFD00u | o.ia, lo14(o.b), lo14(o.a)});
            break;
        case FAM_WRCODE:
            out.set({0xFD20u | o.ib, lo14(o.b), lo14(o.a)});
            break;
        case FAM_SP_RW:
            if (const int code = runChecks(st, {r8(1), direct(0)})) return code;
            out.set({op | (o.b & 0xFF), lo14(o.a) | s14});
            break;
        case FAM_LD:
            if (size == 0) {
                if (const int code = runChecks(st, {r8(1)})) return code;
                out.set({0x2200u | (o.b & 0xFF) | ia100, low(o.a)});
            } else if (size == 1) {
                if (const int code = runChecks(st, {r16(1)})) return code;
                out.set({0x2400u | ia100, low(o.a), low(o.b)});
            } else {
                out.set({0x2600u | ia100, low(o.a), low(o.b), high(o.b)});
            }
            break;
        case FAM_SHIFT:
            if (o.memB)
                addressForm(op + 0x0A00, 2);
            else
                out.set({op | (o.b & 0x1F) | ia100, lo14(o.a) | s14});
            break;
        case FAM_LOGIC:
            if (o.memB) {
                addressForm(op + kTwoOperandAddressStep[size], 1);
            } else if (size == 0) {
                // Six bits of the immediate in W0, the top two in bits 14-15 of W1.
                if (const int code = runChecks(st, {r8(1)})) return code;
                out.set({op | (o.b & 0x3F) | ia100, lo14(o.a) | ((o.b << 8) & 0xC000)});
            } else if (size == 1) {
                if (const int code = runChecks(st, {r16(1)})) return code;
                out.set({op | ia100, low(o.a), low(o.b)});
            } else {
                out.set({op | ia100, low(o.a), low(o.b), high(o.b)});
            }
            break;
        case FAM_ARITH:
            if (o.memB) {
                addressForm(op + kTwoOperandAddressStep[size], 1);
            } else if (size == 0) {
                // The 8-bit form moves ADC, SUB and SBC (operations 1 to 3) into bits
                // 14-15 of W1 and keeps the operation bits of W0 for the immediate.
                if (const int code = runChecks(st, {r8(1)})) return code;
                const uint32_t operation = (op >> 4) & 0xF;
                const uint32_t m = operation < 4 ? operation << 14 : 0;
                out.set({(op & 0xFF00) | (o.b & 0xFF) | ia100, lo14(o.a) | m});
            } else if (size == 1) {
                if (const int code = runChecks(st, {r16(1)})) return code;
                out.set({op | ia100, keep14(o.a), low(o.b)});
            } else {
                out.set({op | ia100, keep14(o.a), low(o.b), high(o.b)});
            }
            break;
        case FAM_INCDEC:
            if (const int code = runChecks(st, {r8(1)})) return code;
            out.set({op | (o.b & 0xFF) | ia100, lo14(o.a) | s14});
            break;
        case FAM_BTST:
            out.set({0x9400u | (o.b & 0x1F) | (o.ia << 9), lo14(o.a) | s14});
            break;
        case FAM_BCLRSET:
            if (const int code = runChecks(st, {r8(1)})) return code;
            out.set({op | (o.b & 0x1F) | (o.ia << 5), lo14(o.a) | s14});
            break;
        case FAM_INV:
            if (o.memB) {
                addressForm(0x4440u, 1);
            } else {
                if (const int code = runChecks(st, {r8(1)})) return code;
                out.set({0x4200u, lo14(o.a) | s14});
            }
            break;
        case FAM_CPY:
            addressForm(0x4400u, 1);
            break;
        case FAM_OUTPORT:
            if (const int code = runChecks(st, {direct(0)})) return code;
            if (o.memB) {
                out.set({0xB400u | (o.a & 0x1FF) | (o.ib << 9), low(o.b)});
            } else {
                if (const int code = runChecks(st, {r8(1)})) return code;
                out.set({0xB000u | (o.a & 0x1FF), low(o.b)});
            }
            break;
        case FAM_PORTLOGIC:
            if (const int code = runChecks(st, {r8(1), direct(0)})) return code;
            out.set({op | (o.a & 0x1FF), low(o.b)});
            break;
        case FAM_INPORT:
            if (const int code = runChecks(st, {direct(0)})) return code;
            out.set({0xBC00u | (o.a & 0x1FF) | (o.ib << 9), low(o.b)});
            break;
        case FAM_PORTTST:
            if (const int code = runChecks(st, {r8(1), direct(0)})) return code;
            out.set({0xC800u | (o.a & 0x1FF), o.b & 0x1F});
            break;
        case FAM_CMP:
            // The compare address form keeps the operands in written order and swaps the
            // places of the two indirect bits.
            if (o.memB) {
                out.set({0xE400u | (o.ib << 8) | o.ia, lo14(o.a) | s14, low(o.b)});
            } else if (size == 0) {
                if (const int code = runChecks(st, {r8(1)})) return code;
                out.set({0xDA00u | (o.b & 0xFF) | ia100, low(o.a)});
            } else if (size == 1) {
                if (const int code = runChecks(st, {r16(1)})) return code;
                out.set({0xDC00u | ia100, low(o.a), low(o.b)});
            } else {
                out.set({0xDE00u | ia100, low(o.a), low(o.b), high(o.b)});
            }
            break;
        default:
            break;
    }
    return 0;
}

int encodeThree(const OpcodeEntry& e, const Statement& st, const Ops& o, Words& out) {
    const uint32_t op = static_cast<uint32_t>(e.opcode);
    const int size = e.sizeClass;
    const uint32_t s14 = size >= 0 ? static_cast<uint32_t>(size) << 14 : 0;
    const uint32_t ia100 = o.ia << 8;
    switch (instructionFamily(e.id)) {
        case FAM_CPYROM:
            if (const int code = runChecks(st, {direct(1)})) return code;
            out.set({0x2C00u | ia100 | (o.c & 0xFF), lo14(o.b), lo14(o.a)});
            break;
        case FAM_CPYMEM: {
            // The count is stored as magnitude and sign: bits 1-7 in W0, bit 0 in bit 15
            // of W1, and bit 14 of W1 set for a count that is not negative.
            const int64_t count = o.sc;
            const uint32_t n = static_cast<uint32_t>(count < 0 ? -count : count) & 0xFFFF;
            const uint32_t sign = count >= 0 ? 0x4000u : 0;
            out.set({0x7C00u | ia100 | o.ib | (n & 0xFE), lo14(o.b) | ((n & 1) << 15) | sign, keep14(o.a)});
            break;
        }
        case FAM_SHIFT:
            if (o.memC) {
                out.set(
                    {(op + 0x0C00) | ia100 | o.ib | (o.ic << 1), lo14(o.c) | s14, keep14(o.b), keep14(o.a)});
            } else {
                // Count bits 1-4 in W0, bit 0 in bit 15 of W2.
                out.set({(op + 0x0200) | ia100 | o.ib | (o.c & 0x1E), lo14(o.b) | s14,
                         lo14(o.a) | ((o.c & 1) << 15)});
            }
            break;
        case FAM_LOGIC:
        case FAM_ARITH:
            // Only memory third operands exist in these families; an immediate third
            // operand has no encoding and writes nothing.
            if (o.memC)
                out.set({(op + kThreeOperandStep[size]) | ia100 | o.ib | (o.ic << 1), lo14(o.b) | s14,
                         low(o.c), low(o.a)});
            break;
        case FAM_BTST:
            out.set({0x9400u | (o.b & 0x1F) | ((o.c & 15) << 5) | (o.ia << 9), lo14(o.a) | s14});
            break;
        case FAM_PORTLOGIC: {
            if (const int code = runChecks(st, {r8(2), direct(0)})) return code;
            const uint32_t opcode = e.id == 154 ? 0xC000u : 0xC400u; // ANDPORT, ORPORT
            out.set({opcode | (o.a & 0x1FF) | (o.ib << 9), low(o.c), low(o.b)});
            break;
        }
        case FAM_PORTTST:
            if (const int code = runChecks(st, {r8(1), direct(0)})) return code;
            out.set({0xC800u | (o.a & 0x1FF), (o.b & 0x1F) | ((o.c & 15) << 5)});
            break;
        default:
            break;
    }
    return 0;
}

} // namespace

int encodeWords(const OpcodeEntry& entry, const Statement& statement, InstructionWords& out) {
    out = InstructionWords{};
    const Ops ops = digest(statement);
    Words words{out};
    int result = 0;
    switch (statement.operandCount) {
        case 0:
            words.set({static_cast<uint32_t>(entry.opcode)});
            break;
        case 1:
            result = encodeOne(entry, statement, ops, words);
            break;
        case 2:
            result = encodeTwo(entry, statement, ops, words);
            break;
        case 3:
            result = encodeThree(entry, statement, ops, words);
            break;
        default:
            break; // no statement carries more operands
    }
    if (result != 0) out = InstructionWords{};
    return result;
}

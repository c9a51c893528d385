// The instruction table: ids, base opcodes, lengths and operand size classes.
#pragma once

#include <cstdint>

struct Statement;

constexpr int kInstructionCount = 245;

struct OpcodeEntry {
    int32_t id;        // InstructionId, equal to the row index
    int32_t opcode;    // base opcode word (low 16 bits)
    int32_t words;     // default length in 16-bit words
    int32_t sizeClass; // 0 8-bit, 1 16-bit, 2 32-bit, -1 none
    const char* name;  // mnemonic as the table names it (SET0, JF3, JUMP_I, ...)
};

// One row per instruction id: {id, base opcode, words, size class, name}. The rows are
// visible to constant expressions: the tables derived from the family table need the
// ids' opcodes, lengths and size classes.
inline constexpr OpcodeEntry kOpcodeTable[kInstructionCount] = {
    {0, 0x0000, 1, -1, "NOP"},       {1, 0x0001, 1, -1, "HALT"},      {2, 0x0002, 1, -1, "WAIT"},
    {3, 0x0003, 1, -1, "STOP"},      {4, 0x0004, 1, -1, "PUSHF"},     {5, 0x0005, 1, -1, "POPF"},
    {6, 0x0006, 1, -1, "RTS"},       {7, 0x0007, 1, -1, "IRET"},      {8, 0x0041, 1, -1, "INTD"},
    {9, 0x0042, 1, -1, "INTT"},      {10, 0x000C, 1, -1, "DRET"},     {11, 0x0010, 1, -1, "HCF"},
    {12, 0x0020, 1, -1, "SAVEF"},    {13, 0x0030, 1, -1, "SWAPF"},    {14, 0x0040, 1, -1, "INT"},
    {15, 0x0080, 1, -1, "SETZ"},     {16, 0x0081, 1, -1, "SETC"},     {17, 0x0082, 1, -1, "SETO"},
    {18, 0x0083, 1, -1, "SETS"},     {19, 0x0084, 1, -1, "SETI"},     {20, 0x0085, 1, -1, "SETD"},
    {21, 0x0086, 1, -1, "SETT"},     {22, 0x0087, 1, -1, "SETH"},     {23, 0x0088, 1, -1, "SET0"},
    {24, 0x0089, 1, -1, "SET1"},     {25, 0x008A, 1, -1, "SET2"},     {26, 0x008B, 1, -1, "SET3"},
    {27, 0x008C, 1, -1, "SET4"},     {28, 0x008D, 1, -1, "SET5"},     {29, 0x008E, 1, -1, "SET6"},
    {30, 0x008F, 1, -1, "SET7"},     {31, 0x00C0, 1, -1, "CLRZ"},     {32, 0x00C1, 1, -1, "CLRC"},
    {33, 0x00C2, 1, -1, "CLRO"},     {34, 0x00C3, 1, -1, "CLRS"},     {35, 0x00C4, 1, -1, "CLRI"},
    {36, 0x00C5, 1, -1, "CLRD"},     {37, 0x00C6, 1, -1, "CLRT"},     {38, 0x00C7, 1, -1, "CLRH"},
    {39, 0x00C8, 1, -1, "CLR0"},     {40, 0x00C9, 1, -1, "CLR1"},     {41, 0x00CA, 1, -1, "CLR2"},
    {42, 0x00CB, 1, -1, "CLR3"},     {43, 0x00CC, 1, -1, "CLR4"},     {44, 0x00CD, 1, -1, "CLR5"},
    {45, 0x00CE, 1, -1, "CLR6"},     {46, 0x00CF, 1, -1, "CLR7"},     {47, 0x0100, 1, -1, "CPYF"},
    {48, 0xFD00, 3, -1, "TXL"},      {49, 0xFD20, 3, -1, "WRCODE"},   {50, 0x0A00, 2, -1, "SP_LOAD"},
    {51, 0x0800, 1, -1, "SP_INC"},   {52, 0x0900, 1, -1, "SP_DEC"},   {53, 0x1200, 2, 0, "SP_WR8"},
    {54, 0x1200, 2, 1, "SP_WR16"},   {55, 0x1200, 2, 2, "SP_WR32"},   {56, 0x1300, 2, 0, "SP_RD8"},
    {57, 0x1300, 2, 1, "SP_RD16"},   {58, 0x1300, 2, 2, "SP_RD32"},   {59, 0x1A00, 2, -1, "SP_STORE"},
    {60, 0x0A00, 2, -1, "SP_LOAD"},  {61, 0xE800, 1, 0, "PUSH8"},     {62, 0xEA00, 2, 1, "PUSH16"},
    {63, 0xEC00, 3, 2, "PUSH32"},    {64, 0xF300, 2, 0, "POP8"},      {65, 0xF340, 2, 1, "POP16"},
    {66, 0xF380, 2, 2, "POP32"},     {67, 0x2200, 2, 0, "LD8"},       {68, 0x2400, 3, 1, "LD16"},
    {69, 0x2600, 4, 2, "LD32"},      {70, 0x2C00, 3, -1, "CPYROM"},   {71, 0x7C00, 3, -1, "CPYMEM"},
    {72, 0x3200, 2, 0, "SHR8"},      {73, 0x3200, 2, 1, "SHR16"},     {74, 0x3200, 2, 2, "SHR32"},
    {75, 0x3220, 2, 0, "SHL8"},      {76, 0x3220, 2, 1, "SHL16"},     {77, 0x3220, 2, 2, "SHL32"},
    {78, 0x3240, 2, 0, "SAR8"},      {79, 0x3240, 2, 1, "SAR16"},     {80, 0x3240, 2, 2, "SAR32"},
    {81, 0x3260, 2, 0, "SAL8"},      {82, 0x3260, 2, 1, "SAL16"},     {83, 0x3260, 2, 2, "SAL32"},
    {84, 0x3280, 2, 0, "ROR8"},      {85, 0x3280, 2, 1, "ROR16"},     {86, 0x3280, 2, 2, "ROR32"},
    {87, 0x32A0, 2, 0, "ROL8"},      {88, 0x32A0, 2, 1, "ROL16"},     {89, 0x32A0, 2, 2, "ROL32"},
    {90, 0x32C0, 2, 0, "RORC8"},     {91, 0x32C0, 2, 1, "RORC16"},    {92, 0x32C0, 2, 2, "RORC32"},
    {93, 0x32E0, 2, 0, "ROLC8"},     {94, 0x32E0, 2, 1, "ROLC16"},    {95, 0x32E0, 2, 2, "ROLC32"},
    {96, 0x4A00, 2, 0, "AND8"},      {97, 0x4C00, 3, 1, "AND16"},     {98, 0x4E00, 4, 2, "AND32"},
    {99, 0x4A40, 2, 0, "OR8"},       {100, 0x4C40, 3, 1, "OR16"},     {101, 0x4E40, 4, 2, "OR32"},
    {102, 0x4A80, 2, 0, "XOR8"},     {103, 0x4C80, 3, 1, "XOR16"},    {104, 0x4E80, 4, 2, "XOR32"},
    {105, 0x4AC0, 2, 0, "XNOR8"},    {106, 0x4CC0, 3, 1, "XNOR16"},   {107, 0x4EC0, 4, 2, "XNOR32"},
    {108, 0x6A00, 2, 0, "ADD8"},     {109, 0x6C00, 3, 1, "ADD16"},    {110, 0x6E00, 4, 2, "ADD32"},
    {111, 0x6A10, 2, 0, "ADC8"},     {112, 0x6C10, 3, 1, "ADC16"},    {113, 0x6E10, 4, 2, "ADC32"},
    {114, 0x6A20, 2, 0, "SUB8"},     {115, 0x6C20, 3, 1, "SUB16"},    {116, 0x6E20, 4, 2, "SUB32"},
    {117, 0x6A30, 2, 0, "SBC8"},     {118, 0x6C30, 3, 1, "SBC16"},    {119, 0x6E30, 4, 2, "SBC32"},
    {120, 0x6A40, 2, 0, "MUL8"},     {121, 0x6C40, 3, 1, "MUL16"},    {122, 0x6E40, 4, 2, "MUL32"},
    {123, 0x6A50, 2, 0, "DIV8"},     {124, 0x6C50, 3, 1, "DIV16"},    {125, 0x6E50, 4, 2, "DIV32"},
    {126, 0x6A60, 2, 0, "REM8"},     {127, 0x6C60, 3, 1, "REM16"},    {128, 0x6E60, 4, 2, "REM32"},
    {129, 0x6A70, 2, 0, "NEG8"},     {130, 0x6C70, 3, 1, "NEG16"},    {131, 0x6E70, 4, 2, "NEG32"},
    {132, 0x8200, 2, 0, "INC8"},     {133, 0x8200, 2, 1, "INC16"},    {134, 0x8200, 2, 2, "INC32"},
    {135, 0x8A00, 2, 0, "DEC8"},     {136, 0x8A00, 2, 1, "DEC16"},    {137, 0x8A00, 2, 2, "DEC32"},
    {138, 0x9400, 2, 0, "BTST8"},    {139, 0x9400, 2, 1, "BTST16"},   {140, 0x9400, 2, 2, "BTST32"},
    {141, 0xA200, 2, 0, "BCLR8"},    {142, 0xA200, 2, 1, "BCLR16"},   {143, 0xA200, 2, 2, "BCLR32"},
    {144, 0xA280, 2, 0, "BSET8"},    {145, 0xA280, 2, 1, "BSET16"},   {146, 0xA280, 2, 2, "BSET32"},
    {147, 0x4200, 2, 0, "INV8"},     {148, 0x4200, 2, 1, "INV16"},    {149, 0x4200, 2, 2, "INV32"},
    {150, 0x4400, 3, 0, "CPY8"},     {151, 0x4400, 3, 1, "CPY16"},    {152, 0x4400, 3, 2, "CPY32"},
    {153, 0xB000, 2, -1, "OUTPORT"}, {154, 0xB800, 2, -1, "ANDPORT"}, {155, 0xBA00, 2, -1, "ORPORT"},
    {156, 0xBC00, 2, -1, "INPORT"},  {157, 0xC800, 2, -1, "PORTTST"}, {158, 0xDA00, 2, 0, "CMP8"},
    {159, 0xDC00, 3, 1, "CMP16"},    {160, 0xDE00, 4, 2, "CMP32"},    {161, 0xFA00, 2, -1, "JUMP"},
    {162, 0xFA08, 2, -1, "JUMP_I"},  {163, 0xFA10, 2, -1, "JGT"},     {164, 0xFA12, 2, -1, "JGTS"},
    {165, 0xFA14, 2, -1, "JGE"},     {166, 0xFA16, 2, -1, "JGES"},    {167, 0xFA18, 2, -1, "JLT"},
    {168, 0xFA1A, 2, -1, "JLTS"},    {169, 0xFA1C, 2, -1, "JLE"},     {170, 0xFA1E, 2, -1, "JLES"},
    {171, 0xFA40, 2, -1, "JNZ"},     {172, 0xFA42, 2, -1, "JNC"},     {173, 0xFA44, 2, -1, "JNO"},
    {174, 0xFA46, 2, -1, "JNS"},     {175, 0xFA48, 2, -1, "JNI"},     {176, 0xFA4A, 2, -1, "JND"},
    {177, 0xFA4C, 2, -1, "JNT"},     {178, 0xFA4E, 2, -1, "JNH"},     {179, 0xFA50, 2, -1, "JNF0"},
    {180, 0xFA52, 2, -1, "JNF1"},    {181, 0xFA54, 2, -1, "JNF2"},    {182, 0xFA56, 2, -1, "JNF3"},
    {183, 0xFA58, 2, -1, "JNF4"},    {184, 0xFA5A, 2, -1, "JNF5"},    {185, 0xFA5C, 2, -1, "JNF6"},
    {186, 0xFA5E, 2, -1, "JNF7"},    {187, 0xFA60, 2, -1, "JZ"},      {188, 0xFA62, 2, -1, "JC"},
    {189, 0xFA64, 2, -1, "JO"},      {190, 0xFA66, 2, -1, "JS"},      {191, 0xFA68, 2, -1, "JI"},
    {192, 0xFA6A, 2, -1, "JD"},      {193, 0xFA6C, 2, -1, "JT"},      {194, 0xFA6E, 2, -1, "JH"},
    {195, 0xFA70, 2, -1, "JF0"},     {196, 0xFA72, 2, -1, "JF1"},     {197, 0xFA74, 2, -1, "JF2"},
    {198, 0xFA76, 2, -1, "JF3"},     {199, 0xFA78, 2, -1, "JF4"},     {200, 0xFA7A, 2, -1, "JF5"},
    {201, 0xFA7C, 2, -1, "JF6"},     {202, 0xFA7E, 2, -1, "JF7"},     {203, 0xFA80, 2, -1, "CALL"},
    {204, 0xFA88, 2, -1, "CALL"},    {205, 0xFA90, 2, -1, "CALLGT"},  {206, 0xFA92, 2, -1, "CALLGTS"},
    {207, 0xFA94, 2, -1, "CALLGE"},  {208, 0xFA96, 2, -1, "CALLGES"}, {209, 0xFA98, 2, -1, "CALLLT"},
    {210, 0xFA9A, 2, -1, "CALLLTS"}, {211, 0xFA9C, 2, -1, "CALLLE"},  {212, 0xFA9E, 2, -1, "CALLLES"},
    {213, 0xFAC0, 2, -1, "CALLNZ"},  {214, 0xFAC2, 2, -1, "CALLNC"},  {215, 0xFAC4, 2, -1, "CALLNO"},
    {216, 0xFAC6, 2, -1, "CALLNS"},  {217, 0xFAC8, 2, -1, "CALLNI"},  {218, 0xFACA, 2, -1, "CALLND"},
    {219, 0xFACC, 2, -1, "CALLNT"},  {220, 0xFACE, 2, -1, "CALLNH"},  {221, 0xFAD0, 2, -1, "CALLN0"},
    {222, 0xFAD2, 2, -1, "CALLN1"},  {223, 0xFAD4, 2, -1, "CALLN2"},  {224, 0xFAD6, 2, -1, "CALLN3"},
    {225, 0xFAD8, 2, -1, "CALLN4"},  {226, 0xFADA, 2, -1, "CALLN5"},  {227, 0xFADC, 2, -1, "CALLN6"},
    {228, 0xFADE, 2, -1, "CALLN7"},  {229, 0xFAE0, 2, -1, "CALLZ"},   {230, 0xFAE2, 2, -1, "CALLC"},
    {231, 0xFAE4, 2, -1, "CALLO"},   {232, 0xFAE6, 2, -1, "CALLS"},   {233, 0xFAE8, 2, -1, "CALLI"},
    {234, 0xFAEA, 2, -1, "CALLD"},   {235, 0xFAEC, 2, -1, "CALLT"},   {236, 0xFAEE, 2, -1, "CALLH"},
    {237, 0xFAF0, 2, -1, "CALL0"},   {238, 0xFAF2, 2, -1, "CALL1"},   {239, 0xFAF4, 2, -1, "CALL2"},
    {240, 0xFAF6, 2, -1, "CALL3"},   {241, 0xFAF8, 2, -1, "CALL4"},   {242, 0xFAFA, 2, -1, "CALL5"},
    {243, 0xFAFC, 2, -1, "CALL6"},   {244, 0xFAFE, 2, -1, "CALL7"},
};

// The entry of an id, or null outside 0..244.
const OpcodeEntry* lookupOpcodeTable(int id);

// Length of an instruction statement in 16-bit words; -1 when the id has no entry or
// its family no layout for the operands.
int instructionSize(const Statement& statement);

// Ids the rest of the assembler names.
enum InstructionIdConstants {
    INS_NOP = 0,
    INS_WAIT = 2,
    INS_INT = 14,
    INS_CPYF = 47,
    INS_TXL = 48,
    INS_WRCODE = 49,
    INS_SP_LOAD_IMM = 50,
    INS_SP_LOAD = 60,
    INS_ANDPORT = 154,
    INS_ORPORT = 155,
    INS_JUMP = 161,
    INS_JUMP_I = 162,
    INS_CALL = 203,
    INS_CALL_I = 204,
    INS_LAST = 244,
};

// VxCORE: 16-bit program words in byte-addressed program memory, with the
// optional extended instruction set.
#include <cstdio>
#include <cstring>
#include "target/inst_table.h"

namespace {

constexpr int8_t __ = -1;

constexpr inst_field f = field(OPK_FILE, 7, 0);
constexpr inst_field d = field(OPK_DEST, 9, 9);
constexpr inst_field a = field(OPK_ACCESS, 8, 8);
constexpr inst_field b = field(OPK_BIT, 11, 9);
constexpr inst_field k = field(OPK_LIT, 7, 0);
constexpr inst_field n8 = field(OPK_BRANCH, 7, 0);
constexpr inst_field n11 = field(OPK_BRANCH, 10, 0);
constexpr inst_field addr = field(OPK_ADDRESS, 7, 0); // low bits of a CALL/GOTO target
constexpr inst_field s8 = field(OPK_FAST, 8, 8);
constexpr inst_field s0 = field(OPK_FAST, 0, 0);
constexpr inst_field fsr76 = field(OPK_FSR, 7, 6);
constexpr inst_field fsr54 = field(OPK_FSR, 5, 4);
constexpr inst_field k6 = field(OPK_LIT, 5, 0);
constexpr inst_field khigh = field(OPK_LIT, 3, 0);
constexpr inst_field src12 = field(OPK_FILE, 11, 0);
constexpr inst_field off7 = field(OPK_LIT, 6, 0);
constexpr inst_field v12 = field(OPK_LIT, 11, 0);
constexpr inst_field no = NO_FIELD;

constexpr bool X = true;

// type, fixed bits, operands one to three, relocations of operands one to
// three, WORD2 operand and relocation, extended set.
constexpr inst_row rows[] = {
    {IT_ADDFSR,       0xE800, {fsr76, k6, no}, {__, __, __}, __, __, X},
    {IT_ADDLW,        0x0F00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_ADDULNK,      0xE8C0, {k6, no, no},    {__, __, __}, __, __, X},
    {IT_ADDWF,        0x2400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_ADDWFC,       0x2000, {f, d, a},       {10, __, __}, __, __, false},
    {IT_ANDLW,        0x0B00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_ANDWF,        0x1400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_BC,           0xE200, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BCF,          0x9000, {f, b, a},       {10, __, __}, __, __, false},
    {IT_BN,           0xE600, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BNC,          0xE300, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BNN,          0xE700, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BNOV,         0xE500, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BNZ,          0xE100, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BOV,          0xE400, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_BRA,          0xD000, {n11, no, no},   {19, __, __}, __, __, false},
    {IT_BSF,          0x8000, {f, b, a},       {10, __, __}, __, __, false},
    {IT_BTFSC,        0xB000, {f, b, a},       {10, __, __}, __, __, false},
    {IT_BTFSS,        0xA000, {f, b, a},       {10, __, __}, __, __, false},
    {IT_BTG,          0x7000, {f, b, a},       {10, __, __}, __, __, false},
    {IT_BZ,           0xE000, {n8, no, no},    {20, __, __}, __, __, false},
    {IT_CALL,         0xEC00, {addr, s8, no},  {1, __, __},  1, 14, false},
    {IT_CALLW,        0x0014, {no, no, no},    {__, __, __}, __, __, X},
    {IT_CLRF,         0x6A00, {f, a, no},      {10, __, __}, __, __, false},
    {IT_CLRWDT,       0x0004, {no, no, no},    {__, __, __}, __, __, false},
    {IT_COMF,         0x1C00, {f, d, a},       {10, __, __}, __, __, false},
    {IT_CPFSEQ,       0x6200, {f, a, no},      {10, __, __}, __, __, false},
    {IT_CPFSGT,       0x6400, {f, a, no},      {10, __, __}, __, __, false},
    {IT_CPFSLT,       0x6000, {f, a, no},      {10, __, __}, __, __, false},
    {IT_DAW,          0x0007, {no, no, no},    {__, __, __}, __, __, false},
    {IT_DCFSNZ,       0x4C00, {f, d, a},       {10, __, __}, __, __, false},
    {IT_DECF,         0x0400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_DECFSZ,       0x2C00, {f, d, a},       {10, __, __}, __, __, false},
    {IT_GOTO,         0xEF00, {addr, no, no},  {2, __, __},  1, 14, false},
    {IT_HALT,         0x0001, {no, no, no},    {__, __, __}, __, __, false},
    {IT_INCF,         0x2800, {f, d, a},       {10, __, __}, __, __, false},
    {IT_INCFSZ,       0x3C00, {f, d, a},       {10, __, __}, __, __, false},
    {IT_INFSNZ,       0x4800, {f, d, a},       {10, __, __}, __, __, false},
    {IT_IORLW,        0x0900, {k, no, no},     {10, __, __}, __, __, false},
    {IT_IORWF,        0x1000, {f, d, a},       {10, __, __}, __, __, false},
    {IT_LFSR,         0xEE00, {fsr54, khigh, no}, {__, 17, __}, 2, 18, false},
    {IT_LOG,          0x0021, {no, no, no},    {__, __, __}, __, __, false},
    {IT_MOVF,         0x5000, {f, d, a},       {10, __, __}, __, __, false},
    {IT_MOVFF,        0xC000, {src12, no, no}, {15, __, __}, 2, 16, false},
    {IT_MOVLB,        0x0100, {k, no, no},     {13, __, __}, __, __, false},
    {IT_MOVLW,        0x0E00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_MOVSF,        0xEB00, {off7, no, no},  {__, __, __}, 2, 16, X},
    {IT_MOVSS,        0xEB80, {off7, no, no},  {__, __, __}, 2, __, X},
    {IT_MOVWF,        0x6E00, {f, a, no},      {10, __, __}, __, __, false},
    {IT_MULLW,        0x0D00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_MULWF,        0x0200, {f, a, no},      {10, __, __}, __, __, false},
    {IT_NEGF,         0x6C00, {f, a, no},      {10, __, __}, __, __, false},
    {IT_NOP,          0x0000, {no, no, no},    {__, __, __}, __, __, false},
    {IT_PAUSE,        0x0022, {no, no, no},    {__, __, __}, __, __, false},
    {IT_POP,          0x0006, {no, no, no},    {__, __, __}, __, __, false},
    {IT_PUSH,         0x0005, {no, no, no},    {__, __, __}, __, __, false},
    {IT_PUSHL,        0xEA00, {k, no, no},     {4, __, __},  __, __, X},
    {IT_RCALL,        0xD800, {n11, no, no},   {19, __, __}, 0, __, false},
    {IT_RESET,        0x00FF, {no, no, no},    {__, __, __}, __, __, false},
    {IT_RETFIE,       0x0010, {s0, no, no},    {__, __, __}, __, __, false},
    {IT_RETLW,        0x0C00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_RETURN,       0x0012, {s0, no, no},    {__, __, __}, __, __, false},
    {IT_RLCF,         0x3400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_RLNCF,        0x4400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_RRCF,         0x3000, {f, d, a},       {10, __, __}, __, __, false},
    {IT_RRNCF,        0x4000, {f, d, a},       {10, __, __}, __, __, false},
    {IT_SETF,         0x6800, {f, a, no},      {10, __, __}, __, __, false},
    {IT_SLEEP,        0x0003, {no, no, no},    {__, __, __}, __, __, false},
    {IT_STOP,         0x0020, {no, no, no},    {__, __, __}, __, __, false},
    {IT_SUBFSR,       0xE900, {fsr76, k6, no}, {__, __, __}, __, __, X},
    {IT_SUBFWB,       0x5400, {f, d, a},       {10, __, __}, __, __, false},
    {IT_SUBLW,        0x0800, {k, no, no},     {10, __, __}, __, __, false},
    {IT_SUBULNK,      0xE9C0, {k6, no, no},    {__, __, __}, __, __, X},
    {IT_SUBWF,        0x5C00, {f, d, a},       {10, __, __}, __, __, false},
    {IT_SUBWFB,       0x5800, {f, d, a},       {10, __, __}, __, __, false},
    {IT_SWAPF,        0x3800, {f, d, a},       {10, __, __}, __, __, false},
    {IT_TBLRD,        0x0008, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLRDPOSTDEC, 0x000A, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLRDPOSTINC, 0x0009, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLRDPREINC,  0x000B, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLWT,        0x000C, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLWTPOSTDEC, 0x000E, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLWTPOSTINC, 0x000D, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TBLWTPREINC,  0x000F, {no, no, no},    {__, __, __}, __, __, false},
    {IT_TRAP,         0x00E0, {no, no, no},    {__, __, __}, 0, __, false},
    {IT_TRET,         0x00E1, {no, no, no},    {__, __, __}, 0, __, false},
    {IT_TSTFSZ,       0x6600, {f, a, no},      {10, __, __}, __, __, false},
    {IT_WORD2,        0xF000, {v12, no, no},   {__, __, __}, __, __, false},
    {IT_XORLW,        0x0A00, {k, no, no},     {10, __, __}, __, __, false},
    {IT_XORWF,        0x1800, {f, d, a},       {10, __, __}, __, __, false},
};

// The decoding order matters: the extended forms share high bytes with
// each other, and WORD2 must win over everything in 0xFxxx.
constexpr inst_pattern patterns[] = {
    {0xF000, 0xF000, IT_WORD2},
    {0xFF00, 0xEF00, IT_GOTO},    {0xFFC0, 0xEE00, IT_LFSR},    {0xFE00, 0xEC00, IT_CALL},
    {0xFF80, 0xEB80, IT_MOVSS},   {0xFF80, 0xEB00, IT_MOVSF},   {0xFF00, 0xEA00, IT_PUSHL},
    {0xFFC0, 0xE9C0, IT_SUBULNK}, {0xFF00, 0xE900, IT_SUBFSR},  {0xFFC0, 0xE8C0, IT_ADDULNK},
    {0xFF00, 0xE800, IT_ADDFSR},
    {0xFF00, 0xE700, IT_BNN},     {0xFF00, 0xE600, IT_BN},      {0xFF00, 0xE500, IT_BNOV},
    {0xFF00, 0xE400, IT_BOV},     {0xFF00, 0xE300, IT_BNC},     {0xFF00, 0xE200, IT_BC},
    {0xFF00, 0xE100, IT_BNZ},     {0xFF00, 0xE000, IT_BZ},
    {0xF800, 0xD800, IT_RCALL},   {0xF800, 0xD000, IT_BRA},
    {0xF000, 0xC000, IT_MOVFF},   {0xF000, 0xB000, IT_BTFSC},   {0xF000, 0xA000, IT_BTFSS},
    {0xF000, 0x9000, IT_BCF},     {0xF000, 0x8000, IT_BSF},     {0xF000, 0x7000, IT_BTG},
    {0xFE00, 0x6E00, IT_MOVWF},   {0xFE00, 0x6C00, IT_NEGF},    {0xFE00, 0x6A00, IT_CLRF},
    {0xFE00, 0x6800, IT_SETF},    {0xFE00, 0x6600, IT_TSTFSZ},  {0xFE00, 0x6400, IT_CPFSGT},
    {0xFE00, 0x6200, IT_CPFSEQ},  {0xFE00, 0x6000, IT_CPFSLT},
    {0xFC00, 0x5C00, IT_SUBWF},   {0xFC00, 0x5800, IT_SUBWFB},  {0xFC00, 0x5400, IT_SUBFWB},
    {0xFC00, 0x5000, IT_MOVF},    {0xFC00, 0x4C00, IT_DCFSNZ},  {0xFC00, 0x4800, IT_INFSNZ},
    {0xFC00, 0x4400, IT_RLNCF},   {0xFC00, 0x4000, IT_RRNCF},   {0xFC00, 0x3C00, IT_INCFSZ},
    {0xFC00, 0x3800, IT_SWAPF},   {0xFC00, 0x3400, IT_RLCF},    {0xFC00, 0x3000, IT_RRCF},
    {0xFC00, 0x2C00, IT_DECFSZ},  {0xFC00, 0x2800, IT_INCF},    {0xFC00, 0x2400, IT_ADDWF},
    {0xFC00, 0x2000, IT_ADDWFC},  {0xFC00, 0x1C00, IT_COMF},    {0xFC00, 0x1800, IT_XORWF},
    {0xFC00, 0x1400, IT_ANDWF},   {0xFC00, 0x1000, IT_IORWF},
    {0xFF00, 0x0F00, IT_ADDLW},   {0xFF00, 0x0E00, IT_MOVLW},   {0xFF00, 0x0D00, IT_MULLW},
    {0xFF00, 0x0C00, IT_RETLW},   {0xFF00, 0x0B00, IT_ANDLW},   {0xFF00, 0x0A00, IT_XORLW},
    {0xFF00, 0x0900, IT_IORLW},   {0xFF00, 0x0800, IT_SUBLW},
    {0xFC00, 0x0400, IT_DECF},    {0xFE00, 0x0200, IT_MULWF},   {0xFF00, 0x0100, IT_MOVLB},
    {0xFFFF, 0x00FF, IT_RESET},   {0xFFFF, 0x00E1, IT_TRET},    {0xFFFF, 0x00E0, IT_TRAP},
    {0xFFFF, 0x0022, IT_PAUSE},   {0xFFFF, 0x0021, IT_LOG},     {0xFFFF, 0x0020, IT_STOP},
    {0xFFFF, 0x0014, IT_CALLW},
    {0xFFFE, 0x0012, IT_RETURN},  {0xFFFE, 0x0010, IT_RETFIE},
    {0xFFFF, 0x000F, IT_TBLWTPREINC},  {0xFFFF, 0x000E, IT_TBLWTPOSTDEC},
    {0xFFFF, 0x000D, IT_TBLWTPOSTINC}, {0xFFFF, 0x000C, IT_TBLWT},
    {0xFFFF, 0x000B, IT_TBLRDPREINC},  {0xFFFF, 0x000A, IT_TBLRDPOSTDEC},
    {0xFFFF, 0x0009, IT_TBLRDPOSTINC}, {0xFFFF, 0x0008, IT_TBLRD},
    {0xFFFF, 0x0007, IT_DAW},     {0xFFFF, 0x0006, IT_POP},     {0xFFFF, 0x0005, IT_PUSH},
    {0xFFFF, 0x0004, IT_CLRWDT},  {0xFFFF, 0x0003, IT_SLEEP},   {0xFFFF, 0x0001, IT_HALT},
    {0xFFFF, 0x0000, IT_NOP},
};

} // namespace

const inst_family family_VxCORE = {0xFFFF, rows, std::size(rows), patterns, std::size(patterns),
                                   index_rows(rows)};

// The part of a two-word instruction that its WORD2 holds, as printed.
static unsigned long second_part(unsigned type, uint16_t word, uint16_t word2) {
    unsigned high = word2 & 0xFFF;
    switch (type) {
    case IT_CALL:
    case IT_GOTO: return ((static_cast<unsigned long>(high) << 8) | (word & 0xFF)) * 2;
    case IT_LFSR: return ((word & 0xFu) << 8) | (word2 & 0xFF);
    case IT_MOVSS: return word2 & 0x7F;
    default: return high;
    }
}

const char *disasm_VxCORE(unsigned long address, uint16_t word, uint16_t next_word, int *words_used,
                          int extended) {
    const inst_row &row = inst_row_of(family_VxCORE, inst_decode(family_VxCORE, word));
    if (row.word2_arg <= 0 && !extended)
        return disasm_plain(family_VxCORE, address, word, words_used);

    const inst_field *access = nullptr;
    for (const inst_field &fld : row.op)
        if (fld.kind == OPK_ACCESS)
            access = &fld;
    bool indexed = extended && access && ((word >> access->shift) & 1) == 0 && (word & 0xFF) <= 0x5F;
    if (row.word2_arg <= 0 && !indexed)
        return disasm_plain(family_VxCORE, address, word, words_used);

    snprintf(disasm_text, sizeof disasm_text, "%-10s", getInstName(row.type));
    bool paired = isOpcodeValid_VxCORE(next_word, extended) && getInstType_VxCORE(next_word) == IT_WORD2;
    int used = 1;
    bool first = true;
    auto put = [&](unsigned long value, bool brackets) {
        disasm_append(disasm_text, sizeof disasm_text, first, value, brackets);
        first = false;
    };

    if (indexed) {
        for (const inst_field &fld : row.op) {
            if (fld.width == 0 || fld.kind == OPK_ACCESS)
                continue;
            put((word >> fld.shift) & fld.mask(), fld.kind == OPK_FILE);
        }
    } else if (row.type == IT_CALL || row.type == IT_GOTO || row.type == IT_LFSR) {
        // The WORD2 completes an operand of the first word.
        unsigned carried = static_cast<unsigned>(row.word2_arg - 1);
        for (unsigned i = 0; i < 3; ++i) {
            const inst_field &fld = row.op[i];
            if (fld.width == 0)
                continue;
            if (i != carried) {
                put((word >> fld.shift) & fld.mask(), false);
            } else if (paired) {
                put(second_part(row.type, word, next_word), false);
                used = 2;
            } else {
                disasm_append_missing(disasm_text, sizeof disasm_text, first);
                first = false;
            }
        }
    } else {
        // MOVFF, MOVSF, MOVSS: the WORD2 holds the destination.
        put((word >> row.op[0].shift) & row.op[0].mask(), false);
        if (paired) {
            put(second_part(row.type, word, next_word), false);
            used = 2;
        } else {
            disasm_append_missing(disasm_text, sizeof disasm_text, first);
        }
    }
    if (words_used)
        *words_used = used;
    return disasm_text;
}

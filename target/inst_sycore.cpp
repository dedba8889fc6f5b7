// SyCORE: 16-bit program words, 8-bit file addresses, 13-bit CALL/GOTO
// targets, peripheral moves and table latches.
#include "target/inst_table.h"

namespace {

constexpr int8_t __ = -1;

constexpr inst_field f = field(OPK_FILE, 7, 0);
constexpr inst_field d = field(OPK_DEST, 8, 8);
constexpr inst_field s = field(OPK_DEST, 8, 8); // 0: also write WREG
constexpr inst_field b = field(OPK_BIT, 10, 8);
constexpr inst_field k = field(OPK_LIT, 7, 0);
constexpr inst_field addr = field(OPK_ADDRESS, 12, 0);
constexpr inst_field bank = field(OPK_LIT, 3, 0);
constexpr inst_field reg_bank = field(OPK_LIT, 7, 4);
constexpr inst_field p = field(OPK_FILE, 12, 8);
constexpr inst_field t = field(OPK_LIT, 9, 9); // table latch: 0 low byte, 1 high byte
constexpr inst_field i = field(OPK_LIT, 8, 8); // table pointer increment
constexpr inst_field no = NO_FIELD;

constexpr inst_row rows[] = {
    {IT_ADDLW,  0xB100, {k, no, no},    {10, __, __}, __, __, false},
    {IT_ADDWF,  0x0E00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_ADDWFC, 0x1000, {f, d, no},     {__, __, __}, __, __, false},
    {IT_ANDLW,  0xB500, {k, no, no},    {__, __, __}, __, __, false},
    {IT_ANDWF,  0x0A00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_BCF,    0x8800, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BSF,    0x8000, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BTFSC,  0x9800, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BTFSS,  0x9000, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BTG,    0x3800, {f, b, no},     {__, __, __}, __, __, false},
    {IT_CALL,   0xE000, {addr, no, no}, {__, __, __}, __, __, false},
    {IT_CLRF,   0x2800, {f, s, no},     {__, __, __}, __, __, false},
    {IT_CLRWDT, 0x0004, {no, no, no},   {__, __, __}, __, __, false},
    {IT_COMF,   0x1200, {f, d, no},     {__, __, __}, __, __, false},
    {IT_CPFSEQ, 0x3100, {f, no, no},    {__, __, __}, __, __, false},
    {IT_CPFSGT, 0x3200, {f, no, no},    {__, __, __}, __, __, false},
    {IT_CPFSLT, 0x3000, {f, no, no},    {__, __, __}, __, __, false},
    {IT_DAW,    0x2E00, {f, s, no},     {__, __, __}, __, __, false},
    {IT_DCFSNZ, 0x2600, {f, d, no},     {__, __, __}, __, __, false},
    {IT_DECF,   0x0600, {f, d, no},     {__, __, __}, __, __, false},
    {IT_DECFSZ, 0x1600, {f, d, no},     {__, __, __}, __, __, false},
    {IT_GOTO,   0xC000, {addr, no, no}, {__, __, __}, __, __, false},
    {IT_INCF,   0x1400, {f, d, no},     {__, __, __}, __, __, false},
    {IT_INCFSZ, 0x1E00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_INFSNZ, 0x2400, {f, d, no},     {__, __, __}, __, __, false},
    {IT_IORLW,  0xB300, {k, no, no},    {__, __, __}, __, __, false},
    {IT_IORWF,  0x0800, {f, d, no},     {__, __, __}, __, __, false},
    {IT_LCALL,  0xB700, {k, no, no},    {__, __, __}, __, __, false},
    {IT_LOG,    0x0021, {no, no, no},   {__, __, __}, __, __, false},
    {IT_MOVFP,  0x6000, {f, p, no},     {__, __, __}, __, __, false},
    {IT_MOVLB,  0xB800, {bank, no, no}, {__, __, __}, __, __, false},
    {IT_MOVLR,  0xBA00, {reg_bank, no, no}, {__, __, __}, __, __, false},
    {IT_MOVLW,  0xB000, {k, no, no},    {__, __, __}, __, __, false},
    {IT_MOVPF,  0x4000, {p, f, no},     {__, __, __}, __, __, false},
    {IT_MOVWF,  0x0100, {f, no, no},    {__, __, __}, __, __, false},
    {IT_MULLW,  0xBC00, {k, no, no},    {__, __, __}, __, __, false},
    {IT_MULWF,  0x3400, {f, no, no},    {__, __, __}, __, __, false},
    {IT_NEGW,   0x2C00, {f, s, no},     {__, __, __}, __, __, false},
    {IT_NOP,    0x0000, {no, no, no},   {__, __, __}, __, __, false},
    {IT_PAUSE,  0x0022, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RETFIE, 0x0005, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RETLW,  0xB600, {k, no, no},    {__, __, __}, __, __, false},
    {IT_RETURN, 0x0002, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RLCF,   0x1A00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_RLNCF,  0x2200, {f, d, no},     {__, __, __}, __, __, false},
    {IT_RRCF,   0x1800, {f, d, no},     {__, __, __}, __, __, false},
    {IT_RRNCF,  0x2000, {f, d, no},     {__, __, __}, __, __, false},
    {IT_SETF,   0x2A00, {f, s, no},     {__, __, __}, __, __, false},
    {IT_SLEEP,  0x0003, {no, no, no},   {__, __, __}, __, __, false},
    {IT_STOP,   0x0020, {no, no, no},   {__, __, __}, __, __, false},
    {IT_SUBLW,  0xB200, {k, no, no},    {__, __, __}, __, __, false},
    {IT_SUBWF,  0x0400, {f, d, no},     {__, __, __}, __, __, false},
    {IT_SUBWFB, 0x0200, {f, d, no},     {__, __, __}, __, __, false},
    {IT_SWAPF,  0x1C00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_TABLRD, 0xA800, {t, i, f},      {__, __, __}, __, __, false},
    {IT_TABLWT, 0xAC00, {t, i, f},      {__, __, __}, __, __, false},
    {IT_TLRD,   0xA000, {t, f, no},     {__, __, __}, __, __, false},
    {IT_TLWT,   0xA400, {t, f, no},     {__, __, __}, __, __, false},
    {IT_TSTFSZ, 0x3300, {f, no, no},    {__, __, __}, __, __, false},
    {IT_XORLW,  0xB400, {k, no, no},    {__, __, __}, __, __, false},
    {IT_XORWF,  0x0C00, {f, d, no},     {__, __, __}, __, __, false},
};

constexpr inst_pattern patterns[] = {
    {0xE000, 0xE000, IT_CALL},   {0xE000, 0xC000, IT_GOTO},
    {0xFF00, 0xB000, IT_MOVLW},  {0xFF00, 0xB100, IT_ADDLW},  {0xFF00, 0xB200, IT_SUBLW},
    {0xFF00, 0xB300, IT_IORLW},  {0xFF00, 0xB400, IT_XORLW},  {0xFF00, 0xB500, IT_ANDLW},
    {0xFF00, 0xB600, IT_RETLW},  {0xFF00, 0xB700, IT_LCALL},  {0xFF00, 0xB800, IT_MOVLB},
    {0xFE00, 0xBA00, IT_MOVLR},  {0xFF00, 0xBC00, IT_MULLW},
    {0xFC00, 0xAC00, IT_TABLWT}, {0xFC00, 0xA800, IT_TABLRD}, {0xFC00, 0xA400, IT_TLWT},
    {0xFC00, 0xA000, IT_TLRD},
    {0xF800, 0x9800, IT_BTFSC},  {0xF800, 0x9000, IT_BTFSS},  {0xF800, 0x8800, IT_BCF},
    {0xF800, 0x8000, IT_BSF},
    {0xE000, 0x6000, IT_MOVFP},  {0xE000, 0x4000, IT_MOVPF},
    {0xF800, 0x3800, IT_BTG},    {0xFF00, 0x3400, IT_MULWF},  {0xFF00, 0x3300, IT_TSTFSZ},
    {0xFF00, 0x3200, IT_CPFSGT}, {0xFF00, 0x3100, IT_CPFSEQ}, {0xFF00, 0x3000, IT_CPFSLT},
    {0xFE00, 0x2E00, IT_DAW},    {0xFE00, 0x2C00, IT_NEGW},   {0xFE00, 0x2A00, IT_SETF},
    {0xFE00, 0x2800, IT_CLRF},   {0xFE00, 0x2600, IT_DCFSNZ}, {0xFE00, 0x2400, IT_INFSNZ},
    {0xFE00, 0x2200, IT_RLNCF},  {0xFE00, 0x2000, IT_RRNCF},  {0xFE00, 0x1E00, IT_INCFSZ},
    {0xFE00, 0x1C00, IT_SWAPF},  {0xFE00, 0x1A00, IT_RLCF},   {0xFE00, 0x1800, IT_RRCF},
    {0xFE00, 0x1600, IT_DECFSZ}, {0xFE00, 0x1400, IT_INCF},   {0xFE00, 0x1200, IT_COMF},
    {0xFE00, 0x1000, IT_ADDWFC}, {0xFE00, 0x0E00, IT_ADDWF},  {0xFE00, 0x0C00, IT_XORWF},
    {0xFE00, 0x0A00, IT_ANDWF},  {0xFE00, 0x0800, IT_IORWF},  {0xFE00, 0x0600, IT_DECF},
    {0xFE00, 0x0400, IT_SUBWF},  {0xFE00, 0x0200, IT_SUBWFB},
    {0xFF00, 0x0100, IT_MOVWF},
    {0xFFFF, 0x0022, IT_PAUSE},  {0xFFFF, 0x0021, IT_LOG},    {0xFFFF, 0x0020, IT_STOP},
    {0xFFFF, 0x0005, IT_RETFIE}, {0xFFFF, 0x0004, IT_CLRWDT}, {0xFFFF, 0x0003, IT_SLEEP},
    {0xFFFF, 0x0002, IT_RETURN}, {0xFFFF, 0x0000, IT_NOP},
};

} // namespace

const inst_family family_SyCORE = {0xFFFF, rows, std::size(rows), patterns, std::size(patterns),
                                   index_rows(rows)};

const char *disasm_SyCORE(unsigned long address, uint16_t word, uint16_t, int *words_used, int) {
    return disasm_plain(family_SyCORE, address, word, words_used);
}

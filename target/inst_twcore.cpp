// TwCORE: 14-bit program words, 7-bit file addresses, 11-bit CALL/GOTO
// targets in word-addressed program memory.
#include "target/inst_table.h"

namespace {

constexpr int8_t __ = -1;

constexpr inst_field f = field(OPK_FILE, 6, 0);
constexpr inst_field d = field(OPK_DEST, 7, 7);
constexpr inst_field b = field(OPK_BIT, 9, 7);
constexpr inst_field k = field(OPK_LIT, 7, 0);
constexpr inst_field addr = field(OPK_ADDRESS, 10, 0);
constexpr inst_field port = field(OPK_FILE, 2, 0);
constexpr inst_field no = NO_FIELD;

constexpr inst_row rows[] = {
    {IT_ADDLW,  0x3E00, {k, no, no},    {__, __, __}, __, __, false},
    {IT_ADDWF,  0x0700, {f, d, no},     {__, __, __}, __, __, false},
    {IT_ANDLW,  0x3900, {k, no, no},    {__, __, __}, __, __, false},
    {IT_ANDWF,  0x0500, {f, d, no},     {__, __, __}, __, __, false},
    {IT_BCF,    0x1000, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BSF,    0x1400, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BTFSC,  0x1800, {f, b, no},     {__, __, __}, __, __, false},
    {IT_BTFSS,  0x1C00, {f, b, no},     {__, __, __}, __, __, false},
    {IT_CALL,   0x2000, {addr, no, no}, {__, __, __}, __, __, false},
    {IT_CLRF,   0x0180, {f, no, no},    {__, __, __}, __, __, false},
    {IT_CLRW,   0x0100, {no, no, no},   {__, __, __}, __, __, false},
    {IT_CLRWDT, 0x0064, {no, no, no},   {__, __, __}, __, __, false},
    {IT_COMF,   0x0900, {f, d, no},     {__, __, __}, __, __, false},
    {IT_DECF,   0x0300, {f, d, no},     {__, __, __}, __, __, false},
    {IT_DECFSZ, 0x0B00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_GOTO,   0x2800, {addr, no, no}, {__, __, __}, __, __, false},
    {IT_INCF,   0x0A00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_INCFSZ, 0x0F00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_IORLW,  0x3800, {k, no, no},    {__, __, __}, __, __, false},
    {IT_IORWF,  0x0400, {f, d, no},     {__, __, __}, __, __, false},
    {IT_MOVF,   0x0800, {f, d, no},     {__, __, __}, __, __, false},
    {IT_MOVLW,  0x3000, {k, no, no},    {__, __, __}, __, __, false},
    {IT_MOVWF,  0x0080, {f, no, no},    {__, __, __}, __, __, false},
    {IT_NOP,    0x0000, {no, no, no},   {__, __, __}, __, __, false},
    {IT_OPTION, 0x0062, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RETFIE, 0x0009, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RETLW,  0x3400, {k, no, no},    {__, __, __}, __, __, false},
    {IT_RETURN, 0x0008, {no, no, no},   {__, __, __}, __, __, false},
    {IT_RLF,    0x0D00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_RRF,    0x0C00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_SLEEP,  0x0063, {no, no, no},   {__, __, __}, __, __, false},
    {IT_SUBLW,  0x3C00, {k, no, no},    {__, __, __}, __, __, false},
    {IT_SUBWF,  0x0200, {f, d, no},     {__, __, __}, __, __, false},
    {IT_SWAPF,  0x0E00, {f, d, no},     {__, __, __}, __, __, false},
    {IT_TRIS,   0x0060, {port, no, no}, {__, __, __}, __, __, false},
    {IT_XORLW,  0x3A00, {k, no, no},    {__, __, __}, __, __, false},
    {IT_XORWF,  0x0600, {f, d, no},     {__, __, __}, __, __, false},
};

// The literal forms ignore their don't-care bits; the exact control words
// come before TRIS, whose port field overlaps them.
constexpr inst_pattern patterns[] = {
    {0x3E00, 0x3E00, IT_ADDLW},  {0x3F00, 0x3900, IT_ANDLW},  {0x3F00, 0x3800, IT_IORLW},
    {0x3F00, 0x3A00, IT_XORLW},  {0x3E00, 0x3C00, IT_SUBLW},  {0x3C00, 0x3400, IT_RETLW},
    {0x3C00, 0x3000, IT_MOVLW},  {0x3800, 0x2800, IT_GOTO},   {0x3800, 0x2000, IT_CALL},
    {0x3C00, 0x1C00, IT_BTFSS},  {0x3C00, 0x1800, IT_BTFSC},  {0x3C00, 0x1400, IT_BSF},
    {0x3C00, 0x1000, IT_BCF},
    {0x3F00, 0x0F00, IT_INCFSZ}, {0x3F00, 0x0E00, IT_SWAPF},  {0x3F00, 0x0D00, IT_RLF},
    {0x3F00, 0x0C00, IT_RRF},    {0x3F00, 0x0B00, IT_DECFSZ}, {0x3F00, 0x0A00, IT_INCF},
    {0x3F00, 0x0900, IT_COMF},   {0x3F00, 0x0800, IT_MOVF},   {0x3F00, 0x0700, IT_ADDWF},
    {0x3F00, 0x0600, IT_XORWF},  {0x3F00, 0x0500, IT_ANDWF},  {0x3F00, 0x0400, IT_IORWF},
    {0x3F00, 0x0300, IT_DECF},   {0x3F00, 0x0200, IT_SUBWF},
    {0x3F80, 0x0180, IT_CLRF},   {0x3F80, 0x0100, IT_CLRW},   {0x3F80, 0x0080, IT_MOVWF},
    {0x3FFF, 0x0064, IT_CLRWDT}, {0x3FFF, 0x0063, IT_SLEEP},  {0x3FFF, 0x0062, IT_OPTION},
    {0x3FF8, 0x0060, IT_TRIS},   {0x3FFF, 0x0009, IT_RETFIE}, {0x3FFF, 0x0008, IT_RETURN},
    {0x3F9F, 0x0000, IT_NOP},
};

} // namespace

const inst_family family_TwCORE = {0x3FFF, rows, std::size(rows), patterns, std::size(patterns),
                                   index_rows(rows)};

const char *disasm_TwCORE(unsigned long address, uint16_t word, uint16_t, int *words_used, int) {
    return disasm_plain(family_TwCORE, address, word, words_used);
}

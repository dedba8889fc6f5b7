// BaCORE: 12-bit program words, 5-bit file addresses; CALL reaches only
// the first 256 words of a page, GOTO 512.
#include "target/inst_table.h"

namespace {

constexpr int8_t __ = -1;

constexpr inst_field f = field(OPK_FILE, 4, 0);
constexpr inst_field d = field(OPK_DEST, 5, 5);
constexpr inst_field b = field(OPK_BIT, 7, 5);
constexpr inst_field k = field(OPK_LIT, 7, 0);
constexpr inst_field call_addr = field(OPK_ADDRESS, 7, 0);
constexpr inst_field goto_addr = field(OPK_ADDRESS, 8, 0);
constexpr inst_field port = field(OPK_FILE, 3, 0);
constexpr inst_field no = NO_FIELD;

constexpr inst_row rows[] = {
    {IT_ADDWF,  0x1C0, {f, d, no},         {__, __, __}, __, __, false},
    {IT_ANDLW,  0xE00, {k, no, no},        {__, __, __}, __, __, false},
    {IT_ANDWF,  0x140, {f, d, no},         {__, __, __}, __, __, false},
    {IT_BCF,    0x400, {f, b, no},         {__, __, __}, __, __, false},
    {IT_BSF,    0x500, {f, b, no},         {__, __, __}, __, __, false},
    {IT_BTFSC,  0x600, {f, b, no},         {__, __, __}, __, __, false},
    {IT_BTFSS,  0x700, {f, b, no},         {__, __, __}, __, __, false},
    {IT_CALL,   0x900, {call_addr, no, no}, {__, __, __}, __, __, false},
    {IT_CLRF,   0x060, {f, no, no},        {__, __, __}, __, __, false},
    {IT_CLRW,   0x040, {no, no, no},       {__, __, __}, __, __, false},
    {IT_CLRWDT, 0x004, {no, no, no},       {__, __, __}, __, __, false},
    {IT_COMF,   0x240, {f, d, no},         {__, __, __}, __, __, false},
    {IT_DECF,   0x0C0, {f, d, no},         {__, __, __}, __, __, false},
    {IT_DECFSZ, 0x2C0, {f, d, no},         {__, __, __}, __, __, false},
    {IT_GOTO,   0xA00, {goto_addr, no, no}, {__, __, __}, __, __, false},
    {IT_INCF,   0x280, {f, d, no},         {__, __, __}, __, __, false},
    {IT_INCFSZ, 0x3C0, {f, d, no},         {__, __, __}, __, __, false},
    {IT_IORLW,  0xD00, {k, no, no},        {__, __, __}, __, __, false},
    {IT_IORWF,  0x100, {f, d, no},         {__, __, __}, __, __, false},
    {IT_MOVF,   0x200, {f, d, no},         {__, __, __}, __, __, false},
    {IT_MOVLW,  0xC00, {k, no, no},        {__, __, __}, __, __, false},
    {IT_MOVWF,  0x020, {f, no, no},        {__, __, __}, __, __, false},
    {IT_NOP,    0x000, {no, no, no},       {__, __, __}, __, __, false},
    {IT_OPTION, 0x002, {no, no, no},       {__, __, __}, __, __, false},
    {IT_RETLW,  0x800, {k, no, no},        {__, __, __}, __, __, false},
    {IT_RLF,    0x340, {f, d, no},         {__, __, __}, __, __, false},
    {IT_RRF,    0x300, {f, d, no},         {__, __, __}, __, __, false},
    {IT_SLEEP,  0x003, {no, no, no},       {__, __, __}, __, __, false},
    {IT_SUBWF,  0x080, {f, d, no},         {__, __, __}, __, __, false},
    {IT_SWAPF,  0x380, {f, d, no},         {__, __, __}, __, __, false},
    {IT_TRIS,   0x000, {port, no, no},     {__, __, __}, __, __, false},
    {IT_XORLW,  0xF00, {k, no, no},        {__, __, __}, __, __, false},
    {IT_XORWF,  0x180, {f, d, no},         {__, __, __}, __, __, false},
};

// TRIS shares the low nibble of word 0 with the control words, which win.
constexpr inst_pattern patterns[] = {
    {0xF00, 0xF00, IT_XORLW},  {0xF00, 0xE00, IT_ANDLW},  {0xF00, 0xD00, IT_IORLW},
    {0xF00, 0xC00, IT_MOVLW},  {0xE00, 0xA00, IT_GOTO},   {0xF00, 0x900, IT_CALL},
    {0xF00, 0x800, IT_RETLW},
    {0xF00, 0x700, IT_BTFSS},  {0xF00, 0x600, IT_BTFSC},  {0xF00, 0x500, IT_BSF},
    {0xF00, 0x400, IT_BCF},
    {0xFC0, 0x3C0, IT_INCFSZ}, {0xFC0, 0x380, IT_SWAPF},  {0xFC0, 0x340, IT_RLF},
    {0xFC0, 0x300, IT_RRF},    {0xFC0, 0x2C0, IT_DECFSZ}, {0xFC0, 0x280, IT_INCF},
    {0xFC0, 0x240, IT_COMF},   {0xFC0, 0x200, IT_MOVF},   {0xFC0, 0x1C0, IT_ADDWF},
    {0xFC0, 0x180, IT_XORWF},  {0xFC0, 0x140, IT_ANDWF},  {0xFC0, 0x100, IT_IORWF},
    {0xFC0, 0x0C0, IT_DECF},   {0xFC0, 0x080, IT_SUBWF},
    {0xFE0, 0x060, IT_CLRF},   {0xFE0, 0x040, IT_CLRW},   {0xFE0, 0x020, IT_MOVWF},
    {0xFFF, 0x004, IT_CLRWDT}, {0xFFF, 0x003, IT_SLEEP},  {0xFFF, 0x002, IT_OPTION},
    {0xFFF, 0x000, IT_NOP},    {0xFF0, 0x000, IT_TRIS},
};

} // namespace

const inst_family family_BaCORE = {0x0FFF, rows, std::size(rows), patterns, std::size(patterns),
                                   index_rows(rows)};

const char *disasm_BaCORE(unsigned long address, uint16_t word, uint16_t, int *words_used, int) {
    return disasm_plain(family_BaCORE, address, word, words_used);
}

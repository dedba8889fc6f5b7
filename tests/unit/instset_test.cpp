#include <gtest/gtest.h>
#include <set>
#include <string>
#include "target/instset.h"
#include "target/procdb.h"

namespace {

// The VxCORE words as the manual draws them: fixed bits, then the bits that
// operand one, two and three occupy.
struct vx_layout {
    unsigned type;
    uint16_t fixed;
    uint16_t field[3];
};

const vx_layout vx_layouts[] = {
    {IT_ADDFSR, 0xE800, {0x00C0, 0x003F, 0}}, {IT_ADDLW, 0x0F00, {0x00FF, 0, 0}},
    {IT_ADDULNK, 0xE8C0, {0x003F, 0, 0}},     {IT_ADDWF, 0x2400, {0x00FF, 0x0200, 0x0100}},
    {IT_ADDWFC, 0x2000, {0x00FF, 0x0200, 0x0100}}, {IT_ANDLW, 0x0B00, {0x00FF, 0, 0}},
    {IT_ANDWF, 0x1400, {0x00FF, 0x0200, 0x0100}},  {IT_BC, 0xE200, {0x00FF, 0, 0}},
    {IT_BCF, 0x9000, {0x00FF, 0x0E00, 0x0100}},    {IT_BN, 0xE600, {0x00FF, 0, 0}},
    {IT_BNC, 0xE300, {0x00FF, 0, 0}},         {IT_BNN, 0xE700, {0x00FF, 0, 0}},
    {IT_BNOV, 0xE500, {0x00FF, 0, 0}},        {IT_BNZ, 0xE100, {0x00FF, 0, 0}},
    {IT_BOV, 0xE400, {0x00FF, 0, 0}},         {IT_BRA, 0xD000, {0x07FF, 0, 0}},
    {IT_BSF, 0x8000, {0x00FF, 0x0E00, 0x0100}},    {IT_BTFSC, 0xB000, {0x00FF, 0x0E00, 0x0100}},
    {IT_BTFSS, 0xA000, {0x00FF, 0x0E00, 0x0100}},  {IT_BTG, 0x7000, {0x00FF, 0x0E00, 0x0100}},
    {IT_BZ, 0xE000, {0x00FF, 0, 0}},          {IT_CALL, 0xEC00, {0x00FF, 0x0100, 0}},
    {IT_CALLW, 0x0014, {0, 0, 0}},            {IT_CLRF, 0x6A00, {0x00FF, 0x0100, 0}},
    {IT_CLRWDT, 0x0004, {0, 0, 0}},           {IT_COMF, 0x1C00, {0x00FF, 0x0200, 0x0100}},
    {IT_CPFSEQ, 0x6200, {0x00FF, 0x0100, 0}}, {IT_CPFSGT, 0x6400, {0x00FF, 0x0100, 0}},
    {IT_CPFSLT, 0x6000, {0x00FF, 0x0100, 0}}, {IT_DAW, 0x0007, {0, 0, 0}},
    {IT_DCFSNZ, 0x4C00, {0x00FF, 0x0200, 0x0100}}, {IT_DECF, 0x0400, {0x00FF, 0x0200, 0x0100}},
    {IT_DECFSZ, 0x2C00, {0x00FF, 0x0200, 0x0100}}, {IT_GOTO, 0xEF00, {0x00FF, 0, 0}},
    {IT_HALT, 0x0001, {0, 0, 0}},             {IT_INCF, 0x2800, {0x00FF, 0x0200, 0x0100}},
    {IT_INCFSZ, 0x3C00, {0x00FF, 0x0200, 0x0100}}, {IT_INFSNZ, 0x4800, {0x00FF, 0x0200, 0x0100}},
    {IT_IORLW, 0x0900, {0x00FF, 0, 0}},       {IT_IORWF, 0x1000, {0x00FF, 0x0200, 0x0100}},
    {IT_LFSR, 0xEE00, {0x0030, 0x000F, 0}},   {IT_LOG, 0x0021, {0, 0, 0}},
    {IT_MOVF, 0x5000, {0x00FF, 0x0200, 0x0100}},   {IT_MOVFF, 0xC000, {0x0FFF, 0, 0}},
    {IT_MOVLB, 0x0100, {0x00FF, 0, 0}},       {IT_MOVLW, 0x0E00, {0x00FF, 0, 0}},
    {IT_MOVSF, 0xEB00, {0x007F, 0, 0}},       {IT_MOVSS, 0xEB80, {0x007F, 0, 0}},
    {IT_MOVWF, 0x6E00, {0x00FF, 0x0100, 0}},  {IT_MULLW, 0x0D00, {0x00FF, 0, 0}},
    {IT_MULWF, 0x0200, {0x00FF, 0x0100, 0}},  {IT_NEGF, 0x6C00, {0x00FF, 0x0100, 0}},
    {IT_NOP, 0x0000, {0, 0, 0}},              {IT_PAUSE, 0x0022, {0, 0, 0}},
    {IT_POP, 0x0006, {0, 0, 0}},              {IT_PUSH, 0x0005, {0, 0, 0}},
    {IT_PUSHL, 0xEA00, {0x00FF, 0, 0}},       {IT_RCALL, 0xD800, {0x07FF, 0, 0}},
    {IT_RESET, 0x00FF, {0, 0, 0}},            {IT_RETFIE, 0x0010, {0x0001, 0, 0}},
    {IT_RETLW, 0x0C00, {0x00FF, 0, 0}},       {IT_RETURN, 0x0012, {0x0001, 0, 0}},
    {IT_RLCF, 0x3400, {0x00FF, 0x0200, 0x0100}},   {IT_RLNCF, 0x4400, {0x00FF, 0x0200, 0x0100}},
    {IT_RRCF, 0x3000, {0x00FF, 0x0200, 0x0100}},   {IT_RRNCF, 0x4000, {0x00FF, 0x0200, 0x0100}},
    {IT_SETF, 0x6800, {0x00FF, 0x0100, 0}},   {IT_SLEEP, 0x0003, {0, 0, 0}},
    {IT_STOP, 0x0020, {0, 0, 0}},             {IT_SUBFSR, 0xE900, {0x00C0, 0x003F, 0}},
    {IT_SUBFWB, 0x5400, {0x00FF, 0x0200, 0x0100}}, {IT_SUBLW, 0x0800, {0x00FF, 0, 0}},
    {IT_SUBULNK, 0xE9C0, {0x003F, 0, 0}},     {IT_SUBWF, 0x5C00, {0x00FF, 0x0200, 0x0100}},
    {IT_SUBWFB, 0x5800, {0x00FF, 0x0200, 0x0100}}, {IT_SWAPF, 0x3800, {0x00FF, 0x0200, 0x0100}},
    {IT_TBLRD, 0x0008, {0, 0, 0}},            {IT_TBLRDPOSTDEC, 0x000A, {0, 0, 0}},
    {IT_TBLRDPOSTINC, 0x0009, {0, 0, 0}},     {IT_TBLRDPREINC, 0x000B, {0, 0, 0}},
    {IT_TBLWT, 0x000C, {0, 0, 0}},            {IT_TBLWTPOSTDEC, 0x000E, {0, 0, 0}},
    {IT_TBLWTPOSTINC, 0x000D, {0, 0, 0}},     {IT_TBLWTPREINC, 0x000F, {0, 0, 0}},
    {IT_TRAP, 0x00E0, {0, 0, 0}},             {IT_TRET, 0x00E1, {0, 0, 0}},
    {IT_TSTFSZ, 0x6600, {0x00FF, 0x0100, 0}}, {IT_WORD2, 0xF000, {0x0FFF, 0, 0}},
    {IT_XORLW, 0x0A00, {0x00FF, 0, 0}},       {IT_XORWF, 0x1800, {0x00FF, 0x0200, 0x0100}},
};

unsigned lowest_bit(uint16_t mask) { return mask ? static_cast<unsigned>(__builtin_ctz(mask)) : 0; }

// The FSR number 3 of ADDFSR and SUBFSR is the encoding of ADDULNK and SUBULNK.
unsigned expected_type(unsigned type, uint16_t word) {
    if (type == IT_ADDFSR && (word & 0x00C0) == 0x00C0)
        return IT_ADDULNK;
    if (type == IT_SUBFSR && (word & 0x00C0) == 0x00C0)
        return IT_SUBULNK;
    return type;
}

TEST(VxEncoding, FixedBitsAndFieldPositionsMatchTheManual) {
    for (const vx_layout &l : vx_layouts) {
        SCOPED_TRACE(getInstName(l.type));
        uint16_t word = 0;
        setInstType(&word, l.type, _VxCORE);
        EXPECT_EQ(word, l.fixed);
        for (unsigned i = 0; i < 3; ++i) {
            EXPECT_EQ(hasOperand(l.type, _VxCORE, i), l.field[i] != 0);
            uint16_t probe = l.fixed;
            switch (i) {
            case 0: setOperandOne(&probe, 0xFFFFFFFF, _VxCORE); break;
            case 1: setOperandTwo(&probe, 0xFFFFFFFF, _VxCORE); break;
            default: setOperandThree(&probe, 0xFFFFFFFF, _VxCORE); break;
            }
            EXPECT_EQ(probe, l.fixed | l.field[i]) << "operand " << i;
        }
    }
}

TEST(VxEncoding, EveryFieldValueRoundTrips) {
    for (const vx_layout &l : vx_layouts) {
        SCOPED_TRACE(getInstName(l.type));
        for (unsigned i = 0; i < 3; ++i) {
            if (!l.field[i])
                continue;
            unsigned mask = l.field[i] >> lowest_bit(l.field[i]);
            for (unsigned v = 0; v <= 2 * mask + 1; ++v) {
                uint16_t word = 0;
                setInstType(&word, l.type, _VxCORE);
                switch (i) {
                case 0: setOperandOne(&word, v, _VxCORE); break;
                case 1: setOperandTwo(&word, v, _VxCORE); break;
                default: setOperandThree(&word, v, _VxCORE); break;
                }
                ASSERT_EQ(word, l.fixed | ((v & mask) << lowest_bit(l.field[i]))) << v;
                unsigned type = expected_type(l.type, word);
                ASSERT_EQ(getInstType(word, _VxCORE), type) << v;
                if (type != l.type)
                    continue;
                for (unsigned j = 0; j < 3; ++j)
                    ASSERT_EQ(getOperand(word, _VxCORE, j), j == i ? (v & mask) : 0) << v;
            }
        }
    }
}

TEST(VxValidity, ExactlyTheDefinedWordsAreValid) {
    const std::set<uint16_t> control = {0x0000, 0x0001, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008,
                                        0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x000E, 0x000F, 0x0010,
                                        0x0011, 0x0012, 0x0013, 0x0014, 0x0020, 0x0021, 0x0022, 0x00E0,
                                        0x00E1, 0x00FF};
    for (unsigned w = 0; w <= 0xFFFF; ++w) {
        bool defined = w >= 0x0100 ? !(w >= 0xEE40 && w <= 0xEEFF) : control.count(w) != 0;
        bool extended_only = (w >= 0xE800 && w <= 0xEBFF) || w == 0x0014;
        ASSERT_EQ(isOpcodeValid(w, _VxCORE, 1), defined) << std::hex << w;
        ASSERT_EQ(isOpcodeValid(w, _VxCORE, 0), defined && !extended_only) << std::hex << w;
    }
    EXPECT_EQ(getInstType(0xEB85, _VxCORE), IT_MOVSS);
    EXPECT_EQ(getInstType(0xEB05, _VxCORE), IT_MOVSF);
    EXPECT_EQ(getInstType(0xF123, _VxCORE), IT_WORD2);
    EXPECT_EQ(getInstType(0xEE3F, _VxCORE), IT_LFSR);
}

struct disasm_case {
    unsigned long address;
    uint16_t word, next;
    int extended;
    const char *text;
    int words;
};

TEST(VxDisasm, TextFormat) {
    const disasm_case cases[] = {
        {0, 0x0E12, 0, 0, "MOVLW     0x12", 1},
        {0, 0x2612, 0, 0, "ADDWF     0x12,0x1,0x0", 1},
        {0, 0x2712, 0, 1, "ADDWF     0x12,0x1,0x1", 1},
        {0, 0x2612, 0, 1, "ADDWF     [0x12],0x1", 1},
        {0, 0x265F, 0, 1, "ADDWF     [0x5f],0x1", 1},
        {0, 0x2660, 0, 1, "ADDWF     0x60,0x1,0x0", 1},
        {0, 0x9612, 0, 0, "BCF       0x12,0x3,0x0", 1},
        {0, 0x9612, 0, 1, "BCF       [0x12],0x3", 1},
        {0, 0x6E12, 0, 1, "MOVWF     [0x12]", 1},
        {0, 0x6F12, 0, 1, "MOVWF     0x12,0x1", 1},
        {0, 0x0000, 0, 0, "NOP       ", 1},
        {0, 0x0013, 0, 0, "RETURN    0x1", 1},
        {0, 0x0010, 0, 0, "RETFIE    0x0", 1},
        {0, 0xF123, 0, 0, "WORD2     0x123", 1},
        {0, 0xE885, 0, 1, "ADDFSR    0x2,0x5", 1},
        {0, 0xE8C5, 0, 1, "ADDULNK   0x5", 1},
        {0, 0xEE21, 0, 0, "LFSR      0x2,???", 1},
        {0, 0xEE21, 0xF034, 0, "LFSR      0x2,0x134", 2},
        {0, 0xEE21, 0xF834, 0, "LFSR      0x2,0x134", 2},
        // branch targets: address + 2n + 2 with n sign-extended
        {0x100, 0xD7FF, 0, 0, "BRA       0x100", 1},
        {0, 0xD3FF, 0, 0, "BRA       0x800", 1},
        {0x1000, 0xD400, 0, 0, "BRA       0x802", 1},
        {0x20, 0xD801, 0, 0, "RCALL     0x24", 1},
        {0x10, 0xE0FE, 0, 0, "BZ        0xe", 1},
        {0, 0xE27F, 0, 0, "BC        0x100", 1},
        {0x200, 0xE780, 0, 1, "BNN       0x102", 1},
        // two-word forms
        {0, 0xEC34, 0xF012, 0, "CALL      0x2468,0x0", 2},
        {0, 0xED34, 0x0000, 0, "CALL      ???,0x1", 1},
        {0, 0xEF10, 0xF000, 0, "GOTO      0x20", 2},
        {0, 0xEFFF, 0xFFFF, 0, "GOTO      0x1ffffe", 2},
        {0, 0xEF10, 0x1234, 0, "GOTO      ???", 1},
        {0, 0xC123, 0xF456, 0, "MOVFF     0x123,0x456", 2},
        {0, 0xC123, 0x0E00, 0, "MOVFF     0x123,???", 1},
        {0, 0xEB05, 0xF123, 1, "MOVSF     0x5,0x123", 2},
        {0, 0xEB85, 0xF007, 1, "MOVSS     0x5,0x7", 2},
        {0, 0xEB85, 0x0002, 1, "MOVSS     0x5,???", 1},
    };
    for (const disasm_case &c : cases) {
        int words = -1;
        EXPECT_STREQ(disasm(c.address, c.word, c.next, &words, _VxCORE, c.extended), c.text)
            << std::hex << c.word;
        EXPECT_EQ(words, c.words) << std::hex << c.word;
    }
}

// Words of the other families, written from their published encodings.
struct family_word {
    int set;
    uint16_t word;
    unsigned type;
    unsigned op[3];
};

TEST(OtherFamilies, PublishedEncodingsDecode) {
    const family_word words[] = {
        {_TwCORE, 0x3055, IT_MOVLW, {0x55}},     {_TwCORE, 0x2923, IT_GOTO, {0x123}},
        {_TwCORE, 0x2123, IT_CALL, {0x123}},     {_TwCORE, 0x1683, IT_BSF, {0x03, 5}},
        {_TwCORE, 0x00A0, IT_MOVWF, {0x20}},     {_TwCORE, 0x0100, IT_CLRW, {}},
        {_TwCORE, 0x01A0, IT_CLRF, {0x20}},      {_TwCORE, 0x07A0, IT_ADDWF, {0x20, 1}},
        {_TwCORE, 0x0008, IT_RETURN, {}},        {_TwCORE, 0x0009, IT_RETFIE, {}},
        {_TwCORE, 0x0063, IT_SLEEP, {}},         {_TwCORE, 0x0062, IT_OPTION, {}},
        {_TwCORE, 0x0066, IT_TRIS, {6}},         {_TwCORE, 0x3E01, IT_ADDLW, {1}},
        {_TwCORE, 0x3C01, IT_SUBLW, {1}},        {_TwCORE, 0x3401, IT_RETLW, {1}},
        {_BaCORE, 0xC55, IT_MOVLW, {0x55}},      {_BaCORE, 0xBFF, IT_GOTO, {0x1FF}},
        {_BaCORE, 0x9FF, IT_CALL, {0xFF}},       {_BaCORE, 0x5A3, IT_BSF, {0x03, 5}},
        {_BaCORE, 0x026, IT_MOVWF, {6}},         {_BaCORE, 0x006, IT_TRIS, {6}},
        {_BaCORE, 0x002, IT_OPTION, {}},         {_BaCORE, 0x1E7, IT_ADDWF, {7, 1}},
        {_BaCORE, 0x040, IT_CLRW, {}},           {_BaCORE, 0x801, IT_RETLW, {1}},
        {_SyCORE, 0xB055, IT_MOVLW, {0x55}},     {_SyCORE, 0xF234, IT_CALL, {0x1234}},
        {_SyCORE, 0xD234, IT_GOTO, {0x1234}},    {_SyCORE, 0x6A20, IT_MOVFP, {0x20, 0x0A}},
        {_SyCORE, 0x4A20, IT_MOVPF, {0x0A, 0x20}}, {_SyCORE, 0xAB30, IT_TABLRD, {1, 1, 0x30}},
        {_SyCORE, 0xA230, IT_TLRD, {1, 0x30}},   {_SyCORE, 0xBA50, IT_MOVLR, {5}},
        {_SyCORE, 0xB805, IT_MOVLB, {5}},        {_SyCORE, 0x3F10, IT_BTG, {0x10, 7}},
        {_SyCORE, 0x2910, IT_CLRF, {0x10, 1}},   {_SyCORE, 0x0F10, IT_ADDWF, {0x10, 1}},
        {_SyCORE, 0x0002, IT_RETURN, {}},        {_SyCORE, 0x0005, IT_RETFIE, {}},
        {_SyCORE, 0xB7FF, IT_LCALL, {0xFF}},     {_SyCORE, 0x0110, IT_MOVWF, {0x10}},
    };
    for (const family_word &w : words) {
        SCOPED_TRACE(std::string(getInstName(w.type)) + " set " + std::to_string(w.set));
        ASSERT_TRUE(isOpcodeValid(w.word, w.set, 0));
        EXPECT_EQ(getInstType(w.word, w.set), w.type);
        for (unsigned i = 0; i < 3; ++i)
            EXPECT_EQ(getOperand(w.word, w.set, i), w.op[i]) << i;
        // BaCORE's TRIS word is the bare port number: built from zero it is
        // still NOP when the port is stored, so it is only decoded here.
        if (w.set == _BaCORE && w.type == IT_TRIS)
            continue;
        uint16_t built = 0;
        setInstType(&built, w.type, w.set);
        setOperandOne(&built, w.op[0], w.set);
        setOperandTwo(&built, w.op[1], w.set);
        setOperandThree(&built, w.op[2], w.set);
        EXPECT_EQ(built, w.word);
    }
}

} // namespace

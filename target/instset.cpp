#include "target/instset.h"
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <vector>
#include "target/inst_table.h"
#include "target/procdb.h"

static const char *const inst_names[NUMBER_OF_INST_TYPES + 1] = {
    nullptr,        "ADDFSR",       "ADDLW",        "ADDULNK",     "ADDWF",        "ADDWFC",
    "ANDLW",        "ANDWF",        "BC",           "BCF",         "BN",           "BNC",
    "BNN",          "BNOV",         "BNZ",          "BOV",         "BRA",          "BSF",
    "BTFSC",        "BTFSS",        "BTG",          "BZ",          "CALL",         "CALLW",
    "CLRF",         "CLRW",         "CLRWDT",       "COMF",        "CPFSEQ",       "CPFSGT",
    "CPFSLT",       "DAW",          "DCFSNZ",       "DECF",        "DECFSZ",       "GOTO",
    "HALT",         "INCF",         "INCFSZ",       "INFSNZ",      "IORLW",        "IORWF",
    "LCALL",        "LFSR",         "LOG",          "MOVF",        "MOVFF",        "MOVFP",
    "MOVLB",        "MOVLR",        "MOVLW",        "MOVPF",       "MOVSF",        "MOVSS",
    "MOVWF",        "MULLW",        "MULWF",        "NEGF",        "NEGW",         "NOP",
    "OPTION",       "PAUSE",        "POP",          "PUSH",        "PUSHL",        "RCALL",
    "RESET",        "RETFIE",       "RETLW",        "RETURN",      "RLCF",         "RLF",
    "RLNCF",        "RRCF",         "RRF",          "RRNCF",       "SETF",         "SLEEP",
    "STOP",         "SUBFSR",       "SUBFWB",       "SUBLW",       "SUBULNK",      "SUBWF",
    "SUBWFB",       "SWAPF",        "TABLRD",       "TABLWT",      "TBLRD",        "TBLRDPOSTDEC",
    "TBLRDPOSTINC", "TBLRDPREINC",  "TBLWT",        "TBLWTPOSTDEC", "TBLWTPOSTINC", "TBLWTPREINC",
    "TLRD",         "TLWT",         "TRAP",         "TRET",        "TRIS",         "TSTFSZ",
    "WORD2",        "XORLW",        "XORWF",        "BANKSEL",     "PAGESEL",
};

const char *getInstName(unsigned type) {
    INST_ASSERT(type >= 1 && type <= NUMBER_OF_INST_TYPES);
    return inst_names[type];
}

// ---- Table walkers ----

const inst_row &inst_row_of(const inst_family &family, unsigned type) {
    INST_ASSERT(type <= NUMBER_OF_INST_TYPES && family.row_of_type[type] >= 0);
    return family.rows[family.row_of_type[type]];
}

namespace {

// The patterns that can match a word with a given high byte, in table
// order, so that decoding tries a handful of patterns instead of all.
struct pattern_index {
    std::vector<const inst_pattern *> by_high_byte[256];

    explicit pattern_index(const inst_family &family) {
        for (unsigned high = 0; high < 256; ++high)
            for (size_t i = 0; i < family.pattern_count; ++i) {
                const inst_pattern &p = family.patterns[i];
                if (((high << 8) & p.mask) == (p.value & 0xFF00 & p.mask))
                    by_high_byte[high].push_back(&p);
            }
    }
};

const pattern_index &index_of(const inst_family &family) {
    static const pattern_index twcore(family_TwCORE), sycore(family_SyCORE), bacore(family_BaCORE),
        vxcore(family_VxCORE);
    if (&family == &family_VxCORE)
        return vxcore;
    if (&family == &family_TwCORE)
        return twcore;
    return &family == &family_SyCORE ? sycore : bacore;
}

} // namespace

static const inst_pattern *match_pattern(const inst_family &family, uint16_t word) {
    if (word & ~family.word_mask)
        return nullptr;
    for (const inst_pattern *p : index_of(family).by_high_byte[word >> 8])
        if ((word & p->mask) == p->value)
            return p;
    return nullptr;
}

unsigned inst_decode(const inst_family &family, uint16_t word) {
    const inst_pattern *pattern = match_pattern(family, word);
    INST_ASSERT(pattern != nullptr);
    return pattern->type;
}

int inst_is_valid(const inst_family &family, uint16_t word, int extended) {
    const inst_pattern *pattern = match_pattern(family, word);
    if (!pattern)
        return 0;
    return !inst_row_of(family, pattern->type).extended || extended;
}

int inst_lookup_mnemonic(const inst_family &family, const char *text, unsigned *type, int extended) {
    if (!text)
        return 0;
    for (size_t i = 0; i < family.row_count; ++i) {
        const inst_row &row = family.rows[i];
        if (row.extended && !extended)
            continue;
        if (strcasecmp(text, inst_names[row.type]) == 0) {
            *type = row.type;
            return 1;
        }
    }
    return 0;
}

const inst_field &inst_word_field(const inst_family &family, uint16_t word, unsigned index) {
    INST_ASSERT(index < 3);
    return inst_row_of(family, inst_decode(family, word)).op[index];
}

static unsigned field_get(const inst_field &f, uint16_t word) { return (word >> f.shift) & f.mask(); }

static void field_set(const inst_field &f, uint16_t *word, unsigned value) {
    if (f.width == 0)
        return;
    *word = static_cast<uint16_t>((*word & ~(f.mask() << f.shift)) | ((value & f.mask()) << f.shift));
}

static void set_type(const inst_family &family, uint16_t *word, unsigned type) {
    const inst_row &row = inst_row_of(family, type);
    unsigned operand_bits = 0;
    for (const inst_field &f : row.op)
        operand_bits |= f.mask() << f.shift;
    *word = static_cast<uint16_t>((*word & operand_bits) | row.fixed);
}

// ---- Disassembly helpers ----

char disasm_text[DISASM_TEXT_SIZE];

void disasm_append(char *text, size_t size, bool first, unsigned long value, bool indexed) {
    size_t used = strlen(text);
    snprintf(text + used, size - used, indexed ? "%s[0x%lx]" : "%s0x%lx", first ? "" : ",", value);
}

void disasm_append_missing(char *text, size_t size, bool first) {
    size_t used = strlen(text);
    snprintf(text + used, size - used, "%s???", first ? "" : ",");
}

const char *disasm_plain(const inst_family &family, unsigned long address, uint16_t word,
                         int *words_used) {
    const inst_row &row = inst_row_of(family, inst_decode(family, word));
    snprintf(disasm_text, sizeof disasm_text, "%-10s", inst_names[row.type]);
    bool first = true;
    for (const inst_field &f : row.op) {
        if (f.width == 0)
            continue;
        unsigned long value = field_get(f, word);
        if (f.kind == OPK_BRANCH) {
            long n = static_cast<long>(value) - ((value >> (f.width - 1)) & 1 ? (1L << f.width) : 0);
            value = static_cast<uint32_t>(address + 2 * n + 2);
        }
        disasm_append(disasm_text, sizeof disasm_text, first, value, false);
        first = false;
    }
    if (words_used)
        *words_used = 1;
    return disasm_text;
}

// ---- Per-family queries ----

#define VX_FAMILY_DEFINITIONS(F)                                                                  \
    unsigned getInstType_##F(uint16_t word) { return inst_decode(family_##F, word); }             \
    unsigned getOperand_##F(uint16_t word, unsigned index) {                                      \
        return field_get(inst_word_field(family_##F, word, index), word);                         \
    }                                                                                             \
    unsigned getOperandOne_##F(uint16_t word) { return getOperand_##F(word, 0); }                 \
    unsigned getOperandTwo_##F(uint16_t word) { return getOperand_##F(word, 1); }                 \
    unsigned getOperandThree_##F(uint16_t word) { return getOperand_##F(word, 2); }               \
    void setInstType_##F(uint16_t *word, unsigned type) { set_type(family_##F, word, type); }     \
    void setOperandOne_##F(uint16_t *word, unsigned value) {                                      \
        field_set(inst_word_field(family_##F, *word, 0), word, value);                            \
    }                                                                                             \
    void setOperandTwo_##F(uint16_t *word, unsigned value) {                                      \
        field_set(inst_word_field(family_##F, *word, 1), word, value);                            \
    }                                                                                             \
    void setOperandThree_##F(uint16_t *word, unsigned value) {                                    \
        field_set(inst_word_field(family_##F, *word, 2), word, value);                            \
    }                                                                                             \
    int hasOperand_##F(unsigned type, unsigned index) {                                           \
        INST_ASSERT(index < 3);                                                                   \
        return inst_row_of(family_##F, type).op[index].width != 0;                                \
    }                                                                                             \
    int hasOperandOne_##F(unsigned type) { return hasOperand_##F(type, 0); }                      \
    int hasOperandTwo_##F(unsigned type) { return hasOperand_##F(type, 1); }                      \
    int hasOperandThree_##F(unsigned type) { return hasOperand_##F(type, 2); }                    \
    int hasWord2_##F(unsigned type) { return inst_row_of(family_##F, type).word2_arg > 0; }       \
    int getOperandReloct_##F(unsigned type, unsigned index) {                                     \
        INST_ASSERT(index < 3);                                                                   \
        return inst_row_of(family_##F, type).reloc[index];                                        \
    }                                                                                             \
    int getOperandOneReloct_##F(unsigned type) { return getOperandReloct_##F(type, 0); }          \
    int getOperandTwoReloct_##F(unsigned type) { return getOperandReloct_##F(type, 1); }          \
    int getOperandThreeReloct_##F(unsigned type) { return getOperandReloct_##F(type, 2); }        \
    int getWord2Reloct_##F(unsigned type) { return inst_row_of(family_##F, type).word2_reloc; }   \
    int getWord2Arg_##F(unsigned type) { return inst_row_of(family_##F, type).word2_arg; }        \
    int isOpcodeValid_##F(uint16_t word, int extended) {                                          \
        return inst_is_valid(family_##F, word, extended);                                         \
    }                                                                                             \
    int mnemonic2type_##F(const char *text, unsigned *type, int extended) {                       \
        return inst_lookup_mnemonic(family_##F, text, type, extended);                            \
    }

VX_FAMILY_DEFINITIONS(TwCORE)
VX_FAMILY_DEFINITIONS(SyCORE)
VX_FAMILY_DEFINITIONS(BaCORE)
VX_FAMILY_DEFINITIONS(VxCORE)

// ---- Dispatchers ----

#define VX_DISPATCH(call, ...)                                                                    \
    switch (inst_set) {                                                                           \
    case _TwCORE: return call##_TwCORE(__VA_ARGS__);                                              \
    case _SyCORE: return call##_SyCORE(__VA_ARGS__);                                              \
    case _BaCORE: return call##_BaCORE(__VA_ARGS__);                                              \
    case _VxCORE: return call##_VxCORE(__VA_ARGS__);                                              \
    }                                                                                             \
    _assert("invalid instruction set", "mginst", __LINE__)

unsigned getInstType(uint16_t word, int inst_set) { VX_DISPATCH(getInstType, word); }
unsigned getOperandOne(uint16_t word, int inst_set) { VX_DISPATCH(getOperandOne, word); }
unsigned getOperandTwo(uint16_t word, int inst_set) { VX_DISPATCH(getOperandTwo, word); }
unsigned getOperandThree(uint16_t word, int inst_set) { VX_DISPATCH(getOperandThree, word); }
unsigned getOperand(uint16_t word, int inst_set, unsigned index) { VX_DISPATCH(getOperand, word, index); }
void setInstType(uint16_t *word, unsigned type, int inst_set) { VX_DISPATCH(setInstType, word, type); }
void setOperandOne(uint16_t *word, unsigned value, int inst_set) { VX_DISPATCH(setOperandOne, word, value); }
void setOperandTwo(uint16_t *word, unsigned value, int inst_set) { VX_DISPATCH(setOperandTwo, word, value); }
void setOperandThree(uint16_t *word, unsigned value, int inst_set) {
    VX_DISPATCH(setOperandThree, word, value);
}
int hasOperandOne(unsigned type, int inst_set) { VX_DISPATCH(hasOperandOne, type); }
int hasOperandTwo(unsigned type, int inst_set) { VX_DISPATCH(hasOperandTwo, type); }
int hasOperandThree(unsigned type, int inst_set) { VX_DISPATCH(hasOperandThree, type); }
int hasOperand(unsigned type, int inst_set, unsigned index) { VX_DISPATCH(hasOperand, type, index); }
int hasWord2(unsigned type, int inst_set) { VX_DISPATCH(hasWord2, type); }
int getOperandOneReloct(unsigned type, int inst_set) { VX_DISPATCH(getOperandOneReloct, type); }
int getOperandTwoReloct(unsigned type, int inst_set) { VX_DISPATCH(getOperandTwoReloct, type); }
int getOperandThreeReloct(unsigned type, int inst_set) { VX_DISPATCH(getOperandThreeReloct, type); }
int getOperandReloct(unsigned type, int inst_set, unsigned index) {
    VX_DISPATCH(getOperandReloct, type, index);
}
int getWord2Reloct(unsigned type, int inst_set) { VX_DISPATCH(getWord2Reloct, type); }
int getWord2Arg(unsigned type, int inst_set) { VX_DISPATCH(getWord2Arg, type); }
int isOpcodeValid(uint16_t word, int inst_set, int extended) { VX_DISPATCH(isOpcodeValid, word, extended); }
const char *disasm(unsigned long address, uint16_t word, uint16_t next_word, int *words_used,
                   int inst_set, int extended) {
    VX_DISPATCH(disasm, address, word, next_word, words_used, extended);
}
int mnemonic2type(const char *text, unsigned *type, int inst_set, int extended) {
    VX_DISPATCH(mnemonic2type, text, type, extended);
}

// The record shape shared by the four families' instruction tables and the
// table walkers that every family's queries are built from.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include "support/vxassert.h"
#include "target/instset.h"

// Internal errors of this layer name the module, not the source file, so
// that the report stays the same whichever family file found the fault.
#define INST_ASSERT(expr) ((expr) ? (void)0 : _assert(#expr, "mginst", __LINE__))

// What an operand field holds; the disassemblers print some kinds specially.
enum operand_kind : uint8_t {
    OPK_NONE,
    OPK_FILE,    // file-register address
    OPK_DEST,    // destination: 0 WREG, 1 file register
    OPK_ACCESS,  // 0 access bank, 1 bank selected by BSR
    OPK_BIT,     // bit number
    OPK_LIT,     // literal
    OPK_BRANCH,  // signed word offset from the next instruction
    OPK_FAST,    // shadow-register (fast) bit
    OPK_FSR,     // FSR number
    OPK_ADDRESS, // program-memory word address
};

struct inst_field {
    uint8_t shift;
    uint8_t width; // 0: the type has no such operand
    operand_kind kind;

    constexpr unsigned mask() const { return (1u << width) - 1; }
};

struct inst_row {
    unsigned type;
    uint16_t fixed; // the word with all operands 0
    inst_field op[3];
    int8_t reloc[3];     // relocation type of a symbolic operand, -1 none
    int8_t word2_arg;    // 1-based operand that the following WORD2 carries; -1 single word
    int8_t word2_reloc;  // relocation type of that WORD2, -1 none
    bool extended;       // only in the extended instruction set
};

// Decoding compares the word with each pattern in table order.
struct inst_pattern {
    uint16_t mask;
    uint16_t value;
    unsigned type;
};

struct inst_family {
    uint16_t word_mask; // the bits of one program word
    const inst_row *rows;
    size_t row_count;
    const inst_pattern *patterns;
    size_t pattern_count;
    std::array<int16_t, NUMBER_OF_INST_TYPES + 1> row_of_type; // -1: not in the family
};

template <size_t N>
constexpr std::array<int16_t, NUMBER_OF_INST_TYPES + 1> index_rows(const inst_row (&rows)[N]) {
    std::array<int16_t, NUMBER_OF_INST_TYPES + 1> index{};
    for (auto &slot : index)
        slot = -1;
    for (size_t i = 0; i < N; ++i)
        index[rows[i].type] = static_cast<int16_t>(i);
    return index;
}

extern const inst_family family_TwCORE;
extern const inst_family family_SyCORE;
extern const inst_family family_BaCORE;
extern const inst_family family_VxCORE;

// Field constructors that keep the tables close to the manual's notation.
constexpr inst_field NO_FIELD{0, 0, OPK_NONE};
constexpr inst_field field(operand_kind kind, unsigned high, unsigned low) {
    return inst_field{static_cast<uint8_t>(low), static_cast<uint8_t>(high - low + 1), kind};
}

const inst_row &inst_row_of(const inst_family &family, unsigned type);
unsigned inst_decode(const inst_family &family, uint16_t word);
int inst_is_valid(const inst_family &family, uint16_t word, int extended);
int inst_lookup_mnemonic(const inst_family &family, const char *text, unsigned *type, int extended);

// The field of operand `index` of the word, after decoding it.
const inst_field &inst_word_field(const inst_family &family, uint16_t word, unsigned index);

// Appends one operand to a disassembly text: "0x%lx", with a leading comma
// after the first operand, and the optional brackets of indexed addressing.
void disasm_append(char *text, size_t size, bool first, unsigned long value, bool indexed);
void disasm_append_missing(char *text, size_t size, bool first);

// The common disassembly: mnemonic and each operand in order.  Branch
// offsets print as the target byte address of a byte-addressed family.
const char *disasm_plain(const inst_family &family, unsigned long address, uint16_t word,
                         int *words_used);

// Shared buffer of all disassemblers.
constexpr size_t DISASM_TEXT_SIZE = 64;
extern char disasm_text[DISASM_TEXT_SIZE];

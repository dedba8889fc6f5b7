#include "tools/vxlink/link_reloc.h"

#include "target/instset.h"
#include "target/sfr_map.h"
#include "tools/vxlink/link_symbols.h"

namespace {

// Where one relocation applies, for its checks and messages.
struct patch_site {
    link_state *state;
    int object;
    const coff_reloc *reloc;
    const std::string *section;
    output_section *out;
    uint32_t offset; // of the patched byte or word within the output section
    uint32_t address; // its address
};

void s_fail(const patch_site &site, const char *format, const std::string &detail)
{
    std::string symbol = link_symbol_name(*site.state, site.object, site.reloc->r_symndx);
    char text[256];
    std::snprintf(text, sizeof text, format, detail.c_str());
    link_error(site.state, "%s: section '%s' offset 0x%X: relocation type %u for '%s': %s",
               site.state->objects[site.object].path.c_str(), site.section->c_str(),
               unsigned(site.reloc->r_vaddr), unsigned(site.reloc->r_type), symbol.c_str(), text);
}

uint16_t s_word(const patch_site &site)
{
    const std::vector<uint8_t> &bytes = site.out->bytes;
    return uint16_t(bytes[site.offset] | (bytes[site.offset + 1] << 8));
}

void s_set_word(const patch_site &site, uint16_t word)
{
    site.out->bytes[site.offset] = uint8_t(word);
    site.out->bytes[site.offset + 1] = uint8_t(word >> 8);
}

unsigned s_type(uint16_t word)
{
    return isOpcodeValid_VxCORE(word, 1) ? getInstType_VxCORE(word) : 0;
}

bool s_expect(const patch_site &site, std::initializer_list<unsigned> types, const char *what)
{
    unsigned type = s_type(s_word(site));
    for (unsigned expected : types)
        if (type == expected)
            return true;
    s_fail(site, "the word there is not %s", what);
    return false;
}

std::string s_hex(int64_t value)
{
    char text[32];
    std::snprintf(text, sizeof text, "0x%llX", (unsigned long long)value);
    return text;
}

bool s_data_address(const patch_site &site, int64_t value)
{
    if (value < 0 || value >= DATA_MEMORY_SIZE) {
        s_fail(site, "%s is not a data-memory address", s_hex(value));
        return false;
    }
    return true;
}

// The access bit of a file-register instruction, or -1 for an instruction
// without one (a literal).
int s_access_bit(uint16_t word)
{
    switch (s_type(word)) {
    case IT_CLRF: case IT_CPFSEQ: case IT_CPFSGT: case IT_CPFSLT: case IT_MOVWF: case IT_MULWF:
    case IT_NEGF: case IT_SETF: case IT_TSTFSZ:
        return int(getOperandTwo_VxCORE(word));
    case IT_ADDWF: case IT_ADDWFC: case IT_ANDWF: case IT_COMF: case IT_DCFSNZ: case IT_DECF:
    case IT_DECFSZ: case IT_INCF: case IT_INCFSZ: case IT_INFSNZ: case IT_IORWF: case IT_MOVF:
    case IT_RLCF: case IT_RLNCF: case IT_RRCF: case IT_RRNCF: case IT_SUBFWB: case IT_SUBWF:
    case IT_SUBWFB: case IT_SWAPF: case IT_XORWF: case IT_BCF: case IT_BSF: case IT_BTFSC:
    case IT_BTFSS: case IT_BTG:
        return int(getOperandThree_VxCORE(word));
    default:
        return -1;
    }
}

bool s_branch(const patch_site &site, int64_t target, unsigned bits)
{
    if (target & 1) {
        s_fail(site, "the branch target %s is an odd address", s_hex(target));
        return false;
    }
    int64_t offset = (target - (int64_t(site.address) + 2)) / 2;
    int64_t reach = int64_t(1) << (bits - 1);
    if (offset < -reach || offset >= reach) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "the branch to %s is out of reach (%lld words from 0x%X; the field reaches %lld to %lld)",
                      s_hex(target).c_str(), (long long)offset, unsigned(site.address),
                      (long long)-reach, (long long)(reach - 1));
        s_fail(site, "%s", text);
        return false;
    }
    uint16_t word = s_word(site);
    setOperandOne_VxCORE(&word, unsigned(offset) & unsigned(2 * reach - 1));
    s_set_word(site, word);
    return true;
}

bool s_program_address(const patch_site &site, int64_t target)
{
    if (target < 0 || target >= int64_t(site.state->program_size) || (target & 1)) {
        s_fail(site, "%s is not a word address in program memory", s_hex(target));
        return false;
    }
    return true;
}

void s_set_low12(const patch_site &site, uint32_t value)
{
    s_set_word(site, uint16_t((s_word(site) & 0xF000) | (value & 0xFFF)));
}

void s_apply(const patch_site &site, bool in_code)
{
    const coff_reloc &r = *site.reloc;
    const link_object &input = site.state->objects[site.object];
    int64_t symbol = input.symbol_address[r.r_symndx];
    int64_t value = symbol + r.r_offset;
    unsigned type = r.r_type;
    bool section_value = type >= RELOC_SCNSIZE_LOW && type <= RELOC_SCNEND_LFSR_LOW;
    if (section_value) {
        int named = link_section_named_by(site.state, site.object, r.r_symndx);
        int64_t start = named >= 0 ? site.state->sections[named].address : 0;
        int64_t size = named >= 0 ? site.state->sections[named].size : 0;
        bool size_only = type <= RELOC_SCNSIZE_UPPER;
        value = (size_only ? size : start + size - 1) + r.r_offset;
    }
    bool byte_field = type == RELOC_HIGH || type == RELOC_LOW || type == RELOC_FILE ||
                      type == RELOC_MOVLB || type == RELOC_UPPER ||
                      (type >= RELOC_SCNSIZE_LOW && type <= RELOC_SCNEND_UPPER);
    if (!in_code && !byte_field) {
        s_fail(site, "%s", "the type patches an instruction word, but this section holds data");
        return;
    }
    uint8_t &byte = site.out->bytes[site.offset];
    switch (type) {
    case RELOC_LOW: case RELOC_SCNSIZE_LOW: case RELOC_SCNEND_LOW:
        byte = uint8_t(value);
        return;
    case RELOC_HIGH: case RELOC_SCNSIZE_HIGH: case RELOC_SCNEND_HIGH:
        byte = uint8_t(value >> 8);
        return;
    case RELOC_UPPER: case RELOC_SCNSIZE_UPPER: case RELOC_SCNEND_UPPER:
        byte = uint8_t((value >> 16) & 0x3F);
        return;
    case RELOC_FILE:
        if (in_code) {
            int access = s_access_bit(s_word(site));
            if (access >= 0 && !s_data_address(site, value))
                return;
            if (access == 0 && !in_access_bank(uint32_t(value))) {
                s_fail(site, "the access-bank operand %s lies outside the access bank", s_hex(value));
                return;
            }
        }
        byte = uint8_t(value);
        return;
    case RELOC_MOVLB:
        if (s_data_address(site, value))
            byte = uint8_t(value >> 8);
        return;
    case RELOC_CALL: case RELOC_GOTO:
        if (s_expect(site, {type == RELOC_CALL ? unsigned(IT_CALL) : unsigned(IT_GOTO)},
                     type == RELOC_CALL ? "CALL" : "GOTO") &&
            s_program_address(site, value))
            byte = uint8_t(value >> 1);
        return;
    case RELOC_WORD2_ADDR:
        if (s_expect(site, {IT_WORD2}, "the second word of CALL or GOTO") &&
            s_program_address(site, value))
            s_set_low12(site, uint32_t(value >> 9));
        return;
    case RELOC_MOVFF_SRC:
        if (s_expect(site, {IT_MOVFF}, "MOVFF") && s_data_address(site, value))
            s_set_low12(site, uint32_t(value));
        return;
    case RELOC_MOVFF_DST:
        if (s_expect(site, {IT_WORD2}, "the second word of MOVFF") && s_data_address(site, value))
            s_set_low12(site, uint32_t(value));
        return;
    case RELOC_LFSR_HIGH: case RELOC_SCNEND_LFSR_HIGH:
        if (s_expect(site, {IT_LFSR}, "LFSR") &&
            (type == RELOC_SCNEND_LFSR_HIGH || s_data_address(site, value))) {
            uint16_t word = s_word(site);
            setOperandTwo_VxCORE(&word, unsigned(value >> 8) & 0x0F);
            s_set_word(site, word);
        }
        return;
    case RELOC_LFSR_LOW: case RELOC_SCNEND_LFSR_LOW:
        if (s_expect(site, {IT_WORD2}, "the second word of LFSR") &&
            (type == RELOC_SCNEND_LFSR_LOW || s_data_address(site, value)))
            s_set_word(site, uint16_t((s_word(site) & 0xFF00) | (uint32_t(value) & 0xFF)));
        return;
    case RELOC_BRA:
        if (s_expect(site, {IT_BRA, IT_RCALL}, "BRA or RCALL"))
            s_branch(site, value, 11);
        return;
    case RELOC_CONDBRA:
        if (s_expect(site, {IT_BC, IT_BN, IT_BNC, IT_BNN, IT_BNOV, IT_BNZ, IT_BOV, IT_BZ},
                     "a conditional branch"))
            s_branch(site, value, 8);
        return;
    default:
        s_fail(site, "%s", "unknown relocation type");
        return;
    }
}

} // namespace

bool link_relocate(link_state *state)
{
    for (output_section &out : state->sections) {
        if (!(out.flags & (SCN_CODE | SCN_ROMDATA | SCN_IDATA)) || out.pieces.empty())
            continue;
        out.bytes.assign(out.size, 0);
        for (const input_section &piece : out.pieces) {
            const link_object &input = state->objects[piece.object];
            const coff_section &section = input.coff->sections[piece.index];
            std::copy(section.data.begin(), section.data.end(), out.bytes.begin() + piece.offset);
            std::string name = coff_section_name(input.coff, &section.header);
            bool in_code = section.header.s_flags & SCN_CODE;
            for (const coff_reloc &reloc : section.relocs) {
                patch_site site{state, piece.object, &reloc, &name, &out,
                                piece.offset + reloc.r_vaddr, out.address + piece.offset + reloc.r_vaddr};
                uint64_t need = uint64_t(reloc.r_vaddr) + (in_code ? 2 : 1);
                if (reloc.r_symndx >= input.is_symbol.size() || !input.is_symbol[reloc.r_symndx]) {
                    link_error(state, "%s: section '%s' offset 0x%X: relocation names symbol index %u, which is no symbol",
                               input.path.c_str(), name.c_str(), unsigned(reloc.r_vaddr),
                               unsigned(reloc.r_symndx));
                } else if (need > section.data.size() || (in_code && (reloc.r_vaddr & 1))) {
                    link_error(state, "%s: section '%s' offset 0x%X: relocation outside the section's %zu bytes",
                               input.path.c_str(), name.c_str(), unsigned(reloc.r_vaddr),
                               section.data.size());
                } else {
                    s_apply(site, in_code);
                }
            }
        }
    }
    return state->errors == 0;
}

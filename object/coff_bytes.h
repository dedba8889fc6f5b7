// Little-endian encoding of the object file's records, shared by the writer,
// the reader and the printers.
#pragma once
#include <cstdint>
#include <vector>
#include "object/coff.h"

inline void put_u8(std::vector<uint8_t> &out, uint8_t value) { out.push_back(value); }
inline void put_u16(std::vector<uint8_t> &out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void put_u32(std::vector<uint8_t> &out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
inline uint16_t get_u16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t get_u32(const uint8_t *p) {
    return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

void put_file_header(std::vector<uint8_t> &out, const coff_filehdr &header);
void put_optional_header(std::vector<uint8_t> &out, const coff_opthdr &header);
void put_section_header(std::vector<uint8_t> &out, const coff_scnhdr &header);
void put_raw_data(std::vector<uint8_t> &out, const coff_section &section);
void put_relocations(std::vector<uint8_t> &out, const coff_section &section);
void put_line_numbers(std::vector<uint8_t> &out, const coff_section &section);
void put_symbols(std::vector<uint8_t> &out, const std::vector<coff_symbol> &symbols);
void put_string_table(std::vector<uint8_t> &out, const std::vector<uint8_t> &strings);

// Decoders of one record each; the caller has checked that the bytes exist.
coff_filehdr get_file_header(const uint8_t *p);
coff_opthdr get_optional_header(const uint8_t *p);
coff_scnhdr get_section_header(const uint8_t *p);
coff_reloc get_relocation(const uint8_t *p);
coff_lineno get_line_number(const uint8_t *p);
coff_syment get_symbol(const uint8_t *p);
coff_auxent get_aux(int kind, const uint8_t *p);

// Calls `each(kind)` for every slot of the symbol table: AUX_NONE for a
// symbol, the auxiliary kind of its symbol for an auxiliary entry.
template <typename Each> void walk_symbol_slots(const std::vector<coff_symbol> &symbols, Each each) {
    size_t i = 0;
    while (i < symbols.size()) {
        const coff_syment &sym = symbols[i].sym;
        each(i, -1);
        int kind = coff_has_aux(&sym);
        size_t numaux = static_cast<uint8_t>(sym.n_numaux);
        ++i;
        for (size_t n = 0; n < numaux && i < symbols.size(); ++n, ++i)
            each(i, kind);
    }
}

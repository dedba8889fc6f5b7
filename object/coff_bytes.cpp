#include "object/coff_bytes.h"
#include <algorithm>
#include <cstring>

void put_file_header(std::vector<uint8_t> &out, const coff_filehdr &h) {
    put_u16(out, h.f_magic);
    put_u16(out, h.f_nscns);
    put_u32(out, h.f_timdat);
    put_u32(out, h.f_symptr);
    put_u32(out, h.f_nsyms);
    put_u16(out, h.f_opthdr);
    put_u16(out, h.f_flags);
}

void put_optional_header(std::vector<uint8_t> &out, const coff_opthdr &h) {
    put_u16(out, h.magic);
    put_u32(out, h.vstamp);
    put_u32(out, h.proc_type);
    put_u32(out, h.rom_width_bits);
    put_u32(out, h.ram_width_bits);
}

static void put_name(std::vector<uint8_t> &out, const char name[8]) {
    out.insert(out.end(), name, name + 8);
}

void put_section_header(std::vector<uint8_t> &out, const coff_scnhdr &h) {
    put_name(out, h.s_name);
    put_u32(out, h.s_paddr);
    put_u32(out, h.s_vaddr);
    put_u32(out, h.s_size);
    put_u32(out, h.s_scnptr);
    put_u32(out, h.s_relptr);
    put_u32(out, h.s_lnnoptr);
    put_u16(out, h.s_nreloc);
    put_u16(out, h.s_nlnno);
    put_u32(out, h.s_flags);
}

void put_raw_data(std::vector<uint8_t> &out, const coff_section &section) {
    const coff_scnhdr &h = section.header;
    if (!h.s_scnptr || !h.s_size)
        return;
    size_t have = std::min<size_t>(section.data.size(), h.s_size);
    out.insert(out.end(), section.data.begin(), section.data.begin() + have);
    out.resize(out.size() + (h.s_size - have), 0);
}

void put_relocations(std::vector<uint8_t> &out, const coff_section &section) {
    for (const coff_reloc &r : section.relocs) {
        put_u32(out, r.r_vaddr);
        put_u32(out, r.r_symndx);
        put_u16(out, static_cast<uint16_t>(r.r_offset));
        put_u16(out, r.r_type);
    }
}

void put_line_numbers(std::vector<uint8_t> &out, const coff_section &section) {
    for (const coff_lineno &l : section.linenos) {
        put_u32(out, l.l_srcndx);
        put_u16(out, l.l_lnno);
        put_u32(out, l.l_paddr);
        put_u16(out, l.l_flags);
        put_u32(out, l.l_fcnndx);
    }
}

static void put_symbol(std::vector<uint8_t> &out, const coff_syment &s) {
    put_name(out, s.n_name);
    put_u32(out, s.n_value);
    put_u16(out, static_cast<uint16_t>(s.n_scnum));
    put_u32(out, s.n_type);
    put_u8(out, static_cast<uint8_t>(s.n_sclass));
    put_u8(out, static_cast<uint8_t>(s.n_numaux));
}

static void set16(uint8_t *p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
static void set32(uint8_t *p, uint32_t v) {
    set16(p, v);
    set16(p + 2, v >> 16);
}

static void put_aux(std::vector<uint8_t> &out, int kind, const coff_auxent &a) {
    uint8_t b[SYMESZ] = {};
    switch (kind) {
    case AUX_FILE: set32(b, a.x_offset); set32(b + 4, a.x_incline); b[8] = a.x_flags; break;
    case AUX_SCN: set32(b, a.x_scnlen); set16(b + 4, a.x_nreloc); set16(b + 6, a.x_nlinno); break;
    case AUX_TAG: set16(b + 6, a.x_size); set32(b + 12, a.x_endndx); break;
    case AUX_EOS: set32(b, a.x_tagndx); set16(b + 6, a.x_size); break;
    case AUX_FCN:
        set32(b, a.x_tagndx); set32(b + 4, a.x_size); set32(b + 8, a.x_lnnoptr);
        set32(b + 12, a.x_endndx); set16(b + 16, static_cast<uint16_t>(a.x_actscnum));
        break;
    case AUX_ARR:
        set32(b, a.x_tagndx); set16(b + 4, a.x_lnno); set16(b + 6, a.x_size);
        for (int i = 0; i < 6; ++i)
            set16(b + 8 + 2 * i, a.x_dimen[i]);
        break;
    case AUX_EOBF: set32(b, a.x_srcndx); set16(b + 4, a.x_lnno); break;
    case AUX_BOBF: set32(b, a.x_srcndx); set16(b + 4, a.x_lnno); set32(b + 12, a.x_endndx); break;
    case AUX_VAR: set32(b, a.x_tagndx); set16(b + 6, a.x_size); break;
    case AUX_FIELD: set16(b + 6, a.x_size); break;
    default: break; // an entry of no known kind is written as zeros
    }
    out.insert(out.end(), b, b + SYMESZ);
}

void put_symbols(std::vector<uint8_t> &out, const std::vector<coff_symbol> &symbols) {
    out.reserve(out.size() + SYMESZ * symbols.size());
    walk_symbol_slots(symbols, [&](size_t i, int kind) {
        if (kind < 0)
            put_symbol(out, symbols[i].sym);
        else
            put_aux(out, kind, symbols[i].aux);
    });
}

void put_string_table(std::vector<uint8_t> &out, const std::vector<uint8_t> &strings) {
    // Readers expect the length word even when the table holds no strings.
    if (strings.size() < 4)
        put_u32(out, 4);
    else if (get_u32(strings.data()) != 0)
        out.insert(out.end(), strings.begin(), strings.end());
}

coff_filehdr get_file_header(const uint8_t *p) {
    return coff_filehdr{get_u16(p), get_u16(p + 2), get_u32(p + 4), get_u32(p + 8), get_u32(p + 12),
                        get_u16(p + 16), get_u16(p + 18)};
}

coff_opthdr get_optional_header(const uint8_t *p) {
    return coff_opthdr{get_u16(p), get_u32(p + 2), get_u32(p + 6), get_u32(p + 10), get_u32(p + 14)};
}

coff_scnhdr get_section_header(const uint8_t *p) {
    coff_scnhdr h{};
    memcpy(h.s_name, p, 8);
    h.s_paddr = get_u32(p + 8);
    h.s_vaddr = get_u32(p + 12);
    h.s_size = get_u32(p + 16);
    h.s_scnptr = get_u32(p + 20);
    h.s_relptr = get_u32(p + 24);
    h.s_lnnoptr = get_u32(p + 28);
    h.s_nreloc = get_u16(p + 32);
    h.s_nlnno = get_u16(p + 34);
    h.s_flags = get_u32(p + 36);
    return h;
}

coff_reloc get_relocation(const uint8_t *p) {
    return coff_reloc{get_u32(p), get_u32(p + 4), static_cast<int16_t>(get_u16(p + 8)), get_u16(p + 10)};
}

coff_lineno get_line_number(const uint8_t *p) {
    return coff_lineno{get_u32(p), get_u16(p + 4), get_u32(p + 6), get_u16(p + 10), get_u32(p + 12)};
}

coff_syment get_symbol(const uint8_t *p) {
    coff_syment s{};
    memcpy(s.n_name, p, 8);
    s.n_value = get_u32(p + 8);
    s.n_scnum = static_cast<int16_t>(get_u16(p + 12));
    s.n_type = get_u32(p + 14);
    s.n_sclass = static_cast<int8_t>(p[18]);
    s.n_numaux = static_cast<int8_t>(p[19]);
    return s;
}

coff_auxent get_aux(int kind, const uint8_t *b) {
    coff_auxent a{};
    switch (kind) {
    case AUX_FILE: a.x_offset = get_u32(b); a.x_incline = get_u32(b + 4); a.x_flags = b[8]; break;
    case AUX_SCN: a.x_scnlen = get_u32(b); a.x_nreloc = get_u16(b + 4); a.x_nlinno = get_u16(b + 6); break;
    case AUX_TAG: a.x_size = get_u16(b + 6); a.x_endndx = get_u32(b + 12); break;
    case AUX_EOS: a.x_tagndx = get_u32(b); a.x_size = get_u16(b + 6); break;
    case AUX_FCN:
        a.x_tagndx = get_u32(b); a.x_size = get_u32(b + 4); a.x_lnnoptr = get_u32(b + 8);
        a.x_endndx = get_u32(b + 12); a.x_actscnum = static_cast<int16_t>(get_u16(b + 16));
        break;
    case AUX_ARR:
        a.x_tagndx = get_u32(b); a.x_lnno = get_u16(b + 4); a.x_size = get_u16(b + 6);
        for (int i = 0; i < 6; ++i)
            a.x_dimen[i] = get_u16(b + 8 + 2 * i);
        break;
    case AUX_EOBF: a.x_srcndx = get_u32(b); a.x_lnno = get_u16(b + 4); break;
    case AUX_BOBF: a.x_srcndx = get_u32(b); a.x_lnno = get_u16(b + 4); a.x_endndx = get_u32(b + 12); break;
    case AUX_VAR: a.x_tagndx = get_u32(b); a.x_size = get_u16(b + 6); break;
    case AUX_FIELD: a.x_size = get_u16(b + 6); break;
    default: break;
    }
    return a;
}

// The textual dump of an object image, one line per header field or entry.
#include <cstdio>
#include <ctime>
#include "object/coff.h"
#include "object/coff_bytes.h"

std::string hexPrint(unsigned long value, unsigned bytes) {
    if (bytes < 1 || bytes > 4)
        return "<NaN>";
    char text[16];
    snprintf(text, sizeof text, "0x%0*lx", static_cast<int>(2 * bytes), value);
    return text;
}

static std::string utc_date(uint32_t seconds) {
    time_t when = seconds;
    struct tm parts;
    char text[64];
    if (!gmtime_r(&when, &parts) || !strftime(text, sizeof text, "%a %b %e %H:%M:%S %Y UTC", &parts))
        return "?";
    return text;
}

static void print_file_header(const coff_filehdr &h) {
    printf("File Header:\n");
    printf("    f_magic=%s\n", hexPrint(h.f_magic, 2).c_str());
    printf("    f_nscns=%u\n", h.f_nscns);
    printf("    f_timdat=%s %s\n", hexPrint(h.f_timdat, 4).c_str(), utc_date(h.f_timdat).c_str());
    printf("    f_symptr=%s\n", hexPrint(h.f_symptr, 4).c_str());
    printf("    f_nsyms=%u\n", h.f_nsyms);
    printf("    f_opthdr=%u\n", h.f_opthdr);
    printf("    f_flags=%s\n", hexPrint(h.f_flags, 2).c_str());
}

static void print_optional_header(const coff_opthdr &h) {
    printf("Optional Header:\n");
    printf("    magic=%u\n", h.magic);
    printf("    vstamp=%u\n", h.vstamp);
    printf("    proc_type=%s\n", hexPrint(h.proc_type, 4).c_str());
    printf("    rom_width_bits=%u\n", h.rom_width_bits);
    printf("    ram_width_bits=%u\n", h.ram_width_bits);
}

static void print_section(const coff_file *image, const coff_section &section) {
    const coff_scnhdr &h = section.header;
    printf("Section Header:\n");
    printf("    s_paddr=%s\n", hexPrint(h.s_paddr, 4).c_str());
    printf("    s_vaddr=%s\n", hexPrint(h.s_vaddr, 4).c_str());
    printf("    s_size=%u\n", h.s_size);
    printf("    s_scnptr=%s\n", hexPrint(h.s_scnptr, 4).c_str());
    printf("    s_relptr=%s\n", hexPrint(h.s_relptr, 4).c_str());
    printf("    s_lnnoptr=%s\n", hexPrint(h.s_lnnoptr, 4).c_str());
    printf("    s_nreloc=%u\n", h.s_nreloc);
    printf("    s_nlnno=%u\n", h.s_nlnno);
    printf("    s_flags=%s\n", hexPrint(h.s_flags, 4).c_str());
    printf("    _s_name=%s\n", coff_section_name(image, &h).c_str());
    for (const coff_lineno &l : section.linenos)
        printf("Line Number: l_srcndx=%u l_lnno=%u l_paddr=%s l_flags=%s l_fcnndx=%u\n", l.l_srcndx, l.l_lnno,
               hexPrint(l.l_paddr, 4).c_str(), hexPrint(l.l_flags, 2).c_str(), l.l_fcnndx);
    for (const coff_reloc &r : section.relocs)
        printf("Relocation: r_vaddr=%s r_symndx=%u r_offset=%d r_type=%u\n", hexPrint(r.r_vaddr, 4).c_str(),
               r.r_symndx, r.r_offset, r.r_type);
    printf("Raw Data:\n");
    const std::vector<uint8_t> &data = section.data;
    for (size_t at = 0; at < data.size(); at += 16) {
        printf("    %s:", hexPrint(at, 4).c_str());
        for (size_t i = at; i < data.size() && i < at + 16; i += 2) {
            if (i + 1 < data.size())
                printf(" %s", hexPrint(get_u16(&data[i]), 2).c_str());
            else
                printf(" %s", hexPrint(data[i], 1).c_str());
        }
        printf("\n");
    }
}

static void print_symbol(const coff_file *image, const coff_syment &s) {
    printf("Symbol: n_name=%s n_value=%s n_scnum=%d n_type=%s n_sclass=%d n_numaux=%d\n",
           coff_symbol_name(image, &s).c_str(), hexPrint(s.n_value, 4).c_str(), s.n_scnum,
           hexPrint(s.n_type, 4).c_str(), s.n_sclass, s.n_numaux);
}

static void print_aux(int kind, const coff_auxent &a) {
    switch (kind) {
    case AUX_FILE: printf("Aux File: x_offset=%u x_incline=%u x_flags=%u\n", a.x_offset, a.x_incline, a.x_flags); break;
    case AUX_SCN: printf("Aux Scn: x_scnlen=%u x_nreloc=%u x_nlinno=%u\n", a.x_scnlen, a.x_nreloc, a.x_nlinno); break;
    case AUX_TAG: printf("Aux Tag: x_size=%u x_endndx=%u\n", a.x_size, a.x_endndx); break;
    case AUX_EOS: printf("Aux Eos: x_tagndx=%u x_size=%u\n", a.x_tagndx, a.x_size); break;
    case AUX_FCN:
        printf("Aux Fcn: x_tagndx=%u x_size=%u x_lnnoptr=%s x_endndx=%u x_actscnum=%d\n", a.x_tagndx, a.x_size,
               hexPrint(a.x_lnnoptr, 4).c_str(), a.x_endndx, a.x_actscnum);
        break;
    case AUX_ARR:
        printf("Aux Arr: x_tagndx=%u x_lnno=%u x_size=%u x_dimen=%u,%u,%u,%u,%u,%u\n", a.x_tagndx, a.x_lnno,
               a.x_size, a.x_dimen[0], a.x_dimen[1], a.x_dimen[2], a.x_dimen[3], a.x_dimen[4], a.x_dimen[5]);
        break;
    case AUX_EOBF: printf("Aux Eobf: x_srcndx=%u x_lnno=%u\n", a.x_srcndx, a.x_lnno); break;
    case AUX_BOBF: printf("Aux Bobf: x_srcndx=%u x_lnno=%u x_endndx=%u\n", a.x_srcndx, a.x_lnno, a.x_endndx); break;
    case AUX_VAR: printf("Aux Var: x_tagndx=%u x_size=%u\n", a.x_tagndx, a.x_size); break;
    case AUX_FIELD: printf("Aux Field: x_size=%u\n", a.x_size); break;
    default: printf("Aux: (unknown kind)\n"); break;
    }
}

static void print_string_table(const std::vector<uint8_t> &strings) {
    printf("String Table:\n");
    size_t at = 4;
    while (at < strings.size()) {
        size_t end = at;
        while (end < strings.size() && strings[end])
            ++end;
        printf("Offset[%d]= %.*s\n", static_cast<int>(at), static_cast<int>(end - at),
               reinterpret_cast<const char *>(&strings[at]));
        at = end + 1;
    }
}

void coff_print(const coff_file *image) {
    printf("CoffFile: ");
    if (image->filename.empty())
        printf("<unnamed>\n");
    else
        printf("'%s'\n", image->filename.c_str());
    print_file_header(image->header);
    print_optional_header(image->opthdr);
    for (const coff_section &section : image->sections)
        print_section(image, section);
    printf("Symbol Table:\n");
    walk_symbol_slots(image->symbols, [&](size_t i, int kind) {
        printf("Index[%d]=", static_cast<int>(i));
        if (kind < 0)
            print_symbol(image, image->symbols[i].sym);
        else
            print_aux(kind, image->symbols[i].aux);
    });
    print_string_table(image->strings);
}

void coff_print_gnureloc(const uint8_t *entry) {
    printf("Relocation: r_vaddr=%s r_symndx=%u r_type=%u\n", hexPrint(get_u32(entry), 4).c_str(), get_u32(entry + 4),
           get_u16(entry + 8));
}

void coff_print_gnulineno(const uint8_t *entry) {
    printf("Line Number: l_paddr=%s l_lnno=%u\n", hexPrint(get_u32(entry), 4).c_str(), get_u16(entry + 4));
}

#include "object/coff.h"
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <ctime>
#include <new>
#include <sys/stat.h>
#include <unordered_map>
#include "object/coff_bytes.h"
#include "support/platform.h"
#include "support/vxassert.h"

int coff_debug_flag = 0;

// ---- The image ----

coff_file *coff_create() {
    coff_file *image = new (std::nothrow) coff_file{};
    if (!image) {
        printf("Out of memory.\n");
        return nullptr;
    }
    put_u32(image->strings, 4); // the length word counts itself
    return image;
}

void coff_free_section(coff_section *section) {
    section->relocs = {};
    section->linenos = {};
    section->data = {};
}

void coff_free(coff_file *image) {
    if (!image)
        return;
    for (coff_section &section : image->sections)
        coff_free_section(&section);
    delete image;
}

coff_section *coff_add_section(coff_file *image) {
    image->sections.emplace_back();
    return &image->sections.back();
}

unsigned coff_add_symbol(coff_file *image) {
    image->symbols.emplace_back();
    return static_cast<unsigned>(image->symbols.size() - 1);
}

uint32_t coff_add_string(coff_file *image, const char *text) {
    if (image->strings.size() < 4)
        image->strings.assign(4, 0);
    uint32_t offset = static_cast<uint32_t>(image->strings.size());
    image->strings.insert(image->strings.end(), text, text + strlen(text) + 1);
    uint32_t length = static_cast<uint32_t>(image->strings.size());
    for (int i = 0; i < 4; ++i)
        image->strings[i] = static_cast<uint8_t>(length >> (8 * i));
    return offset;
}

void coff_add_word(coff_section *section, uint16_t word) {
    section->data.push_back(static_cast<uint8_t>(word));
    section->data.push_back(static_cast<uint8_t>(word >> 8));
}

uint32_t coff_string_table_length(const coff_file *image) {
    return image->strings.size() >= 4 ? get_u32(image->strings.data()) : 0;
}

const char *coff_string_at(const coff_file *image, uint32_t offset) {
    size_t size = image->strings.size();
    if (offset < 4 || offset >= size)
        return nullptr;
    const void *end = memchr(image->strings.data() + offset, 0, size - offset);
    return end ? reinterpret_cast<const char *>(image->strings.data() + offset) : nullptr;
}

// ---- Names ----

static void set_name(coff_file *image, char field[8], const char *name, size_t inline_limit) {
    memset(field, 0, 8);
    size_t length = strlen(name);
    if (length == 0) {
        field[1] = 1; // keeps the first four bytes from reading as a string reference
    } else if (length < inline_limit) {
        memcpy(field, name, length);
    } else {
        uint32_t offset = coff_add_string(image, name);
        for (int i = 0; i < 4; ++i)
            field[4 + i] = static_cast<char>(offset >> (8 * i));
    }
}

static std::string get_name(const coff_file *image, const char field[8]) {
    if (field[0] == 0 && field[1] == 0 && field[2] == 0 && field[3] == 0) {
        const char *text = coff_string_at(image, get_u32(reinterpret_cast<const uint8_t *>(field) + 4));
        return text ? text : "";
    }
    return std::string(field, strnlen(field, 8));
}

void coff_set_symbol_name(coff_file *image, coff_syment *symbol, const char *name) {
    set_name(image, symbol->n_name, name, 8);
}

void coff_set_section_name(coff_file *image, coff_scnhdr *header, const char *name) {
    set_name(image, header->s_name, name, 7);
}

std::string coff_symbol_name(const coff_file *image, const coff_syment *symbol) {
    return get_name(image, symbol->n_name);
}

std::string coff_section_name(const coff_file *image, const coff_scnhdr *header) {
    return get_name(image, header->s_name);
}

// ---- Predicates ----

static bool inline_name_is(const coff_syment *symbol, const char *text) {
    return strncmp(symbol->n_name, text, 8) == 0;
}

int coff_is_function(const coff_syment *symbol) { return ((symbol->n_type >> N_BTSHFT) & 7) == DT_FCN; }

int coff_is_array(const coff_syment *symbol) {
    for (unsigned group = 0; group < 9; ++group)
        if (((symbol->n_type >> (N_BTSHFT + N_TSHIFT * group)) & 7) == DT_ARY)
            return 1;
    return 0;
}

int coff_is_tag(const coff_syment *symbol) {
    return symbol->n_sclass == C_STRTAG || symbol->n_sclass == C_UNTAG || symbol->n_sclass == C_ENTAG;
}

int coff_is_sue_var(const coff_syment *symbol) {
    unsigned basic = symbol->n_type & 0x1F;
    return basic == T_STRUCT || basic == T_UNION || basic == T_ENUM;
}

int coff_isScn(const coff_syment *symbol) { return symbol->n_sclass == C_SCN; }

int coff_isRelocatable(const coff_syment *symbol) {
    if (symbol->n_scnum <= 0)
        return 0;
    switch (symbol->n_sclass) {
    case C_EXT: case C_STAT: case C_LABEL: case C_BLOCK: case C_FCN: return 1;
    default: return 0;
    }
}

int coff_has_aux(const coff_syment *symbol) {
    if (symbol->n_numaux == 0)
        return AUX_NONE;
    if (symbol->n_sclass == C_FILE)
        return AUX_FILE;
    if (symbol->n_sclass == C_EOS)
        return AUX_EOS;
    if (symbol->n_sclass == C_FIELD)
        return AUX_FIELD;
    if (coff_is_array(symbol))
        return AUX_ARR;
    if (coff_is_function(symbol))
        return AUX_FCN;
    if (inline_name_is(symbol, ".bf") || inline_name_is(symbol, ".bb"))
        return AUX_BOBF;
    if (inline_name_is(symbol, ".ef") || inline_name_is(symbol, ".eb"))
        return AUX_EOBF;
    if (coff_is_tag(symbol))
        return AUX_TAG;
    if (coff_is_sue_var(symbol))
        return AUX_VAR;
    if (coff_isScn(symbol))
        return AUX_SCN;
    return AUX_NONE;
}

int coff_hasRelocation(const coff_filehdr *header) { return !(header->f_flags & F_RELFLG); }
int coff_isExecutable(const coff_filehdr *header) { return (header->f_flags & F_EXEC) != 0; }
int coff_hasLineNumbers(const coff_filehdr *header) { return !(header->f_flags & F_LNNO); }
int coff_hasLocalSymbols(const coff_filehdr *header) { return !(header->f_flags & F_LSYMS); }

void set_scn_flags(coff_scnhdr *section, int type, int absolute, int shared, int overlay, int access) {
    static const uint32_t type_bit[] = {0, SCN_CODE, SCN_IDATA, SCN_UDATA, SCN_ROMDATA, SCN_ACTREC, SCN_UDATA};
    VX_ASSERT(type >= SCN_TYPE_CODE && type <= SCN_TYPE_TMPDATA);
    section->s_flags = type_bit[type] | (absolute ? SCN_ABS : 0) | (shared ? SCN_SHARED : 0) |
                       (overlay ? SCN_OVERLAY : 0) | (access ? SCN_ACCESS : 0);
}

int getScnType(const coff_scnhdr *section) {
    if (section->s_flags & SCN_CODE)
        return SCN_TYPE_CODE;
    if (section->s_flags & SCN_IDATA)
        return SCN_TYPE_IDATA;
    if (section->s_flags & SCN_UDATA)
        return SCN_TYPE_UDATA;
    if (section->s_flags & SCN_ROMDATA)
        return SCN_TYPE_ROMDATA;
    if (section->s_flags & SCN_ACTREC)
        return SCN_TYPE_ACTREC;
    return 0;
}

int isScnActRec(const coff_scnhdr *section) { return (section->s_flags & SCN_ACTREC) != 0; }
int isScnAbs(const coff_scnhdr *section) { return (section->s_flags & SCN_ABS) != 0; }
int isScnShared(const coff_scnhdr *section) { return (section->s_flags & SCN_SHARED) != 0; }
int isScnOverlay(const coff_scnhdr *section) { return (section->s_flags & SCN_OVERLAY) != 0; }

int coff_scn_has_no_file_data(const coff_scnhdr *section) {
    return (section->s_flags & (SCN_UDATA | SCN_ACTREC)) != 0;
}

// ---- Layout ----

// SOURCE_DATE_EPOCH fixes the time stamp, so that a build can be repeated
// byte for byte.
static uint32_t s_time_of_writing() {
    if (const char *fixed = getenv("SOURCE_DATE_EPOCH")) {
        char *end = nullptr;
        unsigned long long seconds = strtoull(fixed, &end, 10);
        if (end != fixed && *end == '\0' && seconds <= UINT32_MAX)
            return static_cast<uint32_t>(seconds);
    }
    return static_cast<uint32_t>(time(nullptr));
}

void coff_preWrite(coff_file *image) {
    coff_filehdr &fh = image->header;
    VX_ASSERT(image->sections.size() <= 0xFFFF);
    fh.f_nscns = static_cast<uint16_t>(image->sections.size());
    fh.f_nsyms = static_cast<uint32_t>(image->symbols.size());

    uint32_t section_headers = FILHSZ + COFF_OPTHDR_SIZE;
    uint32_t raw_start = section_headers + SCNHSZ * fh.f_nscns;
    uint32_t raw_length = 0, relocs = 0, lines = 0;
    for (coff_section &section : image->sections) {
        VX_ASSERT(section.relocs.size() <= 0xFFFF && section.linenos.size() <= 0xFFFF);
        section.header.s_nreloc = static_cast<uint16_t>(section.relocs.size());
        section.header.s_nlnno = static_cast<uint16_t>(section.linenos.size());
        if (!coff_scn_has_no_file_data(&section.header)) {
            VX_ASSERT(section.data.size() == section.header.s_size);
            raw_length += section.header.s_size;
        }
        relocs += section.header.s_nreloc;
        lines += section.header.s_nlnno;
    }
    uint32_t reloc_start = raw_start + raw_length;
    uint32_t line_start = reloc_start + RELSZ * relocs;
    uint32_t symbol_start = line_start + LINESZ * lines;
    uint32_t string_start = symbol_start + SYMESZ * fh.f_nsyms;
    if (coff_debug_flag) {
        printf("secHdrStart=%s, secHdrLength=%s\n", hexPrint(section_headers, 4).c_str(),
               hexPrint(SCNHSZ * fh.f_nscns, 4).c_str());
        printf("rawDataStart=%s, rawDataLength=%s\n", hexPrint(raw_start, 4).c_str(), hexPrint(raw_length, 4).c_str());
        printf("relocStart=%s, relocLength=%s\n", hexPrint(reloc_start, 4).c_str(), hexPrint(RELSZ * relocs, 4).c_str());
        printf("lineStart=%s, lineLength=%s\n", hexPrint(line_start, 4).c_str(), hexPrint(LINESZ * lines, 4).c_str());
        printf("symbolStart=%s, symbolLength=%s\n", hexPrint(symbol_start, 4).c_str(),
               hexPrint(SYMESZ * fh.f_nsyms, 4).c_str());
        printf("stringStart=%s, stringLength=%s\n", hexPrint(string_start, 4).c_str(),
               hexPrint(coff_string_table_length(image), 4).c_str());
    }

    fh.f_timdat = s_time_of_writing();
    fh.f_symptr = fh.f_nsyms ? symbol_start : 0;
    fh.f_opthdr = COFF_OPTHDR_SIZE;

    uint32_t raw = raw_start, reloc = reloc_start, line = line_start;
    for (coff_section &section : image->sections) {
        coff_scnhdr &h = section.header;
        bool in_file = !coff_scn_has_no_file_data(&h);
        h.s_scnptr = in_file && h.s_size ? raw : 0;
        if (in_file)
            raw += h.s_size;
        h.s_relptr = h.s_nreloc ? reloc : 0;
        reloc += RELSZ * h.s_nreloc;
        h.s_lnnoptr = h.s_nlnno ? line : 0;
        line += LINESZ * h.s_nlnno;
        if (coff_debug_flag) {
            printf("raw data: size=%s, ptr=%s\n", hexPrint(h.s_size, 4).c_str(), hexPrint(h.s_scnptr, 4).c_str());
            printf("reloc: num=%lu, ptr=%s\n", static_cast<unsigned long>(h.s_nreloc), hexPrint(h.s_relptr, 4).c_str());
            printf("line: num=%lu, ptr=%s\n", static_cast<unsigned long>(h.s_nlnno), hexPrint(h.s_lnnoptr, 4).c_str());
        }
    }
    coff_fixupAuxFcns(image);
    fh.f_magic = COFF_MAGIC;
}

void coff_fixupAuxFcns(coff_file *image) {
    std::vector<coff_symbol> &symbols = image->symbols;
    // Each section's first line entry of every function, found in one pass.
    std::vector<std::unordered_map<uint32_t, size_t>> first_line(image->sections.size());
    for (size_t s = 0; s < image->sections.size(); ++s) {
        const std::vector<coff_lineno> &lines = image->sections[s].linenos;
        for (size_t n = lines.size(); n-- > 0;)
            first_line[s][lines[n].l_fcnndx] = n;
    }
    for (size_t i = 0; i < symbols.size(); ++i) {
        const coff_syment &sym = symbols[i].sym;
        size_t numaux = static_cast<uint8_t>(sym.n_numaux);
        int kind = coff_has_aux(&sym);
        if (kind == AUX_FCN && numaux && i + 1 < symbols.size() && sym.n_scnum > 0 &&
            static_cast<size_t>(sym.n_scnum) <= image->sections.size()) {
            const coff_section &section = image->sections[sym.n_scnum - 1];
            auto found = first_line[sym.n_scnum - 1].find(static_cast<uint32_t>(i));
            if (found != first_line[sym.n_scnum - 1].end()) {
                size_t n = found->second;
                coff_auxent &aux = symbols[i + 1].aux;
                uint32_t pointer = section.header.s_lnnoptr + static_cast<uint32_t>(LINESZ * n);
                if (coff_debug_flag) {
                    printf("Coff::fixupAuxFcns() - aux_fcn[%d] in section[%d] from %s", static_cast<int>(i + 1),
                           sym.n_scnum, hexPrint(aux.x_lnnoptr, 4).c_str());
                    printf("to %s\n", hexPrint(pointer, 4).c_str());
                }
                aux.x_lnnoptr = pointer;
            }
        }
        i += numaux;
    }
}

// ---- Writing ----

std::vector<uint8_t> coff_serialize(const coff_file *image) {
    std::vector<uint8_t> out;
    put_file_header(out, image->header);
    put_optional_header(out, image->opthdr);
    for (const coff_section &section : image->sections)
        put_section_header(out, section.header);
    for (const coff_section &section : image->sections)
        put_raw_data(out, section);
    for (const coff_section &section : image->sections)
        put_relocations(out, section);
    for (const coff_section &section : image->sections)
        put_line_numbers(out, section);
    put_symbols(out, image->symbols);
    put_string_table(out, image->strings);
    return out;
}

namespace {

// Writes each part of the file in order; the first failure names its part.
struct part_writer {
    FILE *file;
    const char *name;
    bool failed = false;

    void write(const std::vector<uint8_t> &bytes, const char *message) {
        if (failed || bytes.empty())
            return;
        if (fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            printf(message, name);
            failed = true;
        }
    }
};

} // namespace

int coff_write(coff_file *image) {
    const char *name = image->filename.c_str();
    FILE *file = host_fopen(name, "wb");
    if (!file)
        return 0;
    part_writer writer{file, name};
    std::vector<uint8_t> part;
    put_file_header(part, image->header);
    writer.write(part, "File '%s' could not write COFF file header.\n");
    part.clear();
    put_optional_header(part, image->opthdr);
    writer.write(part, "File '%s' could not write COFF optional file header.\n");
    part.clear();
    for (const coff_section &section : image->sections)
        put_section_header(part, section.header);
    writer.write(part, "File '%s' could not write COFF section header.\n");
    part.clear();
    for (const coff_section &section : image->sections)
        put_raw_data(part, section);
    writer.write(part, "File '%s' could not write COFF raw data.\n");
    part.clear();
    for (const coff_section &section : image->sections)
        put_relocations(part, section);
    writer.write(part, "File '%s' could not write COFF relocation entries.\n");
    part.clear();
    for (const coff_section &section : image->sections)
        put_line_numbers(part, section);
    writer.write(part, "File '%s' could not write COFF line numbers.\n");
    part.clear();
    put_symbols(part, image->symbols);
    writer.write(part, "File '%s' could not write COFF symbol table.\n");
    part.clear();
    put_string_table(part, image->strings);
    writer.write(part, "File '%s' could not write COFF string table.\n");
    // Buffered bytes reach the disk only now; a failure here hits the tail.
    if (fflush(file) != 0 && !writer.failed) {
        printf("File '%s' could not write COFF string table.\n", name);
        writer.failed = true;
    }
    struct stat info;
    bool regular = fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
    if (fclose(file) != 0 && !writer.failed) {
        printf("File '%s' could not write COFF string table.\n", name);
        writer.failed = true;
    }
    // A truncated object would look up to date to a build tool, so it goes.
    if (writer.failed && regular)
        host_remove(name);
    return writer.failed ? 0 : 1;
}

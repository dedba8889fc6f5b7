// Reading an object file.  The whole file is read first and every record
// is checked against its size before it is decoded or allocated, so a
// hostile header can neither reach outside the file nor make the reader
// allocate more than a few times the file's own size.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include "object/coff.h"
#include "object/coff_bytes.h"
#include "support/platform.h"

namespace {

struct reader {
    const char *name;
    const uint8_t *bytes;
    uint64_t size;

    bool has(uint64_t offset, uint64_t length) const { return offset <= size && length <= size - offset; }

    coff_file *fail(const char *message) const {
        printf(message, name);
        return nullptr;
    }
};

// Where the string table starts when the file has no symbol table: right
// after the last part that the section headers describe.
uint64_t end_of_section_parts(const coff_file &image) {
    uint64_t end = FILHSZ + COFF_OPTHDR_SIZE + uint64_t(SCNHSZ) * image.sections.size();
    for (const coff_section &section : image.sections) {
        const coff_scnhdr &h = section.header;
        if (h.s_scnptr)
            end = std::max(end, uint64_t(h.s_scnptr) + h.s_size);
        if (h.s_nreloc)
            end = std::max(end, uint64_t(h.s_relptr) + uint64_t(RELSZ) * h.s_nreloc);
        if (h.s_nlnno)
            end = std::max(end, uint64_t(h.s_lnnoptr) + uint64_t(LINESZ) * h.s_nlnno);
    }
    return end;
}

coff_file *parse(const reader &in, coff_file &image) {
    if (!in.has(0, FILHSZ))
        return in.fail("File '%s', could not read COFF file header.\n");
    image.header = get_file_header(in.bytes);
    const coff_filehdr &fh = image.header;
    if (fh.f_magic != COFF_MAGIC)
        return in.fail("File '%s', does not appear to be a valid COFF file.\n");
    if (fh.f_opthdr != COFF_OPTHDR_SIZE)
        return in.fail("File '%s', missing COFF optional file header.\n");
    if (!in.has(FILHSZ, COFF_OPTHDR_SIZE))
        return in.fail("File '%s', could not read COFF optional file header.\n");
    image.opthdr = get_optional_header(in.bytes + FILHSZ);

    const uint64_t header_start = FILHSZ + COFF_OPTHDR_SIZE;
    if (!in.has(header_start, uint64_t(SCNHSZ) * fh.f_nscns))
        return in.fail("File '%s', could not read section header.\n");
    image.sections.resize(fh.f_nscns);
    for (unsigned i = 0; i < fh.f_nscns; ++i)
        image.sections[i].header = get_section_header(in.bytes + header_start + SCNHSZ * i);

    uint64_t symbols_length = uint64_t(SYMESZ) * fh.f_nsyms;
    uint64_t strings_at = fh.f_symptr || fh.f_nsyms ? fh.f_symptr + symbols_length : end_of_section_parts(image);
    if (!in.has(strings_at, 4))
        return in.fail("File '%s', could not read COFF string table length.\n");
    uint32_t strings_length = get_u32(in.bytes + strings_at);
    if (strings_length < 4 || !in.has(strings_at, strings_length))
        return in.fail("File '%s', could not read COFF string table.\n");
    image.strings.assign(in.bytes + strings_at, in.bytes + strings_at + strings_length);

    if (!in.has(fh.f_symptr, symbols_length))
        return in.fail("File '%s', could not read symbol table.\n");
    image.symbols.resize(fh.f_nsyms);
    const uint8_t *symbol_bytes = in.bytes + fh.f_symptr;
    // Each symbol is decoded before the walk asks it for its auxiliary kind.
    walk_symbol_slots(image.symbols, [&](size_t i, int kind) {
        if (kind < 0)
            image.symbols[i].sym = get_symbol(symbol_bytes + SYMESZ * i);
        else
            image.symbols[i].aux = get_aux(kind, symbol_bytes + SYMESZ * i);
    });

    for (coff_section &section : image.sections) {
        const coff_scnhdr &h = section.header;
        if (h.s_scnptr) {
            if (!in.has(h.s_scnptr, h.s_size))
                return in.fail("File '%s', could not read raw data.\n");
            section.data.assign(in.bytes + h.s_scnptr, in.bytes + h.s_scnptr + h.s_size);
        }
        if (h.s_nlnno) {
            if (!in.has(h.s_lnnoptr, uint64_t(LINESZ) * h.s_nlnno))
                return in.fail("File '%s', could not read line numbers.\n");
            section.linenos.resize(h.s_nlnno);
            for (unsigned n = 0; n < h.s_nlnno; ++n)
                section.linenos[n] = get_line_number(in.bytes + h.s_lnnoptr + LINESZ * n);
        }
        if (h.s_nreloc) {
            if (!in.has(h.s_relptr, uint64_t(RELSZ) * h.s_nreloc))
                return in.fail("File '%s', could not read relocation info.\n");
            section.relocs.resize(h.s_nreloc);
            for (unsigned n = 0; n < h.s_nreloc; ++n)
                section.relocs[n] = get_relocation(in.bytes + h.s_relptr + RELSZ * n);
        }
    }
    return &image;
}

} // namespace

coff_file *coff_read_memory(const char *filename, const uint8_t *bytes, size_t size) {
    try {
        std::unique_ptr<coff_file> image(new coff_file{});
        image->filename = filename;
        if (!parse(reader{filename, bytes, size}, *image))
            return nullptr;
        return image.release();
    } catch (const std::bad_alloc &) {
        printf("Out of memory.\n");
        return nullptr;
    }
}

coff_file *coff_read(const char *filename) {
    FILE *file = host_fopen(filename, "rb");
    if (!file) {
        printf("Could not open file '%s'.\n", filename);
        return nullptr;
    }
    std::vector<uint8_t> bytes;
    try {
        uint8_t chunk[65536];
        size_t got;
        while ((got = fread(chunk, 1, sizeof chunk, file)) > 0)
            bytes.insert(bytes.end(), chunk, chunk + got);
    } catch (const std::bad_alloc &) {
        fclose(file);
        printf("Out of memory.\n");
        return nullptr;
    }
    bool failed = ferror(file) != 0;
    fclose(file);
    if (failed) {
        printf("File '%s', could not read COFF file header.\n", filename);
        return nullptr;
    }
    return coff_read_memory(filename, bytes.data(), bytes.size());
}

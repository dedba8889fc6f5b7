// Objects written for the tests that link or archive them.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "object/coff.h"
#include "target/procdb.h"

// An object file built through the COFF writer.
struct object_builder {
    coff_file *image = coff_create();

    object_builder() { image->opthdr.proc_type = getDvsProcType(DEFAULT_PROCESSOR); }
    ~object_builder() { coff_free(image); }

    // Returns the 1-based section number.
    int section(const char *name, uint32_t flags, uint32_t size = 0, uint32_t address = 0)
    {
        coff_section *s = coff_add_section(image);
        coff_set_section_name(image, &s->header, name);
        s->header.s_flags = flags;
        s->header.s_size = size;
        s->header.s_paddr = address;
        return int(image->sections.size());
    }
    void words(int section, const std::vector<uint16_t> &code)
    {
        coff_section &s = image->sections[section - 1];
        for (uint16_t word : code)
            coff_add_word(&s, word);
        s.header.s_size = uint32_t(s.data.size());
    }
    void bytes(int section, const std::vector<uint8_t> &data)
    {
        coff_section &s = image->sections[section - 1];
        s.data = data;
        s.header.s_size = uint32_t(data.size());
    }
    unsigned symbol(const char *name, uint32_t value, int section, int sclass = C_EXT)
    {
        unsigned index = coff_add_symbol(image);
        coff_syment &sym = image->symbols[index].sym;
        coff_set_symbol_name(image, &sym, name);
        sym.n_value = value;
        sym.n_scnum = int16_t(section);
        sym.n_sclass = int8_t(sclass);
        return index;
    }
    unsigned external(const char *name) { return symbol(name, 0, N_UNDEF); }
    void reloc(int section, uint32_t offset, unsigned symbol, uint16_t type, int16_t addend = 0)
    {
        image->sections[section - 1].relocs.push_back(coff_reloc{offset, symbol, addend, type});
    }
    std::string write(const std::string &path)
    {
        image->filename = path;
        coff_preWrite(image);
        EXPECT_EQ(coff_write(image), 1);
        return path;
    }
};

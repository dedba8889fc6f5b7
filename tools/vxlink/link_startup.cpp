#include "tools/vxlink/link_startup.h"

#include <vector>

#include "target/instset.h"
#include "tools/vxlink/link_symbols.h"

namespace {

uint16_t s_encode(unsigned type, unsigned one = 0)
{
    uint16_t word = 0;
    setInstType_VxCORE(&word, type);
    setOperandOne_VxCORE(&word, one);
    return word;
}

void s_put16(std::vector<uint8_t> *bytes, uint32_t value)
{
    bytes->push_back(uint8_t(value));
    bytes->push_back(uint8_t(value >> 8));
}

int s_add_section(link_state *state, const char *name, uint32_t flags, uint32_t size)
{
    output_section section{};
    section.name = name;
    section.flags = flags;
    section.space = flags & (SCN_CODE | SCN_ROMDATA) ? PROGRAM_MEMORY : DATA_MEMORY;
    section.absolute = flags & SCN_ABS;
    section.size = size;
    section.origin = "<linker>";
    state->sections.push_back(section);
    return int(state->sections.size() - 1);
}

void s_store_words(output_section *section, const std::vector<uint16_t> &words)
{
    section->bytes.clear();
    for (uint16_t word : words)
        s_put16(&section->bytes, word);
}

} // namespace

void link_add_synthetic_sections(link_state *state)
{
    state->reset_section = s_add_section(state, ".reset", SCN_CODE | SCN_ABS, 4);
    uint32_t entries = 0;
    size_t count = state->sections.size();
    for (size_t i = 0; i < count; i++) {
        if (!(state->sections[i].flags & SCN_IDATA) || state->sections[i].size == 0)
            continue;
        std::string name = state->sections[i].name + ".init";
        int image = s_add_section(state, name.c_str(), SCN_ROMDATA, state->sections[i].size);
        state->sections[i].image = image;
        entries++;
    }
    state->cinit_section = s_add_section(state, ".cinit", SCN_ROMDATA, 2 + CINIT_ENTRY_SIZE * entries);
    uint32_t stack = state->options.stack_size;
    state->stack_section = s_add_section(state, ".stack", SCN_UDATA, stack);
}

void link_fill_synthetic_sections(link_state *state)
{
    std::vector<output_section> &sections = state->sections;
    uint32_t entry = link_global_address(state, state->options.entry);
    s_store_words(&sections[state->reset_section],
                  {s_encode(IT_GOTO, (entry >> 1) & 0xFF), s_encode(IT_WORD2, (entry >> 9) & 0xFFF)});

    std::vector<uint8_t> &table = sections[state->cinit_section].bytes;
    table.clear();
    uint32_t entries = 0;
    for (const output_section &section : sections)
        entries += section.image >= 0;
    s_put16(&table, entries);
    for (const output_section &section : sections) {
        if (section.image < 0)
            continue;
        output_section &image = sections[section.image];
        image.bytes = section.bytes;
        s_put16(&table, image.address);
        table.push_back(uint8_t(image.address >> 16));
        table.push_back(0);
        s_put16(&table, section.address);
        s_put16(&table, section.size);
    }
}

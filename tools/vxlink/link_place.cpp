#include "tools/vxlink/link_place.h"

#include <algorithm>

#include "target/sfr_map.h"
#include "tools/vxlink/link_read.h"

namespace {

struct used_range {
    uint32_t start, end; // end is one past the last byte
    int section;
};

struct memory_map {
    std::vector<used_range> used; // sorted by start
};

std::string s_describe(const output_section &section)
{
    return "'" + section.name + "' (" + section.origin + ")";
}

void s_reserve(memory_map *map, uint32_t start, uint32_t end, int section)
{
    auto at = std::lower_bound(map->used.begin(), map->used.end(), start,
                               [](const used_range &r, uint32_t value) { return r.start < value; });
    map->used.insert(at, used_range{start, end, section});
}

// The first start in [low, high) of `size` free bytes, aligned to `align`;
// with `in_one_bank` the bytes stay inside one 256-byte bank.
bool s_first_fit(const memory_map &map, uint32_t low, uint32_t high, uint32_t size, uint32_t align,
                 bool in_one_bank, uint32_t *start)
{
    uint32_t candidate = (low + align - 1) / align * align;
    while (uint64_t(candidate) + size <= high) {
        if (in_one_bank && candidate / BANK_SIZE != (candidate + size - 1) / BANK_SIZE) {
            candidate = (candidate / BANK_SIZE + 1) * BANK_SIZE;
            continue;
        }
        bool clash = false;
        for (const used_range &r : map.used) {
            if (r.start < candidate + size && candidate < r.end) {
                candidate = (r.end + align - 1) / align * align;
                clash = true;
                break;
            }
        }
        if (!clash) {
            *start = candidate;
            return true;
        }
    }
    return false;
}

void s_place_absolute(link_state *state, memory_map *map, int index)
{
    output_section &section = state->sections[index];
    uint64_t end = uint64_t(section.address) + section.size;
    if (section.space == PROGRAM_MEMORY) {
        if (section.address < CONFIGURATION_SPACE && end > state->program_size) {
            link_error(state,
                       "absolute section %s at 0x%06X-0x%06llX lies beyond the 0x%X bytes of program memory",
                       s_describe(section).c_str(), unsigned(section.address),
                       (unsigned long long)(end - 1), unsigned(state->program_size));
            return;
        }
        if (section.flags & SCN_CODE && section.address & 1) {
            link_error(state, "absolute code section %s starts at the odd address 0x%06X",
                       s_describe(section).c_str(), unsigned(section.address));
            return;
        }
    } else if (end > DATA_MEMORY_SIZE) {
        link_error(state, "absolute section %s at 0x%03X-0x%03llX lies beyond data memory",
                   s_describe(section).c_str(), unsigned(section.address),
                   (unsigned long long)(end - 1));
        return;
    }
    if (section.size == 0)
        return;
    for (const used_range &r : map->used) {
        if (r.start < end && section.address < r.end) {
            const output_section &other = state->sections[r.section];
            uint32_t from = std::max(r.start, section.address);
            link_error(state, "sections %s and %s overlap at 0x%06X", s_describe(other).c_str(),
                       s_describe(section).c_str(), unsigned(from));
            return;
        }
    }
    s_reserve(map, section.address, uint32_t(end), index);
}

void s_place_relocatable(link_state *state, memory_map *map, int index, uint32_t low, uint32_t high,
                         const char *where)
{
    output_section &section = state->sections[index];
    bool program = section.space == PROGRAM_MEMORY;
    uint32_t align = program ? 2 : 1;
    if (section.size == 0) {
        section.address = low;
        return;
    }
    bool in_one_bank = !program && (section.size <= BANK_SIZE || index != state->stack_section);
    if (!program && section.size > BANK_SIZE && index != state->stack_section) {
        link_error(state, "section %s of %u bytes does not fit in one bank of data memory",
                   s_describe(section).c_str(), unsigned(section.size));
        return;
    }
    uint32_t start = 0;
    if (index == state->stack_section && section.size > BANK_SIZE)
        align = BANK_SIZE;
    if (!s_first_fit(*map, low, high, section.size, align, in_one_bank, &start)) {
        link_error(state, "no room for section %s of %u bytes in %s", s_describe(section).c_str(),
                   unsigned(section.size), where);
        return;
    }
    section.address = start;
    s_reserve(map, start, start + section.size, index);
}

} // namespace

bool link_place(link_state *state)
{
    memory_map program, data;
    std::vector<output_section> &sections = state->sections;
    for (size_t i = 0; i < sections.size(); i++)
        if (sections[i].absolute)
            s_place_absolute(state, sections[i].space == PROGRAM_MEMORY ? &program : &data, int(i));
    if (state->errors)
        return false;

    uint32_t program_end = std::min(state->program_size, CONFIGURATION_SPACE);
    // The start-up reads the copy table through a 16-bit pointer, so the
    // table takes the lowest free program memory before anything else.
    s_place_relocatable(state, &program, state->cinit_section, PROGRAM_START, program_end,
                        "program memory");
    for (uint32_t kind : {SCN_CODE, SCN_ROMDATA})
        for (size_t i = 0; i < sections.size(); i++)
            if (!sections[i].absolute && (sections[i].flags & kind) &&
                int(i) != state->cinit_section)
                s_place_relocatable(state, &program, int(i), PROGRAM_START, program_end,
                                    "program memory");

    uint32_t ram_end = std::min(state->data_size, SFR_FIRST);
    for (size_t i = 0; i < sections.size(); i++)
        if (!sections[i].absolute && sections[i].space == DATA_MEMORY &&
            (sections[i].flags & SCN_ACCESS))
            s_place_relocatable(state, &data, int(i), 0, ACCESS_LOW_END, "the access bank");

    // Largest first packs the banks best.
    std::vector<int> banked;
    for (size_t i = 0; i < sections.size(); i++)
        if (!sections[i].absolute && sections[i].space == DATA_MEMORY &&
            !(sections[i].flags & SCN_ACCESS))
            banked.push_back(int(i));
    std::stable_sort(banked.begin(), banked.end(),
                     [&](int a, int b) { return sections[a].size > sections[b].size; });
    for (int i : banked)
        s_place_relocatable(state, &data, i, ACCESS_LOW_END, ram_end, "banked data memory");
    return state->errors == 0;
}

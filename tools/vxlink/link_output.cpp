#include "tools/vxlink/link_output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <tuple>

#include "support/platform.h"
#include "target/procdb.h"
#include "tools/ihex/ihex.h"
#include "tools/vxlink/link_read.h"

namespace {

const char *s_memory(memory_space space)
{
    return space == PROGRAM_MEMORY ? "program" : "data";
}

struct map_line {
    memory_space space;
    uint32_t address;
    std::string name;
    std::string text;
};

void s_sort(std::vector<map_line> *lines)
{
    std::sort(lines->begin(), lines->end(), [](const map_line &a, const map_line &b) {
        return std::tie(a.space, a.address, a.name) < std::tie(b.space, b.address, b.name);
    });
}

} // namespace

bool link_write_hex(link_state *state)
{
    hex_image image;
    for (const output_section &section : state->sections) {
        if (section.space != PROGRAM_MEMORY || section.bytes.empty())
            continue;
        if (!hex_add(&image, section.address, section.bytes.data(), section.bytes.size())) {
            link_error(state, "section '%s' overlaps another section in program memory",
                       section.name.c_str());
            return false;
        }
    }
    if (!hex_write(state->options.output.c_str(), image)) {
        link_error(state, "cannot write %s: %s", state->options.output.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

bool link_write_map(link_state *state)
{
    const char *path = state->options.map.c_str();
    FILE *file = host_fopen(path, "w");
    if (!file) {
        link_error(state, "cannot write %s: %s", path, std::strerror(errno));
        return false;
    }
    std::vector<map_line> sections, symbols;
    char text[512];
    for (const output_section &section : state->sections) {
        std::snprintf(text, sizeof text, "%-32s %-8s %-8s 0x%06X  0x%06X  %s\n",
                      section.name.c_str(), section_kind(section.flags), s_memory(section.space),
                      unsigned(section.address), unsigned(section.size), section.origin.c_str());
        sections.push_back({section.space, section.address, section.name, text});
    }
    for (const auto &[name, symbol] : state->globals) {
        bool own = name == "_stack" || name == "_cinit" || name == state->options.entry;
        if (symbol.object < 0 && !symbol.referenced && !own)
            continue;
        const char *origin = symbol.object >= 0 ? state->objects[symbol.object].path.c_str()
                                                : "<linker>";
        std::snprintf(text, sizeof text, "%-32s 0x%06X  %-8s %s\n", name.c_str(),
                      unsigned(symbol.address), s_memory(symbol.space), origin);
        symbols.push_back({symbol.space, symbol.address, name, text});
    }
    s_sort(&sections);
    s_sort(&symbols);
    bool ok = std::fprintf(file, "Lumex Tarn link map of %s for %s\n\nSections:\n",
                           state->options.output.c_str(), getDvsProcName(state->processor)) >= 0;
    ok = ok && std::fprintf(file, "%-32s %-8s %-8s %-9s %-9s %s\n", "Name", "Kind", "Memory",
                            "Address", "Size", "Object") >= 0;
    for (const map_line &line : sections)
        ok = ok && std::fputs(line.text.c_str(), file) >= 0;
    ok = ok && std::fprintf(file, "\nSymbols:\n%-32s %-9s %-8s %s\n", "Name", "Address", "Memory",
                            "Object") >= 0;
    for (const map_line &line : symbols)
        ok = ok && std::fputs(line.text.c_str(), file) >= 0;
    ok = (std::fclose(file) == 0) && ok;
    if (!ok) {
        host_remove(path);
        link_error(state, "cannot write %s", path);
    }
    return ok;
}

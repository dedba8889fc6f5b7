#include "tools/vxlink/link.h"

#include <cstdarg>
#include <cstdio>

#include "support/platform.h"
#include "tools/vxlink/link_output.h"
#include "tools/vxlink/link_place.h"
#include "tools/vxlink/link_read.h"
#include "tools/vxlink/link_reloc.h"
#include "tools/vxlink/link_startup.h"
#include "tools/vxlink/link_symbols.h"

void link_error(link_state *state, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::fputs("vxlink: error: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
    state->errors++;
}

std::string link_symbol_name(const link_state &state, int object, unsigned index)
{
    const link_object &input = state.objects[object];
    if (index >= input.coff->symbols.size())
        return "?";
    return coff_symbol_name(input.coff, &input.coff->symbols[index].sym);
}

namespace {

bool s_link(link_state *state)
{
    if (!link_read_objects(state) || !link_choose_processor(state))
        return false;
    link_add_synthetic_sections(state);
    if (!link_place(state) || !link_resolve_symbols(state) || !link_relocate(state))
        return false;
    link_fill_synthetic_sections(state);
    if (!link_write_hex(state))
        return false;
    return state->options.map.empty() || link_write_map(state);
}

} // namespace

int link_run(const link_options &options)
{
    link_state state;
    state.options = options;
    bool ok = s_link(&state);
    for (link_object &object : state.objects)
        coff_free(object.coff);
    if (ok)
        return 0;
    // An output left from an earlier run would pass for the result of this one.
    host_remove(options.output.c_str());
    if (!options.map.empty())
        host_remove(options.map.c_str());
    return 1;
}

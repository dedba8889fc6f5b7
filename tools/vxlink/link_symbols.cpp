#include "tools/vxlink/link_symbols.h"

#include <map>
#include <vector>

#include "target/sfr_map.h"

namespace {

int s_section_by_name(const link_state *state, const std::string &name)
{
    for (size_t i = 0; i < state->sections.size(); i++)
        if (state->sections[i].name == name)
            return int(i);
    return -1;
}

// Address of a symbol defined in its own object (section or absolute).
uint32_t s_defined_address(const link_state *state, int object, unsigned index, memory_space *space)
{
    const link_object &input = state->objects[object];
    const coff_syment &sym = input.coff->symbols[index].sym;
    if (sym.n_scnum == N_ABS) {
        *space = DATA_MEMORY;
        return sym.n_value;
    }
    int section = sym.n_scnum - 1;
    const coff_scnhdr &header = input.coff->sections[section].header;
    const output_section &out = state->sections[input.output_of_section[section]];
    uint32_t offset = 0;
    for (const input_section &piece : out.pieces)
        if (piece.object == object && piece.index == section)
            offset = piece.offset;
    uint32_t base = header.s_flags & SCN_ABS ? header.s_paddr : 0;
    *space = out.space;
    return out.address + offset + (sym.n_value - base);
}

void s_define(link_state *state, const std::string &name, uint32_t address, memory_space space)
{
    if (state->globals.count(name))
        return;
    global_symbol symbol;
    symbol.address = address;
    symbol.space = space;
    state->globals[name] = symbol;
}

} // namespace

uint32_t link_global_address(const link_state *state, const std::string &name)
{
    auto found = state->globals.find(name);
    return found == state->globals.end() ? 0 : found->second.address;
}

int link_section_named_by(const link_state *state, int object, unsigned index)
{
    const link_object &input = state->objects[object];
    const coff_syment &sym = input.coff->symbols[index].sym;
    if (sym.n_sclass == C_SCN && sym.n_scnum > 0)
        return input.output_of_section[sym.n_scnum - 1];
    std::string name = coff_symbol_name(input.coff, &sym);
    if (!name.empty() && name[0] == '.')
        name.erase(0, 1);
    return s_section_by_name(state, name);
}

bool link_resolve_symbols(link_state *state)
{
    for (const sfr_name &sfr : SFR_NAMES)
        s_define(state, sfr.name, sfr.address, DATA_MEMORY);
    s_define(state, "_stack", state->sections[state->stack_section].address, DATA_MEMORY);
    s_define(state, "_cinit", state->sections[state->cinit_section].address, PROGRAM_MEMORY);

    for (auto &[name, global] : state->globals)
        if (global.object >= 0)
            global.address = s_defined_address(state, global.object, global.index, &global.space);

    // The linker's own reference: the reset vector.
    std::map<std::string, std::vector<std::string>> undefined;
    auto entry = state->globals.find(state->options.entry);
    if (entry == state->globals.end())
        undefined[state->options.entry].push_back("the reset vector");
    else
        entry->second.referenced = true;

    for (size_t o = 0; o < state->objects.size(); o++) {
        link_object &input = state->objects[o];
        const std::vector<coff_symbol> &symbols = input.coff->symbols;
        for (size_t i = 0; i < symbols.size(); i++) {
            if (!input.is_symbol[i])
                continue;
            const coff_syment &sym = symbols[i].sym;
            if (sym.n_scnum == N_DEBUG)
                continue;
            if (sym.n_scnum != N_UNDEF) {
                memory_space space;
                input.symbol_address[i] = s_defined_address(state, int(o), unsigned(i), &space);
                continue;
            }
            std::string name = coff_symbol_name(input.coff, &sym);
            auto found = state->globals.find(name);
            if (found != state->globals.end()) {
                found->second.referenced = true;
                input.symbol_address[i] = found->second.address;
            } else if (!name.empty() && name[0] == '.') {
                int section = s_section_by_name(state, name.substr(1));
                global_symbol symbol;
                if (section >= 0) {
                    symbol.address = state->sections[section].address;
                    symbol.space = state->sections[section].space;
                }
                symbol.referenced = true;
                state->globals[name] = symbol;
                input.symbol_address[i] = symbol.address;
            } else {
                std::vector<std::string> &users = undefined[name];
                if (users.empty() || users.back() != input.path)
                    users.push_back(input.path);
            }
        }
    }
    for (const auto &[name, users] : undefined) {
        std::string list;
        for (const std::string &user : users)
            list += (list.empty() ? "" : ", ") + user;
        link_error(state, "undefined symbol '%s', referenced in %s", name.c_str(), list.c_str());
    }
    return state->errors == 0;
}

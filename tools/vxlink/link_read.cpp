#include "tools/vxlink/link_read.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <system_error>

#include "target/procdb.h"

namespace {

constexpr uint32_t KIND_BITS = SCN_CODE | SCN_IDATA | SCN_UDATA | SCN_ROMDATA | SCN_ACTREC;
constexpr uint32_t MATCHING_BITS = KIND_BITS | SCN_ACCESS | SCN_OVERLAY | SCN_SHARED;

bool s_has_contents(uint32_t flags)
{
    return flags & (SCN_CODE | SCN_ROMDATA | SCN_IDATA);
}

int s_output_for(link_state *state, int object, int index)
{
    link_object &input = state->objects[object];
    const coff_section &section = input.coff->sections[index];
    const coff_scnhdr &header = section.header;
    std::string name = coff_section_name(input.coff, &header);
    uint32_t flags = header.s_flags;
    if (!section_kind(flags)) {
        link_error(state, "%s: section '%s' has no known kind (flags 0x%X)", input.path.c_str(),
                   name.c_str(), unsigned(flags));
        return -1;
    }
    if (s_has_contents(flags) && section.data.size() != header.s_size) {
        link_error(state, "%s: section '%s' holds %zu bytes of data but declares %u",
                   input.path.c_str(), name.c_str(), section.data.size(), unsigned(header.s_size));
        return -1;
    }
    bool absolute = flags & SCN_ABS;
    if (!absolute) {
        for (size_t i = 0; i < state->sections.size(); i++) {
            output_section &out = state->sections[i];
            if (out.absolute || out.name != name || out.pieces.empty())
                continue;
            if ((out.flags & MATCHING_BITS) != (flags & MATCHING_BITS)) {
                link_error(state,
                           "section '%s' has different kinds or attributes in %s and %s",
                           name.c_str(), out.origin.c_str(), input.path.c_str());
                return -1;
            }
            if (flags & SCN_OVERLAY) {
                if (s_has_contents(flags) && header.s_size && out.size) {
                    link_error(state, "overlay section '%s' has contents in both %s and %s",
                               name.c_str(), out.origin.c_str(), input.path.c_str());
                    return -1;
                }
                out.pieces.push_back(input_section{object, index, 0});
                if (header.s_size > out.size)
                    out.size = header.s_size;
            } else {
                // Code stays on word boundaries when sections are concatenated.
                if ((flags & SCN_CODE) && (out.size & 1))
                    out.size++;
                out.pieces.push_back(input_section{object, index, out.size});
                out.size += header.s_size;
            }
            return int(i);
        }
    }
    output_section out{};
    out.name = name;
    out.flags = flags;
    out.space = flags & (SCN_CODE | SCN_ROMDATA) ? PROGRAM_MEMORY : DATA_MEMORY;
    out.absolute = absolute;
    out.address = absolute ? header.s_paddr : 0;
    out.size = header.s_size;
    out.pieces.push_back(input_section{object, index, 0});
    out.origin = input.path;
    state->sections.push_back(out);
    return int(state->sections.size() - 1);
}

void s_enter_definitions(link_state *state, int object)
{
    link_object &input = state->objects[object];
    const std::vector<coff_symbol> &symbols = input.coff->symbols;
    input.is_symbol.assign(symbols.size(), false);
    input.symbol_address.assign(symbols.size(), 0);
    for (size_t i = 0; i < symbols.size(); i += 1 + size_t(uint8_t(symbols[i].sym.n_numaux))) {
        input.is_symbol[i] = true;
        const coff_syment &sym = symbols[i].sym;
        bool section_exists = sym.n_scnum <= 0 || size_t(sym.n_scnum) <= input.coff->sections.size();
        if (sym.n_scnum < N_DEBUG || !section_exists) {
            link_error(state, "%s: symbol '%s' names section %d of %zu", input.path.c_str(),
                       coff_symbol_name(input.coff, &sym).c_str(), sym.n_scnum,
                       input.coff->sections.size());
            continue;
        }
        if (sym.n_sclass != C_EXT || sym.n_scnum == N_UNDEF || sym.n_scnum == N_DEBUG)
            continue;
        std::string name = coff_symbol_name(input.coff, &sym);
        auto found = state->globals.find(name);
        if (found != state->globals.end()) {
            link_error(state, "symbol '%s' is defined in both %s and %s", name.c_str(),
                       state->objects[found->second.object].path.c_str(), input.path.c_str());
            continue;
        }
        global_symbol global;
        global.object = object;
        global.index = unsigned(i);
        state->globals[name] = global;
    }
}

// The external names that an object defines and those that it leaves to
// other objects.
struct object_names {
    std::set<std::string> defined, wanted;
};

object_names s_names_of(const coff_file *coff)
{
    object_names names;
    const std::vector<coff_symbol> &symbols = coff->symbols;
    for (size_t i = 0; i < symbols.size(); i += 1 + size_t(uint8_t(symbols[i].sym.n_numaux))) {
        const coff_syment &sym = symbols[i].sym;
        if (sym.n_sclass != C_EXT || sym.n_scnum == N_DEBUG)
            continue;
        std::string name = coff_symbol_name(coff, &sym);
        (sym.n_scnum == N_UNDEF ? names.wanted : names.defined).insert(name);
    }
    return names;
}

// Adds the runtime library's objects that the program needs: those that
// define a name still undefined, the entry included, until no further one
// does.  Taking whole objects only on demand keeps routines that the
// program never calls out of its memory.
void s_add_runtime(link_state *state)
{
    const std::string &directory = state->options.runtime_directory;
    std::error_code error;
    std::vector<std::string> paths;
    for (const auto &file : std::filesystem::directory_iterator(directory, error))
        if (file.path().extension() == ".o")
            paths.push_back(file.path().string());
    if (error) {
        link_error(state, "cannot read the runtime library directory '%s': %s", directory.c_str(),
                   error.message().c_str());
        return;
    }
    // Directory order is arbitrary; the program's layout should not be.
    std::sort(paths.begin(), paths.end());

    std::set<std::string> defined, wanted = {state->options.entry};
    for (const link_object &object : state->objects) {
        object_names names = s_names_of(object.coff);
        defined.insert(names.defined.begin(), names.defined.end());
        wanted.insert(names.wanted.begin(), names.wanted.end());
    }
    std::vector<link_object> candidates;
    std::vector<object_names> candidate_names;
    for (const std::string &path : paths) {
        std::fflush(stdout);
        coff_file *coff = coff_read(path.c_str());
        std::fflush(stdout);
        if (!coff) {
            link_error(state, "%s: cannot read the runtime object file", path.c_str());
            continue;
        }
        link_object object;
        object.path = path;
        object.coff = coff;
        candidates.push_back(object);
        candidate_names.push_back(s_names_of(coff));
    }
    std::vector<bool> taken(candidates.size(), false);
    for (bool changed = true; changed;) {
        changed = false;
        for (size_t c = 0; c < candidates.size(); c++) {
            if (taken[c])
                continue;
            const object_names &names = candidate_names[c];
            auto still_undefined = [&](const std::string &name) {
                return wanted.count(name) && !defined.count(name);
            };
            if (!std::any_of(names.defined.begin(), names.defined.end(), still_undefined))
                continue;
            taken[c] = changed = true;
            defined.insert(names.defined.begin(), names.defined.end());
            wanted.insert(names.wanted.begin(), names.wanted.end());
        }
    }
    for (size_t c = 0; c < candidates.size(); c++) {
        if (taken[c])
            state->objects.push_back(candidates[c]);
        else
            coff_free(candidates[c].coff);
    }
}

} // namespace

const char *section_kind(uint32_t flags)
{
    if (flags & SCN_CODE)
        return "code";
    if (flags & SCN_IDATA)
        return "idata";
    if (flags & SCN_UDATA)
        return "udata";
    if (flags & SCN_ROMDATA)
        return "romdata";
    if (flags & SCN_ACTREC)
        return "actrec";
    return nullptr;
}

bool link_read_objects(link_state *state)
{
    for (const std::string &path : state->options.objects) {
        std::fflush(stdout);
        coff_file *coff = coff_read(path.c_str());
        std::fflush(stdout);
        if (!coff) {
            link_error(state, "%s: cannot read the object file", path.c_str());
            continue;
        }
        link_object object;
        object.path = path;
        object.coff = coff;
        state->objects.push_back(object);
    }
    if (!state->errors && !state->options.runtime_directory.empty())
        s_add_runtime(state);
    if (state->errors)
        return false;
    for (size_t o = 0; o < state->objects.size(); o++) {
        link_object &object = state->objects[o];
        for (size_t i = 0; i < object.coff->sections.size(); i++)
            object.output_of_section.push_back(s_output_for(state, int(o), int(i)));
        s_enter_definitions(state, int(o));
    }
    return state->errors == 0;
}

bool link_choose_processor(link_state *state)
{
    const std::string &name = state->options.processor_name;
    if (!name.empty() && name != "VxCORE") {
        if (!convertDvsProcName(name.c_str(), &state->processor) ||
            getInstSet(state->processor) != _VxCORE) {
            link_error(state, "unknown VxCORE device '%s'", name.c_str());
            return false;
        }
    } else if (name.empty()) {
        const link_object *chosen = nullptr;
        for (const link_object &object : state->objects) {
            if (object.coff->header.f_flags & F_GENERIC)
                continue;
            int processor = convertDvsProcType(object.coff->opthdr.proc_type);
            if (processor < 1 || getInstSet(processor) != _VxCORE) {
                link_error(state, "%s: compiled for processor type 0x%X, not a VxCORE device",
                           object.path.c_str(), unsigned(object.coff->opthdr.proc_type));
                return false;
            }
            if (chosen && processor != state->processor) {
                link_error(state, "%s is compiled for %s but %s for %s; name the device with -p",
                           chosen->path.c_str(), getDvsProcName(state->processor),
                           object.path.c_str(), getDvsProcName(processor));
                return false;
            }
            chosen = &object;
            state->processor = processor;
        }
    }
    if (state->processor == 0)
        state->processor = DEFAULT_PROCESSOR;
    state->program_size = getProgramLocations(state->processor);
    state->data_size = getDataLocations(state->processor);
    return true;
}

#include "tools/vxlink/link_read.h"

#include <cstdio>
#include <set>

#include "target/procdb.h"
#include "tools/vxar/archive.h"

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

// An archive of the link, with the members taken from it so far.
struct archive_search {
    archive library;
    std::vector<coff_file *> taken; // by member; null while not taken
};

std::string s_member_path(const archive &library, unsigned member)
{
    return library.path + "(" + library.members[member].name + ")";
}

// Reports a member that cannot be read as an object file would be reported.
coff_file *s_read_member(link_state *state, const archive &library, unsigned member)
{
    std::string path = s_member_path(library, member);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!archive_member_bytes(library, member, &bytes, &error)) {
        link_error(state, "%s: %s", library.path.c_str(), error.c_str());
        return nullptr;
    }
    std::fflush(stdout);
    coff_file *coff = coff_read_memory(path.c_str(), bytes.data(), bytes.size());
    std::fflush(stdout);
    if (!coff)
        link_error(state, "%s: cannot read the object file", path.c_str());
    return coff;
}

// The members taken join the program after the objects, in archive order
// and member order rather than in the order of the search, so that the
// layout follows from the inputs alone.
void s_adopt_members(link_state *state, const std::vector<archive_search> &archives)
{
    for (const archive_search &search : archives) {
        for (unsigned m = 0; m < search.taken.size(); m++) {
            if (!search.taken[m])
                continue;
            link_object object;
            object.path = s_member_path(search.library, m);
            object.coff = search.taken[m];
            state->objects.push_back(object);
        }
    }
}

// Takes the archive members that the program needs: those that define a
// name still undefined, the entry included, until no further one does.  A
// member may need one of an earlier archive, so every archive is searched
// again until a whole pass takes nothing.  Taking whole members only on
// demand keeps routines that the program never calls out of its memory.
void s_take_members(link_state *state, std::vector<archive_search> *archives)
{
    std::set<std::string> defined, wanted = {state->options.entry};
    auto add_names = [&](const coff_file *coff) {
        object_names names = object_external_names(coff);
        defined.insert(names.defined.begin(), names.defined.end());
        wanted.insert(names.wanted.begin(), names.wanted.end());
    };
    for (const link_object &object : state->objects)
        add_names(object.coff);
    for (bool changed = true; changed;) {
        changed = false;
        for (archive_search &search : *archives) {
            for (const archive_symbol &symbol : search.library.index) {
                if (search.taken[symbol.member] || !wanted.count(symbol.name) ||
                    defined.count(symbol.name))
                    continue;
                coff_file *coff = s_read_member(state, search.library, symbol.member);
                if (!coff) {
                    // The state owns what it holds, so that the link frees it.
                    s_adopt_members(state, *archives);
                    return;
                }
                search.taken[symbol.member] = coff;
                changed = true;
                add_names(coff);
            }
        }
    }
    s_adopt_members(state, *archives);
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
    std::vector<archive_search> archives;
    std::string error;
    for (const std::string &path : state->options.objects) {
        if (archive_has_magic(path.c_str())) {
            archive_search search;
            if (!archive_open(path.c_str(), &search.library, &error)) {
                link_error(state, "%s: %s", path.c_str(), error.c_str());
                continue;
            }
            search.taken.assign(search.library.members.size(), nullptr);
            archives.push_back(std::move(search));
            continue;
        }
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
    const std::string &runtime = state->options.runtime_archive;
    if (!runtime.empty()) {
        archive_search search;
        if (archive_open(runtime.c_str(), &search.library, &error)) {
            search.taken.assign(search.library.members.size(), nullptr);
            archives.push_back(std::move(search));
        } else {
            link_error(state, "the runtime library %s: %s", runtime.c_str(), error.c_str());
        }
    }
    if (!state->errors)
        s_take_members(state, &archives);
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

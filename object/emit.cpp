// The emitter's driver and its bookkeeping: sections, symbol entries, and
// relocations whose symbol gets its index later in the table.
#include "object/emit.h"

#include <cstring>
#include <memory>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "object/emit_state.h"
#include "support/platform.h"
#include "support/vxassert.h"
#include "target/procdb.h"

emit_state *s_emit;

namespace {

constexpr size_t COFF_TABLE_LIMIT = 0xFFFF; // s_nreloc and s_nlnno are 16 bits

void s_init(const char *name, int inst_set, int processor, bool generic)
{
    s_emit = new emit_state;
    s_emit->image = coff_create();
    if (!s_emit->image)
        post_error(101);
    s_emit->image->filename = name;
    s_emit->inst_set = inst_set;
    for (int &current : s_emit->current)
        current = -1;
    coff_opthdr &opt = s_emit->image->opthdr;
    opt.proc_type = getDvsProcType(processor);
    opt.rom_width_bits = getRomWidth(processor);
    opt.ram_width_bits = getRamWidth(processor);
    opt.vstamp = COFF_VERSION_STAMP;
    s_emit->image->header.f_flags = generic ? F_GENERIC : 0;
}

void s_free()
{
    if (!s_emit)
        return;
    coff_free(s_emit->image);
    delete s_emit;
    s_emit = nullptr;
}

void s_declaration_pass()
{
    for (symbol **at = static_cast<symbol **>(list_first(master_symbol_list)); at;
         at = static_cast<symbol **>(list_next(at))) {
        const symbol *entry = *at;
        switch (entry->kind) {
        case VARIABLE: s_declare_variable(entry); break;
        case BEGIN_FUNCTION: s_function_begin(entry, entry->function); break;
        case END_FUNCTION: s_function_end(entry); break;
        case SOURCE_FILE: s_source_file_begin(entry->name, 0, 0); break;
        case BEGIN_BLOCK: s_block_begin(entry); break;
        case END_BLOCK: s_block_end(entry); break;
        case SECTION_CHANGE: {
            const section *scn = entry->scn;
            s_section(scn->name, scn->type, scn->share, scn->overlay, scn->access, scn->absolute, scn->address);
            break;
        }
        default: _assert("emitter: known master-list entry kind", __FILE__, __LINE__);
        }
    }
}

// Files the preprocessed text came from that declared nothing still get
// their .file entries, so that the object lists every dependency.
void s_dependent_files()
{
    if (dependent_file_list)
        for (char **at = static_cast<char **>(list_first(dependent_file_list)); at;
             at = static_cast<char **>(list_next(at)))
            s_source_file_begin(*at, 0, 1);
    if (s_emit->open_file != NO_INDEX)
        s_source_file_end();
}

void s_code_pass()
{
    for (symbol **at = static_cast<symbol **>(list_first(master_symbol_list)); at;
         at = static_cast<symbol **>(list_next(at))) {
        const symbol *entry = *at;
        switch (entry->kind) {
        case BEGIN_FUNCTION: s_emit_function_code(entry->function); break;
        case BEGIN_BLOCK:
        case END_BLOCK: s_place_block(entry); break;
        case SECTION_CHANGE:
            if (entry->scn->type == SECTION_CODE)
                s_emit->current[SECTION_CODE] = s_section(entry->scn->name, SECTION_CODE, entry->scn->share,
                                                          entry->scn->overlay, entry->scn->access,
                                                          entry->scn->absolute, entry->scn->address);
            break;
        default: break;
        }
    }
}

// A table beyond what the 16-bit counts can hold is left out of the image.
void s_check_table_limits()
{
    for (size_t i = 0; i < s_emit->sections.size(); ++i) {
        coff_section &scn = s_emit->image->sections[i];
        if (scn.relocs.size() > COFF_TABLE_LIMIT) {
            post_error(1071, s_emit->sections[i].name.c_str());
            scn.relocs.clear();
        }
        if (scn.linenos.size() > COFF_TABLE_LIMIT) {
            post_error(1070, s_emit->sections[i].name.c_str());
            scn.linenos.clear();
        }
    }
}

void s_make_sections()
{
    for (size_t i = 0; i < s_emit->sections.size(); ++i) {
        const emit_section &scn = s_emit->sections[i];
        coff_scnhdr &header = s_emit->image->sections[i].header;
        header.s_size = scn.size;
        header.s_nreloc = static_cast<uint16_t>(s_emit->image->sections[i].relocs.size());
        header.s_nlnno = static_cast<uint16_t>(s_emit->image->sections[i].linenos.size());
    }
}

void s_write()
{
    s_make_sections();
    coff_preWrite(s_emit->image);
    if (coff_write(s_emit->image))
        return;
    // A failed write may have left part of the file behind.
    host_remove(s_emit->image->filename.c_str());
    post_error(1500, s_emit->image->filename.c_str());
}

} // namespace

int s_section(const char *name, section_type type, bool share, bool overlay, bool access, bool absolute,
              uint32_t address)
{
    VX_ASSERT(type >= SECTION_CODE && type <= SECTION_TMPDATA);
    for (size_t i = 0; i < s_emit->sections.size(); ++i) {
        if (s_emit->sections[i].name == name) {
            s_emit->current[type] = static_cast<int>(i);
            return static_cast<int>(i);
        }
    }
    coff_section *scn = coff_add_section(s_emit->image);
    if (!scn)
        post_error(101);
    coff_set_section_name(s_emit->image, &scn->header, name);
    set_scn_flags(&scn->header, type, absolute, share, overlay, access);
    scn->header.s_paddr = absolute ? address : 0;
    s_emit->sections.push_back(emit_section{name, type, absolute ? address : 0, 0});
    int index = static_cast<int>(s_emit->sections.size() - 1);
    s_emit->current[type] = index;
    return index;
}

emit_section &s_current_section(section_type type)
{
    int index = s_emit->current[type];
    VX_ASSERT(index >= 0);
    return s_emit->sections[index];
}

int16_t s_section_number(int section) { return static_cast<int16_t>(section + 1); }

uint32_t s_add_entry(const char *name, uint32_t value, int16_t scnum, uint32_t type, int8_t sclass)
{
    uint32_t index = coff_add_symbol(s_emit->image);
    coff_syment &entry = s_emit->image->symbols[index].sym;
    coff_set_symbol_name(s_emit->image, &entry, name);
    entry.n_value = value;
    entry.n_scnum = scnum;
    entry.n_type = type;
    entry.n_sclass = sclass;
    return index;
}

coff_auxent &s_add_aux(uint32_t entry)
{
    coff_add_symbol(s_emit->image);
    coff_syment &owner = s_emit->image->symbols[entry].sym;
    owner.n_numaux = static_cast<int8_t>(static_cast<uint8_t>(owner.n_numaux) + 1);
    return s_emit->image->symbols.back().aux;
}

coff_syment &s_entry(uint32_t index) { return s_emit->image->symbols[index].sym; }

void s_insert_sym(const symbol *sym, uint32_t index)
{
    s_patch_references(sym, index);
    s_emit->indexes[sym] = index;
}

uint32_t s_lookup_syment(const symbol *sym)
{
    auto found = s_emit->indexes.find(sym);
    return found == s_emit->indexes.end() ? NO_INDEX : found->second;
}

void s_generate_relocation(int section, uint16_t type, int32_t offset, const symbol *sym)
{
    if (!sym) {
        post_error(100, "attempting relocation on NULL symbol");
        return;
    }
    coff_section &scn = s_emit->image->sections[section];
    uint32_t index = s_lookup_syment(sym);
    scn.relocs.push_back(coff_reloc{s_emit->sections[section].size, index == NO_INDEX ? 0 : index,
                                    static_cast<int16_t>(offset), type});
    if (index != NO_INDEX)
        return;
    auto [at, is_new] = s_emit->pending.try_emplace(sym);
    if (is_new)
        s_emit->pending_order.push_back(sym);
    at->second.relocations.emplace_back(section, scn.relocs.size() - 1);
}

void s_add_call_slot(size_t aux, const symbol *callee)
{
    uint32_t index = callee ? s_lookup_syment(callee) : NO_INDEX;
    s_emit->image->symbols[aux].aux.x_tagndx = index;
    if (!callee || index != NO_INDEX)
        return;
    s_emit->image->symbols[aux].aux.x_tagndx = 0;
    auto [at, is_new] = s_emit->pending.try_emplace(callee);
    if (is_new)
        s_emit->pending_order.push_back(callee);
    at->second.call_slots.push_back(aux);
}

void s_patch_references(const symbol *sym, uint32_t index)
{
    auto found = s_emit->pending.find(sym);
    if (found == s_emit->pending.end())
        return;
    for (auto [section, entry] : found->second.relocations)
        s_emit->image->sections[section].relocs[entry].r_symndx = index;
    for (size_t slot : found->second.call_slots)
        s_emit->image->symbols[slot].aux.x_tagndx = index;
    s_emit->pending.erase(found);
}

// Symbols referred to here and defined elsewhere, in order of first
// reference.
void s_populate_external_references()
{
    for (const symbol *sym : s_emit->pending_order) {
        if (!s_emit->pending.count(sym))
            continue;
        bool variable = sym->kind == VARIABLE;
        if (variable && (sym->storage_class == SC_STATIC || sym->storage_class == SC_OVERLAY)) {
            post_error(151, sym->name);
            continue;
        }
        uint32_t index = s_add_entry(sym->name, 0, N_UNDEF, variable ? s_convert_type(sym->type) : 0,
                                     s_convert_storage_class(sym));
        s_insert_sym(sym, index);
    }
}

void emit_write_object_file(const char *name)
{
    struct release {
        ~release() { s_free(); }
    } on_exit;
    int processor = GetProcessor();
    s_init(name, getInstSet(processor), processor, generic_processor_flag != 0);
    s_declaration_pass();
    s_dependent_files();
    s_code_pass();
    s_populate_external_references();
    s_check_table_limits();
    if (get_error_count() == 0)
        s_write();
}

// The declaration pass: source files, functions with their call lists,
// blocks, and the variables with their sections and initial data.
#include <cstring>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/post_at.h"
#include "object/emit_state.h"
#include "support/platform.h"
#include "support/position.h"
#include "support/vxassert.h"
#include "target/procdb.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate/interrupt.h"

namespace {

constexpr unsigned MAX_NUMAUX = 255;
constexpr uint32_t INDIRECT_CALL = 0xFFFFFFFF;

bool s_is_function(const symbol *sym) { return sym->type && is_type_function(sym->type); }

bool s_is_rom(const symbol *sym) { return sym->type && sym->type->memory == MEMORY_ROM; }

bool s_is_parameter(const symbol *sym)
{
    return sym->alias || (sym->storage_class == SC_AUTO && sym->frame_offset < 0);
}

// Storage that this file defines, as opposed to a declaration of storage
// defined elsewhere.  Parameter aliases belong to their function.
bool s_defines_storage(const symbol *sym)
{
    if (s_is_function(sym) || sym->in_prototype || sym->is_param_alias || sym->alias || sym->is_enum_constant)
        return false;
    if (sym->storage_class == SC_STATIC || sym->storage_class == SC_OVERLAY)
        return true;
    return sym->storage_class == SC_NONE && sym->linkage == LINK_EXTERNAL;
}

const char *s_section_name(section_type type)
{
    int index = s_emit->current[type];
    return index < 0 ? "" : s_emit->sections[index].name.c_str();
}

bool s_section_is_access(section_type type)
{
    int index = s_emit->current[type];
    return index >= 0 && (s_emit->image->sections[index].header.s_flags & SCN_ACCESS);
}

section_type s_variable_section(const symbol *sym);

void s_check_placement(const symbol *sym)
{
    section_type type = s_variable_section(sym);
    const char *current = s_section_name(type);
    if (sym->storage_class != SC_OVERLAY && sym->is_placed && sym->section_name &&
        strcmp(sym->section_name, current) != 0)
        post_error_at(sym->line, sym->file, 1520, sym->name, current, sym->section_name);
    bool near = sym->type->range == RANGE_NEAR;
    if (s_section_is_access(type) && !near)
        post_error_at(sym->line, sym->file, 2001, sym->name, current);
    else if (!s_section_is_access(type) && near && s_emit->current[type] >= 0)
        post_error_at(sym->line, sym->file, 1303);
}

section_type s_variable_section(const symbol *sym)
{
    if (s_is_rom(sym))
        return SECTION_ROMDATA;
    if (sym->storage_class == SC_OVERLAY)
        return SECTION_ACTREC;
    if (sym->initial_data)
        return SECTION_IDATA;
    if (sym->is_temp)
        return SECTION_TMPDATA;
    return SECTION_UDATA;
}

uint16_t s_address_relocation(uint32_t byte_index)
{
    switch (byte_index) {
    case 0: return RELOC_LOW;
    case 1: return RELOC_HIGH;
    case 2: return RELOC_UPPER;
    default: _assert("emitter: byte of an address", __FILE__, __LINE__);
    }
}

// The variable's bytes: values, and zero bytes that relocations fill with
// parts of addresses.  An image shorter than the object is padded so that
// the section's data keeps the layout of its symbols.
void s_initial_data(int section, const symbol *sym, uint32_t size)
{
    VX_ASSERT(s_emit->inst_set == _VxCORE || !s_is_rom(sym));
    std::vector<uint8_t> &data = s_emit->image->sections[section].data;
    emit_section &scn = s_emit->sections[section];
    uint32_t written = 0;
    for (const init_record *item = sym->initial_data; item; item = item->next, ++written) {
        if (item->kind == INIT_ADDRESS_BYTE)
            s_generate_relocation(section, s_address_relocation(item->byte_index), item->offset, item->sym);
        data.push_back(item->kind == INIT_DATA_BYTE ? item->value : 0);
        ++scn.size;
    }
    for (; written < size; ++written, ++scn.size)
        data.push_back(0);
}

// Overlay parameters live in the function's activation record, static ones
// in the current data section.
void s_parameter_aliases(const symbol *function)
{
    const typell *level = function->type;
    if (!level || level->kind != FCN)
        return;
    for (const param_entry *param = level->detail.params; param; param = param->next)
        if (param->alias && s_lookup_syment(param->alias) == NO_INDEX)
            s_variable(param->alias);
}

void s_call_list(uint32_t entry, const symbol *function)
{
    const call_element *oldest = function->calls;
    while (oldest && oldest->older)
        oldest = oldest->older;
    bool dropped = false;
    for (const call_element *call = oldest; call; call = call->newer) {
        if (static_cast<uint8_t>(s_entry(entry).n_numaux) >= MAX_NUMAUX) {
            dropped = true;
            break;
        }
        s_add_aux(entry);
        size_t slot = s_emit->image->symbols.size() - 1;
        if (call->kind == CALL_INDIRECT || !call->callee)
            s_emit->image->symbols[slot].aux.x_tagndx = INDIRECT_CALL;
        else
            s_add_call_slot(slot, call->callee);
    }
    if (function->interrupt && !dropped && static_cast<uint8_t>(s_entry(entry).n_numaux) < MAX_NUMAUX) {
        s_add_aux(entry).x_size = function->interrupt->low_priority ? 2 : 1;
        return;
    }
    if (dropped || function->interrupt)
        post_error_at(function->line, function->file, function->interrupt ? 1072 : 1073, function->name);
}

// A .bf, .ef, .bb or .eb entry in the current code section, with the
// auxiliary entry that gives its source file and line.
uint32_t s_line_entry(const char *name, int8_t sclass, uint32_t file, int32_t line)
{
    int code = s_emit->current[SECTION_CODE];
    uint32_t entry = s_add_entry(name, 0, code < 0 ? N_UNDEF : s_section_number(code), T_NULL, sclass);
    coff_auxent &aux = s_add_aux(entry);
    aux.x_srcndx = file == NO_INDEX ? 0 : file;
    aux.x_lnno = static_cast<uint16_t>(line);
    return entry;
}

} // namespace

void s_source_file_begin(const char *path, uint32_t include_line, uint8_t flag)
{
    VX_ASSERT(strlen(path) <= static_cast<size_t>(MAX_PATH_LENGTH));
    if (s_emit->open_file != NO_INDEX)
        s_source_file_end();
    uint32_t entry = s_add_entry(".file", 0, N_DEBUG, T_NULL, C_FILE);
    s_emit->files[path] = entry;
    coff_auxent &aux = s_add_aux(entry);
    aux.x_offset = coff_add_string(s_emit->image, path);
    aux.x_incline = include_line;
    aux.x_flags = flag;
    if (s_emit->first_file == NO_INDEX)
        s_emit->first_file = entry;
    s_emit->open_file = entry;
}

// The .file entries form a chain through their values.
void s_source_file_end()
{
    s_add_entry(".eof", 0, N_DEBUG, T_NULL, C_EOF);
    s_entry(s_emit->open_file).n_value = static_cast<uint32_t>(s_emit->image->symbols.size());
    s_emit->open_file = NO_INDEX;
}

uint32_t s_file_index(const char *file)
{
    auto cached = s_emit->file_of_name.find(file);
    if (cached != s_emit->file_of_name.end())
        return cached->second;
    auto found = s_emit->files.find(_fullpath(file ? file : ""));
    VX_ASSERT(found != s_emit->files.end());
    s_emit->file_of_name[file] = found->second;
    return found->second;
}

void s_function_begin(const symbol *entry, const symbol *function)
{
    if (s_lookup_syment(function) != NO_INDEX) {
        post_error(153, function->name);
        return;
    }
    s_process_tag_type(function->type);
    int activation_record = -1;
    if (function->has_overlay_locals) {
        char *name = sym_make_act_rec_scn_name(function->name);
        activation_record = s_section(name, SECTION_ACTREC, false, true, false, false, 0);
        free(name);
    }
    int code = s_emit->current[SECTION_CODE];
    uint32_t index = s_add_entry(function->name, 0, code < 0 ? N_UNDEF : s_section_number(code),
                                 s_convert_type(function->type), s_convert_storage_class(function));
    s_insert_sym(function, index);
    s_add_aux(index);
    coff_auxent &fcn = s_emit->image->symbols[index + 1].aux;
    const typell *returned = function->type->kind == FCN ? function->type->next : nullptr;
    fcn.x_tagndx = s_tag_index(returned, function->name, index + 1);
    fcn.x_actscnum = activation_record < 0 ? 0 : s_section_number(activation_record);
    s_call_list(index, function);
    s_parameter_aliases(function);

    uint32_t bf = s_line_entry(".bf", C_FCN, s_emit->open_file, entry->line);
    if (s_emit->last_bf_aux != NO_INDEX)
        s_emit->image->symbols[s_emit->last_bf_aux].aux.x_endndx = bf;
    s_emit->last_bf_aux = bf + 1;
    s_emit->function_bf[function] = bf;
}

void s_function_end(const symbol *entry)
{
    uint32_t ef = s_line_entry(".ef", C_FCN, s_emit->open_file, entry->line);
    s_emit->function_ef[entry->function] = ef;
}

void s_block_begin(const symbol *entry)
{
    uint32_t bb = s_line_entry(".bb", C_BLOCK, s_emit->first_file, entry->line);
    s_emit->block_stack.push_back(bb);
    s_emit->block_entries[entry] = bb;
}

void s_block_end(const symbol *entry)
{
    uint32_t eb = s_line_entry(".eb", C_BLOCK, s_emit->first_file, entry->line);
    s_emit->block_entries[entry] = eb;
    VX_ASSERT(!s_emit->block_stack.empty());
    uint32_t bb = s_emit->block_stack.back();
    s_emit->block_stack.pop_back();
    s_emit->image->symbols[bb + 1].aux.x_endndx = eb + 1;
}

void s_declare_variable(const symbol *sym)
{
    bool in_data_memory = !s_is_rom(sym) && sym->type;
    if (in_data_memory && sym->storage_class != SC_EXTERN && sym->storage_class != SC_AUTO && !s_is_parameter(sym) &&
        s_defines_storage(sym))
        s_check_placement(sym);
    if (s_defines_storage(sym) || (sym->storage_class == SC_AUTO && !sym->in_prototype))
        s_variable(sym);
}

void s_variable(const symbol *sym)
{
    if (s_lookup_syment(sym) != NO_INDEX)
        return;
    s_process_tag_type(sym->type);
    bool is_auto = sym->storage_class == SC_AUTO;
    int section = -1;
    if (!is_auto) {
        section_type type = s_variable_section(sym);
        section = s_emit->current[type];
        if (section < 0 && type == SECTION_ACTREC) {
            VX_ASSERT(sym->section_name != nullptr);
            section = s_section(sym->section_name, SECTION_ACTREC, false, true, false, false, 0);
        }
        VX_ASSERT(section >= 0);
    }
    uint32_t size = ll_sizeof_type(sym->type);
    uint32_t value = is_auto ? static_cast<uint32_t>(sym->frame_offset) : s_emit->sections[section].address();
    uint32_t index = s_add_entry(sym->name, value, is_auto ? N_ABS : s_section_number(section), s_convert_type(sym->type),
                                 s_convert_storage_class(sym));
    s_insert_sym(sym, index);
    s_add_aux_arr_or_sue_var(index, sym->type, sym->name);
    if (is_auto)
        return;
    section_type type = s_emit->sections[section].type;
    if (type == SECTION_IDATA || type == SECTION_ROMDATA)
        s_initial_data(section, sym, size);
    else
        s_emit->sections[section].size += size;
}

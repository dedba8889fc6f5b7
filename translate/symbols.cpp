#include "translate/symbols.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "support/platform.h"
#include "support/vxassert.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate/symtab.h"
#include "translate/trnalloc.h"

list *master_symbol_list;

namespace {

symbol *s_all_records;
bool s_module_begun;
bool s_in_function_flag;
bool s_first_block_in_function_flag;
std::string s_last_file_name;
// Consecutive records nearly always come from the same file, and making a
// full path asks the host for the current directory: the name as the record
// carries it is remembered beside its full path.
std::string s_last_file_given;

void s_free_record(symbol *sym)
{
    if (sym->kind == VARIABLE)
        type_free(sym->type);
    for (call_element *call = sym->calls; call;) {
        call_element *older = call->older;
        free(call);
        call = older;
    }
    init_list_free(sym->initial_data);
    free(sym->name);
    free(sym->file);
    free(sym->string_text);
    free(sym->section_name);
    free(sym);
}

void s_forget_dependent_file(const std::string &full_path)
{
    if (!dependent_file_list)
        return;
    for (void *element = list_first(dependent_file_list); element; element = list_next(element)) {
        char *name = *static_cast<char **>(element);
        if (name && _fullpath(name) == full_path) {
            free(name);
            list_delete(dependent_file_list, element);
            return;
        }
    }
}

void s_append(symbol *entry)
{
    auto *slot = static_cast<symbol **>(list_append(master_symbol_list));
    if (!slot)
        post_error(101);
    *slot = entry;
}

symbol *s_boundary(sym_kind kind, int32_t line, const char *file)
{
    symbol *entry = sym_new_record(kind, nullptr);
    entry->line = line;
    entry->file = trn_strdup(file);
    return entry;
}

char s_storage_letter(int32_t storage_class)
{
    switch (storage_class) {
    case SC_EXTERN: return 'E';
    case SC_STATIC: return 'S';
    case SC_OVERLAY: return 'O';
    case SC_AUTO: return 'A';
    case SC_TYPEDEF: return 'T';
    default: return 'N';
    }
}

char s_linkage_letter(int32_t linkage)
{
    switch (linkage) {
    case LINK_EXTERNAL: return 'E';
    case LINK_INTERNAL: return 'I';
    default: return 'N';
    }
}

} // namespace

symbol *sym_new_record(sym_kind kind, const char *name)
{
    symbol *sym = trn_new<symbol>();
    sym->kind = kind;
    sym->name = trn_strdup(name);
    sym->all_next = s_all_records;
    s_all_records = sym;
    return sym;
}

void sym_begin_module()
{
    VX_ASSERT(!s_module_begun);
    s_module_begun = true;
    master_symbol_list = list_create(sizeof(symbol *));
    if (!master_symbol_list)
        post_error(101);
    sections_begin_module();
    scopes_open_file();
}

void sym_end_module()
{
    scopes_free_all();
    sections_end_module();
    list_free(master_symbol_list, nullptr);
    master_symbol_list = nullptr;
    while (s_all_records) {
        symbol *next = s_all_records->all_next;
        s_free_record(s_all_records);
        s_all_records = next;
    }
    s_last_file_name.clear();
    s_last_file_given.clear();
    s_in_function_flag = false;
    s_first_block_in_function_flag = false;
    names_reset_counters();
    s_module_begun = false;
}

void s_add_to_master_symbol_table(symbol *entry)
{
    VX_ASSERT(master_symbol_list != nullptr);
    if (entry->kind == SOURCE_FILE) {
        std::string full_path = _fullpath(entry->name);
        free(entry->name);
        entry->name = trn_strdup(full_path.c_str());
        s_last_file_name = full_path;
        s_last_file_given.clear();
        s_forget_dependent_file(full_path);
    } else if (entry->file && entry->file[0] && s_last_file_given != entry->file) {
        std::string full_path = _fullpath(entry->file);
        s_last_file_given = entry->file;
        if (full_path != s_last_file_name) {
            symbol *file_entry = sym_new_record(SOURCE_FILE, full_path.c_str());
            s_append(file_entry);
            s_last_file_name = full_path;
            s_forget_dependent_file(full_path);
        }
    }
    s_append(entry);
}

void sym_enter_file(const char *path)
{
    s_add_to_master_symbol_table(sym_new_record(SOURCE_FILE, path));
}

void sym_begin_function(symbol *function, int32_t line, const char *file)
{
    VX_ASSERT(!s_in_function_flag);
    VX_ASSERT(function && function->kind == VARIABLE);
    symbol *entry = s_boundary(BEGIN_FUNCTION, line, file);
    entry->function = function;
    function->bf_entry = entry;
    s_add_to_master_symbol_table(entry);
    scope_open_labels();
    scope_open_symbols_and_tags();
    s_in_function_flag = true;
    s_first_block_in_function_flag = true;
}

void sym_end_function(symbol *function, int32_t line, const char *file)
{
    VX_ASSERT(s_in_function_flag);
    symbol *entry = s_boundary(END_FUNCTION, line, file);
    entry->function = function;
    function->ef_entry = entry;
    s_add_to_master_symbol_table(entry);
    scope_close_labels();
    s_in_function_flag = false;
}

void sym_begin_block(int32_t line, const char *file)
{
    VX_ASSERT(s_in_function_flag);
    s_add_to_master_symbol_table(s_boundary(BEGIN_BLOCK, line, file));
    if (s_first_block_in_function_flag)
        s_first_block_in_function_flag = false;
    else
        scope_open_symbols_and_tags();
}

void sym_end_block(int32_t line, const char *file)
{
    s_add_to_master_symbol_table(s_boundary(END_BLOCK, line, file));
    scope_close_symbols_and_tags();
}

symbol *sym_create_symbol(const char *name, typell *type, int32_t linkage, int32_t storage_class)
{
    symbol *sym = sym_new_record(VARIABLE, name);
    sym->type = type;
    sym->linkage = linkage;
    sym->storage_class = storage_class;
    if (storage_class == SC_AUTO && type && type->memory == MEMORY_ROM) {
        post_error(1174, name);
        type->memory = MEMORY_RAM;
        type->range = RANGE_FAR;
    }
    return sym;
}

void sym_declare_symbol(symbol *sym, bool at_file_scope, int32_t line, const char *file)
{
    scope_enter(sym, at_file_scope);
    sym->line = line;
    if (sym->file != file) {
        free(sym->file);
        sym->file = trn_strdup(file);
    }
    sym->nesting_level = at_file_scope ? 0 : sym_get_nesting_level();
    if (sym->kind == VARIABLE && sym->storage_class != SC_EXTERN && !sym->is_enum_constant)
        s_add_to_master_symbol_table(sym);
}

void sym_add_call(symbol *caller, symbol *callee)
{
    if (!caller)
        return;
    VX_ASSERT(caller->kind == VARIABLE && is_type_function(caller->type));
    VX_ASSERT(!callee || (callee->kind == VARIABLE && is_type_function(callee->type)));
    call_kind kind = callee ? CALL_DIRECT : CALL_INDIRECT;
    for (call_element *call = caller->calls; call; call = call->older) {
        if (call->kind == kind && call->callee == callee) {
            ++call->count;
            return;
        }
    }
    call_element *call = trn_new<call_element>();
    call->kind = kind;
    call->callee = callee;
    call->count = 1;
    call->older = caller->calls;
    if (caller->calls)
        caller->calls->newer = call;
    caller->calls = call;
}

void sym_remove_call(symbol *caller, symbol *callee)
{
    if (!caller)
        return;
    call_kind kind = callee ? CALL_DIRECT : CALL_INDIRECT;
    for (call_element *call = caller->calls; call; call = call->older) {
        if (call->kind != kind || call->callee != callee)
            continue;
        if (--call->count > 0)
            return;
        if (call->newer)
            call->newer->older = call->older;
        else
            caller->calls = call->older;
        if (call->older)
            call->older->newer = call->newer;
        free(call);
        return;
    }
}

void sym_dump_symtbl()
{
    if (!master_symbol_list)
        return;
    for (void *element = list_first(master_symbol_list); element; element = list_next(element)) {
        const symbol *entry = *static_cast<symbol **>(element);
        long line = entry->line;
        switch (entry->kind) {
        case LABEL: printf("%ld: label: %s\n", line, entry->name); break;
        case VARIABLE: printf("%ld: var: %s\n", line, entry->name); break;
        case BEGIN_FUNCTION: printf("%ld: bf\n", line); break;
        case END_FUNCTION: printf("%ld: ef\n", line); break;
        case SOURCE_FILE: printf(".file: %s\n", entry->name); break;
        case BEGIN_BLOCK: printf("%ld: bb\n", line); break;
        case END_BLOCK: printf("%ld: eb\n", line); break;
        case SECTION_CHANGE: printf(".section: %s\n", entry->name); break;
        default:
            fprintf(stderr, "unexpected symbol table entry: %d\n", static_cast<int>(entry->kind));
            _assert("known symbol table entry", __FILE__, __LINE__);
        }
    }
}

void print_symbol(const char *label, const symbol *sym)
{
    if (!debug_trans_flag)
        return;
    printf("%4d %s[%s] %c%c ", static_cast<int>(sym->line), label, sym->name ? sym->name : "",
           s_storage_letter(sym->storage_class), s_linkage_letter(sym->linkage));
    if (sym->kind == VARIABLE)
        type_print(stdout, sym->type);
    printf("\n");
}

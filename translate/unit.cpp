// What belongs to the unit as a whole: pragmas, the string-literal table,
// the interrupt records and the checks at the end of the unit.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "driver/diag.h"
#include "frontend/pragma_config.h"
#include "translate/expr_internal.h"
#include "translate/ranges.h"
#include "translate/trnalloc.h"

void trn_free_switches();

namespace {

struct string_entry {
    std::string bytes;
    symbol *sym;
};

std::vector<string_entry> sStringLiteralTable;
std::unordered_map<std::string, symbol *> s_string_index;
interrupt_record *sInterruptTable;

void s_free_interrupts()
{
    while (sInterruptTable) {
        interrupt_record *next = sInterruptTable->next;
        while (sInterruptTable->saves) {
            save_element *e = sInterruptTable->saves->next;
            delete sInterruptTable->saves;
            sInterruptTable->saves = e;
        }
        free(sInterruptTable->tmpdata_name);
        delete sInterruptTable;
        sInterruptTable = next;
    }
}

void sMarkFunctionAsInterrupt(symbol *function, const pragma_record *pragma, int32_t line, const char *file)
{
    auto *record = new interrupt_record{};
    record->function = function;
    std::string tmp = pragma->section_name ? pragma->section_name : std::string(function->name) + "_tmp";
    record->tmpdata_name = trn_strdup(tmp.c_str());
    record->low_priority = pragma->low_priority;
    memcpy(record->nosave, pragma->nosave, sizeof record->nosave);
    memcpy(record->save, pragma->save, sizeof record->save);
    save_element **tail = &record->saves;
    for (const save_entry *e = pragma->save_list; e; e = e->next) {
        auto *element = new save_element{};
        if (e->kind == SAVE_ENTRY_SECTION) {
            element->kind = SAVE_SECTION;
            element->sym = trn_section_symbol(e->name, line, file);
        } else {
            symbol *sym = sym_lookup_sym(e->name, LOOKUP_ALL);
            if (!sym || sym->kind != VARIABLE) {
                trn_error(1210, e->name);
                delete element;
                continue;
            }
            element->kind = SAVE_VARIABLE;
            element->sym = sym;
            element->size = ll_sizeof_type(sym->type);
        }
        *tail = element;
        tail = &element->next;
    }
    record->next = sInterruptTable;
    sInterruptTable = record;
}

void s_interrupt_pragma(const pragma_record *pragma, int32_t line, const char *file)
{
    if (trnInFunction()) {
        trn_error(1208);
        return;
    }
    const char *name = pragma->function_name ? pragma->function_name : "";
    symbol *function = sym_lookup_sym(name, LOOKUP_FILE);
    if (!function)
        function = trn_declare_sym(name, type_copy(void_function_type), SC_NONE, false, false, file, line);
    if (!function || function->kind != VARIABLE || !is_type_function(function->type)) {
        trn_error(1106, name);
        return;
    }
    typell *result = type_function_return_type(function->type);
    bool returns = !is_type_void(result);
    type_free(result);
    if (returns) {
        trn_error(1108);
        return;
    }
    if (function->type->detail.params) {
        trn_error(1107);
        return;
    }
    sMarkFunctionAsInterrupt(function, pragma, line, file);
}

// The parser chains the choices of a pragma newest first; they take effect
// in source order, so a setting given twice keeps its first value.
void s_apply_config_choices(const config_choice *choice)
{
    if (!choice)
        return;
    s_apply_config_choices(choice->next);
    if (!s_set_config_value(choice))
        trn_error(1223, choice->setting->name);
}

} // namespace

// The object file knows the symbol as an external reference, which the
// linker resolves to the section of the name without the ".".
symbol *trn_section_symbol(const char *section_name, int32_t line, const char *file)
{
    std::string name = std::string(".") + section_name;
    if (symbol *sym = sym_lookup_sym(name.c_str(), LOOKUP_FILE))
        return sym;
    typell *type = type_basic(BT_VOID, 0);
    type->memory = MEMORY_RAM;
    type->range = RANGE_FAR;
    symbol *sym = sym_create_symbol(name.c_str(), type, LINK_EXTERNAL, SC_EXTERN);
    sym_declare_symbol(sym, true, line, file);
    return sym;
}

stmt *trnPragma(const pragma_record *pragma, int32_t line, const char *file)
{
    switch (pragma->kind) {
    case PRAGMA_INTERRUPT:
        s_interrupt_pragma(pragma, line, file);
        return trnNop(line, file);
    case PRAGMA_CONFIG:
        if (trnInFunction())
            trn_error(1222);
        else
            s_apply_config_choices(pragma->settings);
        return trnNop(line, file);
    default: {
        pcodell *tree = nullptr;
        trn_guard([&] { tree = ll_pragma(pragma, line, file); });
        return tree ? stmtCreate(tree) : nullptr;
    }
    }
}

namespace {

pcodell *s_string_literal(const char *text, uint32_t length, bool in_data_memory, int32_t line, const char *file)
{
    symbol *sym = nullptr;
    std::string bytes(text, length);
    std::string key = (in_data_memory ? "d" : "p") + bytes;
    if (merge_duplicate_strings_flag) {
        auto found = s_string_index.find(key);
        if (found != s_string_index.end())
            sym = found->second;
    }
    if (!sym) {
        sym = sym_string_symbol(length, in_data_memory);
        free(sym->string_text);
        sym->string_text = static_cast<char *>(trn_alloc(length + 1));
        memcpy(sym->string_text, text, length);
        sym->string_length = length;
        s_string_index.emplace(key, sym);
        sStringLiteralTable.push_back({bytes, sym});
    }
    ++sym->ref_count;
    pcodell *ident = ll_ident(sym, line, file);
    return ll_indir(ident, ll_sizeof_type(sym->type), sym->type->memory, sym->type->range, line, file);
}

} // namespace

pcodell *trnStringLiteral(const char *text, uint32_t length, int32_t line, const char *file)
{
    return s_string_literal(text, length, standard_c_flag != 0, line, file);
}

pcodell *trn_place_string_literal(const typell *target, pcodell *value)
{
    bool literal_in_data = value && isPcodellIdentifier(value) && value->sym && value->sym->string_text &&
                           value->sym->type->memory == MEMORY_RAM;
    if (!literal_in_data || !is_type_pointer(target) || target->next->memory != MEMORY_ROM)
        return value;
    symbol *in_data = value->sym;
    pcodell *in_program = trnLvalueToRvalue(
        s_string_literal(in_data->string_text, in_data->string_length, false, value->line, value->file));
    --in_data->ref_count;
    pcodellFreeTree(value);
    return in_program;
}

stmt *trnPostProcess(stmt *list, stmt *tail)
{
    for (interrupt_record *r = sInterruptTable; r; r = r->next) {
        if (!r->function->is_defined)
            trn_error(1211, r->function->name);
        else
            r->function->interrupt = r;
    }
    const std::vector<symbol *> &statics = trn_static_functions();
    for (auto it = statics.rbegin(); it != statics.rend(); ++it) {
        symbol *f = *it;
        bool referenced = f->ref_count > 0;
        if (referenced && !f->is_defined)
            trn_error(1212, f->name);
        else if (!referenced && f->is_defined)
            trn_error(2065, f->name);
        else if (!referenced && !f->is_defined)
            trn_error(2064, f->name);
    }
    for (symbol *f : trn_non_static_functions()) {
        if (f->is_defined || !is_type_function(f->type))
            continue;
        for (param_entry *p = f->type->detail.params; p; p = p->next)
            if (p->alias)
                p->alias->storage_class = SC_EXTERN;
    }
    // A literal that only initialized a character array was consumed by that
    // initializer and is no object of its own.  Literals in program memory
    // go to the string table, those of standard C into initialized data.
    struct placement {
        section_type type;
        const char *name;
        int32_t memory;
    };
    for (const placement &place : {placement{SECTION_ROMDATA, ".stringtable", MEMORY_ROM},
                                   placement{SECTION_IDATA, ".stringdata", MEMORY_RAM}}) {
        auto placed_here = [&](const string_entry &e) {
            return e.sym->ref_count > 0 && e.sym->type->memory == place.memory;
        };
        if (std::none_of(sStringLiteralTable.begin(), sStringLiteralTable.end(), placed_here))
            continue;
        symbol *change = nullptr;
        trn_guard([&] { change = sym_enter_section(place.type, place.name, false, false, false, false, 0); });
        pcodell *tree = pcodell_create(I_SECTION, nullptr, nullptr, 0, nullptr);
        tree->sym = change;
        stmt *change_statement = stmtCreate(tree);
        if (tail) {
            tail->next = change_statement;
            change_statement->prev = tail;
        } else {
            list = change_statement;
        }
        tail = change_statement;
        for (const string_entry &e : sStringLiteralTable) {
            if (!placed_here(e))
                continue;
            ll_initialize_string_literal(e.sym);
            sym_declare_symbol(e.sym, true, e.sym->line, e.sym->file);
        }
    }
    return list;
}

bool trn_close_module();

void trnFreeUnit(stmt *unit)
{
    stmtFreeList(unit);
    hl_free_ast(hl_get_ast());
    hl_set_ast(nullptr);
    trnFreeState();
    trn_forget_tag_definitions();
}

void trnFreeState()
{
    if (!trn_close_module())
        return;
    sStringLiteralTable.clear();
    s_string_index.clear();
    s_free_interrupts();
    trn_free_switches();
    trn_reset_declarations();
    trn_reset_statements();
    trnUninitialize();
    sym_end_module();
}

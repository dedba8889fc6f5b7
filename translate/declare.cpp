// Declarations: storage class, linkage, redeclaration, parameters with their
// frame places and static aliases, and the placement of objects.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "support/vxassert.h"
#include "translate/ranges.h"
#include "translate/guard.h"
#include "translate/translate.h"
#include "translate/trnalloc.h"

symbol *s_current_function;

namespace {

constexpr uint32_t MAX_FRAME_SIZE = 120;

bool sInFunctionFlag;
bool sInFunctionBodyFlag;
int sCurParamNumber;
uint32_t sStackFrameSize;
uint32_t sParamFrameSize;
std::vector<symbol *> sStaticFunctionList;
std::vector<symbol *> sNonStaticFunctionList;

// A parameter of a function definition's head, waiting for the function's
// scope to open.
struct head_parameter {
    std::string name;
    typell *type;
    int32_t storage_class;
    std::string file;
    int32_t line;
};
bool s_collecting_head;
std::vector<head_parameter> s_head_parameters;

// Arrays and functions as parameters are passed by address.  The pointer
// itself is a parameter and so lives in data memory; the elements keep the
// memory space and range they were declared with.
typell *s_adjust_parameter_type(typell *type)
{
    if (type->kind == ARY) {
        typell *pointer = type_pointer_to(type_copy(type->next));
        type_free(type);
        return pointer;
    }
    if (type->kind == FCN) {
        typell *pointer = type_pointer_to(type);
        pointer->memory = MEMORY_RAM;
        pointer->range = RANGE_FAR;
        return pointer;
    }
    return type;
}

int32_t s_process_sclass(const char *name, int32_t storage_class, const typell *type, bool file_scope,
                         bool parameter)
{
    bool function = is_type_function(type);
    if (storage_class == SC_NONE && !file_scope && !function) {
        if (parameter && default_local_storage_class == SC_OVERLAY)
            return SC_STATIC;
        return default_local_storage_class;
    }
    if (parameter && storage_class == SC_OVERLAY) {
        trn_error(2071, name);
        return SC_STATIC;
    }
    if (!file_scope && function && storage_class == SC_STATIC) {
        trn_error(2072, name);
        storage_class = SC_NONE;
    }
    if ((file_scope || function) && storage_class == SC_AUTO) {
        trn_error(2072, name);
        storage_class = SC_NONE;
    }
    if (function && storage_class == SC_NONE)
        storage_class = SC_EXTERN;
    return storage_class;
}

int32_t s_determine_linkage(int32_t storage_class, const symbol *prior, bool file_scope, bool function)
{
    if (file_scope && storage_class == SC_STATIC)
        return LINK_INTERNAL;
    if (storage_class == SC_EXTERN)
        return prior && prior->linkage == LINK_INTERNAL ? LINK_INTERNAL : LINK_EXTERNAL;
    if (function || !file_scope)
        return LINK_NONE;
    return storage_class == SC_NONE ? LINK_EXTERNAL : LINK_NONE;
}

bool s_check_redeclaration(const char *name, const symbol *prior, int32_t linkage)
{
    if ((linkage == LINK_EXTERNAL && prior->linkage == LINK_INTERNAL) ||
        (linkage == LINK_INTERNAL && prior->linkage == LINK_EXTERNAL)) {
        trn_error(1508, name);
        return false;
    }
    if (linkage != LINK_NONE && linkage == prior->linkage)
        return true;
    trn_error(1505, name);
    return false;
}

void s_process_redeclaration(symbol *prior, typell *type)
{
    typell *old = prior->type;
    if (old->kind == ARY && type->kind == ARY && are_types_compatible(old->next, type->next, true)) {
        if (old->detail.count == 0)
            old->detail.count = type->detail.count;
        else if (type->detail.count != 0 && type->detail.count != old->detail.count)
            trn_error(1109, prior->name);
        type_free(type);
        return;
    }
    if (!are_types_compatible(old, type, true)) {
        trn_error(1109, prior->name);
        prior->type = type;
        type_free(old);
        return;
    }
    if (old->kind == FCN && !(old->flags & TF_PROTOTYPED) && (type->flags & TF_PROTOTYPED)) {
        old->flags |= TF_PROTOTYPED | (type->flags & TF_VARIADIC);
        old->detail.params = type->detail.params;
        type->detail.params = nullptr;
    }
    type_free(type);
}

// The checks that drop a declaration come before the symbol exists, so that
// nothing of it remains in the scopes.
bool s_process_declaration(const char *name, const typell *type, int32_t *storage_class, bool parameter,
                           bool file_scope)
{
    bool function = is_type_function(type);
    if (function && *storage_class == SC_OVERLAY)
        trn_error(1506, name);
    if (parameter && *storage_class == SC_EXTERN) {
        trn_error(1509, name);
        *storage_class = default_local_storage_class == SC_OVERLAY ? SC_STATIC : default_local_storage_class;
    }
    if (!function && *storage_class == SC_OVERLAY && type->range == RANGE_NEAR)
        trn_error(1507, name);
    if (parameter && type->memory == MEMORY_ROM) {
        trn_error(1173, name);
        return false;
    }
    if (!file_scope && !function && type->memory == MEMORY_ROM && *storage_class != SC_STATIC &&
        *storage_class != SC_EXTERN) {
        trn_error(1174, name);
        return false;
    }
    if (!file_scope && !parameter && *storage_class == SC_OVERLAY && s_current_function)
        s_current_function->has_overlay_locals = true;
    return true;
}

const typell *s_function_level(const typell *type)
{
    if (type && type->kind == PTR)
        type = type->next;
    return type && type->kind == FCN ? type : nullptr;
}

void s_process_function(symbol *sym, bool is_new, const char *file, int32_t line)
{
    if (is_new && is_type_function(sym->type)) {
        if (sym->linkage == LINK_INTERNAL)
            sStaticFunctionList.push_back(sym);
        else
            sNonStaticFunctionList.push_back(sym);
    }
    const typell *function = s_function_level(sym->type);
    if (!function)
        return;
    int number = 0;
    for (param_entry *p = function->detail.params; p; p = p->next, ++number) {
        if (p->storage_class != SC_STATIC && p->storage_class != SC_OVERLAY)
            continue;
        if (!is_type_function(sym->type)) {
            trn_error(1175, sym->name);
            p->storage_class = SC_AUTO;
        } else {
            p->alias = s_declare_param_alias(sym, p->type, p->storage_class, number, file, line);
        }
    }
}

bool s_process_parameter(symbol *sym, bool in_prototype, const char *file, int32_t line)
{
    int number = sCurParamNumber++;
    if (in_prototype)
        return true;
    switch (sym->storage_class) {
    case SC_AUTO:
        sParamFrameSize += ll_sizeof_type(sym->type);
        sym->frame_offset = -static_cast<int32_t>(sParamFrameSize) - static_cast<int32_t>(ll_get_frame_pointer_size());
        if (sParamFrameSize > MAX_FRAME_SIZE) {
            trn_error(1301);
            return false;
        }
        return true;
    case SC_STATIC:
    case SC_OVERLAY:
        sym->alias = s_declare_param_alias(s_current_function, sym->type, sym->storage_class, number, file, line);
        return true;
    default: _assert("parameter storage class", __FILE__, __LINE__);
    }
}

symbol *s_declare_parameter_seam(const char *name, const typell *type, int32_t storage_class, const char *file,
                                 int32_t line)
{
    if (s_collecting_head && sym_get_nesting_level() == 1) {
        typell *adjusted = s_adjust_parameter_type(type_copy(type));
        s_head_parameters.push_back({name, type_copy(adjusted), storage_class, file ? file : "", line});
        symbol *record = sym_new_record(VARIABLE, name);
        // The diagnostics of the class come when the parameter is declared.
        record->storage_class = storage_class == SC_OVERLAY ? SC_STATIC
                                                            : s_process_sclass(name, storage_class, adjusted, false, true);
        record->type = adjusted;
        return record;
    }
    return trn_declare_sym(name, type_copy(type), storage_class, true, true, file, line);
}

} // namespace

bool trnInFunction() { return sInFunctionFlag; }
bool trnInFunctionBody() { return sInFunctionBodyFlag; }
uint32_t trnParamFrameSize() { return sParamFrameSize; }
uint32_t trnStackFrameSize() { return sStackFrameSize; }

void trn_reset_declarations()
{
    s_current_function = nullptr;
    sInFunctionFlag = sInFunctionBodyFlag = false;
    sCurParamNumber = 0;
    sStackFrameSize = sParamFrameSize = 0;
    sStaticFunctionList.clear();
    sNonStaticFunctionList.clear();
    s_collecting_head = false;
    for (head_parameter &p : s_head_parameters)
        type_free(p.type);
    s_head_parameters.clear();
}

trn_parameter_declarer trn_parameter_seam() { return s_declare_parameter_seam; }

const std::vector<symbol *> &trn_static_functions() { return sStaticFunctionList; }
const std::vector<symbol *> &trn_non_static_functions() { return sNonStaticFunctionList; }

void trn_note_function(symbol *sym) { sNonStaticFunctionList.push_back(sym); }

void trn_collect_head_parameters(bool on) { s_collecting_head = on; }

void trn_declare_head_parameters()
{
    std::vector<head_parameter> parameters;
    parameters.swap(s_head_parameters);
    for (head_parameter &p : parameters)
        trn_declare_sym(p.name.c_str(), p.type, p.storage_class, true, false, p.file.c_str(), p.line);
}

symbol *s_declare_param_alias(symbol *function, const typell *type, int32_t storage_class, int number,
                              const char *file, int32_t line)
{
    if (!function)
        return nullptr;
    char buffer[32];
    std::string name = "__" + std::string(function->name);
    snprintf(buffer, sizeof buffer, ":%d", number);
    name += buffer;
    symbol *alias = sym_lookup_sym(name.c_str(), LOOKUP_FILE);
    if (alias)
        return alias;
    alias = sym_create_symbol(name.c_str(), type_copy(type), function->linkage, storage_class);
    alias->is_param_alias = true;
    sym_declare_symbol(alias, true, line, file);
    return alias;
}

symbol *trn_declare_sym(const char *name, typell *type, int32_t storage_class, bool is_parameter, bool in_prototype,
                        const char *file, int32_t line)
{
    VX_ASSERT(name && type);
    bool parameter = is_parameter || (sInFunctionFlag && !sInFunctionBodyFlag);
    if (parameter)
        type = s_adjust_parameter_type(type);
    bool file_scope = !sInFunctionFlag && !in_prototype;
    storage_class = s_process_sclass(name, storage_class, type, file_scope, parameter);
    bool function = is_type_function(type);
    if (!function && is_type_void(type)) {
        trn_error(1178);
        type_free(type);
        type = type_copy(int_type);
    }
    symbol *prior = sym_lookup_sym(name, LOOKUP_CURRENT);
    if (prior && prior->nesting_level != (file_scope ? 0 : sym_get_nesting_level()))
        prior = nullptr;
    int32_t linkage = s_determine_linkage(storage_class, prior, file_scope, function);
    if (prior && !s_check_redeclaration(name, prior, linkage)) {
        print_symbol("cant redeclare", prior);
        type_free(type);
        return nullptr;
    }
    // The start-up code calls main without arguments; it keeps an int result
    // as the program's exit status, which standard C expects silently.
    if (function && strcmp(name, "main") == 0 && linkage != LINK_INTERNAL &&
        !are_types_compatible(type, void_function_type, true) &&
        !(standard_c_flag && are_types_compatible(type, default_function_type, true)))
        trn_error(2103);
    if (!s_process_declaration(name, type, &storage_class, parameter, file_scope)) {
        type_free(type);
        return nullptr;
    }
    symbol *sym;
    bool is_new = !prior || linkage == LINK_NONE;
    if (is_new) {
        sym = sym_create_symbol(name, type, linkage, storage_class);
        sym->in_prototype = in_prototype;
        sym_declare_symbol(sym, file_scope, line, file);
        print_symbol("declaring", sym);
    } else {
        sym = prior;
        bool was_listed = prior->storage_class != SC_EXTERN;
        s_process_redeclaration(prior, type);
        prior->linkage = linkage;
        if (storage_class != SC_EXTERN || prior->storage_class == SC_EXTERN)
            prior->storage_class = storage_class;
        if (prior->storage_class != SC_EXTERN && !was_listed)
            sym_declare_symbol(prior, file_scope, line, file);
        print_symbol(prior->is_initialized ? "redeclaringinitialized" : "redeclaring", prior);
    }
    s_process_function(sym, is_new, file, line);
    if (parameter && !s_process_parameter(sym, in_prototype, file, line))
        return nullptr;
    return sym;
}

void trnDeclareType(typell *type) { type_free(type); }

stmt *trnProcessInitializers(symbol *sym, initializer *init, int32_t line, const char *file)
{
    const typell *type = sym->type;
    if (init && !is_type_struct_or_union(type) && !is_type_array(type) && !is_type_scalar(type)) {
        trn_error(1218);
        init = nullptr;
    }
    bool file_scope = !sInFunctionFlag;
    if (file_scope) {
        if (!init) {
            if (sym->storage_class == SC_NONE || sym->storage_class == SC_STATIC)
                sym->is_tentative = true;
        } else if (sym->is_initialized) {
            trn_error(1504, sym->name);
            init = nullptr;
        } else {
            sym->is_initialized = true;
        }
    } else if (init && sym->storage_class == SC_EXTERN) {
        trn_error(1510, sym->name);
        init = nullptr;
    }
    stmt *statements = nullptr;
    if (init)
        trn_guard([&] { statements = ll_process_initializers(sym, init, line, file); });
    if (is_type_function(type) || sym->is_enum_constant || type->memory == MEMORY_ROM)
        return statements;
    int32_t storage_class = sym->storage_class;
    if (storage_class == SC_OVERLAY && !sInFunctionFlag) {
        trn_error(1155, sym->name);
        sym->storage_class = storage_class = SC_STATIC;
    }
    switch (storage_class) {
    case SC_NONE:
    case SC_STATIC: {
        char *name = sym->initial_data ? sym_get_current_idata_scn_name() : sym_get_current_udata_scn_name();
        if (sym->section_name && strcmp(sym->section_name, name) != 0 &&
            strcmp(sym->section_name, sym_get_default_udata_scn_name()) == 0)
            move_sym_to_end(master_symbol_list, sym);
        free(sym->section_name);
        sym->section_name = name;
        sym->is_placed = true;
        break;
    }
    case SC_OVERLAY:
        free(sym->section_name);
        sym->section_name = sym_make_act_rec_scn_name(s_current_function ? s_current_function->name : "");
        sym->is_placed = true;
        break;
    case SC_AUTO:
        if (sInFunctionBodyFlag) {
            sym->frame_offset = static_cast<int32_t>(sStackFrameSize);
            sStackFrameSize += ll_sizeof_type(type);
            if (sStackFrameSize > MAX_FRAME_SIZE)
                trn_error(1300);
        }
        break;
    default: break;
    }
    return statements;
}

symbol *trnBeginFunction(const char *name, int32_t line, const char *file)
{
    VX_ASSERT(!s_current_function);
    sCurParamNumber = 0;
    sStackFrameSize = sParamFrameSize = 0;
    sInFunctionFlag = true;
    symbol *sym = sym_lookup_sym(name, LOOKUP_FILE);
    if (!sym || sym->kind != VARIABLE || !is_type_function(sym->type)) {
        // The head's declaration failed: a stand-in keeps the body translatable.
        sym = sym_create_symbol(name, type_copy(default_function_type), LINK_EXTERNAL, SC_EXTERN);
        sym->line = line;
        sym->file = trn_strdup(file);
    }
    if (sym->is_defined)
        trn_error(1504, name);
    sym->is_defined = true;
    s_current_function = sym;
    trn_begin_function_statements(sym, line, file);
    return sym;
}

void trnBeginFunctionBody()
{
    sInFunctionBodyFlag = true;
    sStackFrameSize = 0;
    if (!s_current_function)
        return;
    typell *result = type_function_return_type(s_current_function->type);
    uint32_t size = ll_sizeof_type(result);
    type_free(result);
    if (size > 4 && sParamFrameSize < size)
        sParamFrameSize = size;
}

void trn_end_function_declarations()
{
    sInFunctionFlag = sInFunctionBodyFlag = false;
    s_current_function = nullptr;
}

// Resolution of a declaration-specifier list into a chain of type levels.
// The list comes outermost first: a declarator's own parts, then the
// specifiers; qualifiers wait for the level they belong to.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "support/position.h"
#include "support/vxassert.h"
#include "translate/lower.h"
#include "translate/ranges.h"
#include "translate/symbols.h"

namespace {

// The tag that each member or enumerator list defined.  A typedef's
// specifier list shares the lists of its definition, so every use of the
// typedef finds the tag defined once instead of defining it again.
std::unordered_map<const pcodehl *, tag_record *> s_defined_by;

enum resolve_state { STATE_START = 0, STATE_BASIC = 1, STATE_TAG = 2, STATE_FUNCTION = 3 };

struct resolver {
    const char *file;
    int32_t line;
    resolve_state state;
    int32_t memory; // pending qualifiers
    int32_t range;
    bool is_const;
    bool is_volatile;
    bool seen_signed;
    bool seen_unsigned;
    bool seen_type_specifier;
    typell *head;
    typell *last;
    typell *open_function; // a FCN level whose range is not fixed yet
};

bool sTransitionOk(resolve_state state, uint32_t code)
{
    if (code <= TN_LONG)
        return state == STATE_START || state == STATE_BASIC || state == STATE_FUNCTION;
    if (code <= TN_OVERLAY)
        return true;
    if (code == TN_POINTER || code == TN_STRUCT || code == TN_UNION || code == TN_ENUM)
        return state == STATE_START || state == STATE_FUNCTION;
    if (code == TN_ARRAY || code == TN_FUNCTION)
        return state == STATE_START;
    _assert("known type specifier", __FILE__, __LINE__);
}

void s_append(resolver &r, typell *level)
{
    if (r.last)
        r.last->next = level;
    else
        r.head = level;
    r.last = level;
}

int32_t s_take_memory(resolver &r)
{
    int32_t memory = r.memory ? r.memory : MEMORY_RAM;
    r.memory = 0;
    return memory;
}

int32_t s_take_range(resolver &r, int32_t memory)
{
    int32_t range = r.range ? r.range : trnGetDefaultRange(memory);
    r.range = 0;
    return range;
}

// The pending qualifiers of a pointer, tag or final level.
void s_apply_qualifiers(resolver &r, typell *level)
{
    level->memory = s_take_memory(r);
    level->range = s_take_range(r, level->memory);
    level->is_const |= r.is_const;
    level->is_volatile |= r.is_volatile;
    r.is_const = r.is_volatile = false;
}

void s_fix_function_range(resolver &r)
{
    if (!r.open_function)
        return;
    r.open_function->range = r.range ? r.range : trnGetDefaultRange(MEMORY_ROM);
    r.range = 0;
    if (r.memory == MEMORY_RAM)
        post_error(1163);
    r.memory = 0;
    r.open_function = nullptr;
}

void sAddTypename(resolver &r, typell *level, uint32_t code)
{
    auto set_basic = [&](uint32_t basic) {
        if (level->detail.basic != BT_NONE)
            post_error(1161);
        else
            level->detail.basic = basic;
    };
    switch (code) {
    case TN_CHAR: set_basic(BT_CHAR); break;
    case TN_INT: set_basic(BT_INT); break;
    case TN_FLOAT:
    case TN_DOUBLE: set_basic(BT_FLOAT); break;
    case TN_VOID: set_basic(BT_VOID); break;
    case TN_SIGNED:
        if (r.seen_unsigned)
            post_error(1162);
        r.seen_signed = true;
        level->flags |= TF_SIGNED;
        break;
    case TN_UNSIGNED:
        if (r.seen_signed)
            post_error(1162);
        r.seen_unsigned = true;
        break;
    case TN_SHORT: level->flags |= TF_SHORT; break;
    case TN_LONG: level->flags |= TF_LONG; break;
    }
}

void s_qualifier(resolver &r, uint32_t code)
{
    switch (code) {
    case TN_CONST: r.is_const = true; break;
    case TN_VOLATILE: r.is_volatile = true; break;
    case TN_ROM:
    case TN_RAM: {
        int32_t memory = code == TN_ROM ? MEMORY_ROM : MEMORY_RAM;
        if (r.memory && r.memory != memory)
            post_error(1517);
        r.memory = memory;
        break;
    }
    case TN_NEAR:
    case TN_FAR: {
        int32_t range = code == TN_NEAR ? RANGE_NEAR : RANGE_FAR;
        if (r.range && r.range != range)
            post_error(1518);
        r.range = range;
        break;
    }
    default: break; // storage classes belong to the declaration
    }
}

uint32_t s_array_count(pcodehl *bound)
{
    if (!bound)
        return 0;
    int64_t value = 0;
    uint32_t code = 0;
    if (!trn_integer_constant(trn_constant_expression(bound), &value, &code)) {
        post_error(1219);
        return 1;
    }
    if (value <= 0) {
        post_error(1516);
        return 1;
    }
    return static_cast<uint32_t>(value);
}

bool s_is_void_parameter_list(const pcodehl *list)
{
    if (!list || list->right || !list->left)
        return false;
    const pcodehl *decl = list->left;
    const typehl *type = decl->type;
    return (!decl->left || decl->left->kind == H_NOP) && type && type->head && type->head == type->tail &&
           type->head->kind == TN_VOID;
}

param_entry *s_parameters(const pcodehl *list, const char *file, int32_t line)
{
    param_entry *head = nullptr;
    param_entry **tail = &head;
    if (s_is_void_parameter_list(list))
        return nullptr;
    sym_begin_prototype();
    int number = 0;
    // A compilation abort unwinds through here: what is not linked into the
    // list yet is freed on the way.
    typell *type = nullptr;
    try {
        for (const pcodehl *node = list; node; node = node->right) {
            const pcodehl *decl = node->left;
            ++number;
            if (!decl)
                continue;
            type = trnResolveType(decl->type, file, line);
            if (!type)
                continue;
            int32_t storage_class = trnResolveSclass(decl->type);
            std::string name;
            if (decl->left && decl->left->kind == H_IDENT && decl->left->name) {
                name = decl->left->name;
            } else {
                char buffer[48];
                snprintf(buffer, sizeof buffer, "__%s_%d", "parameter", number);
                name = buffer;
            }
            symbol *sym = trn_declare_parameter(name.c_str(), type, storage_class, decl->file ? decl->file : file,
                                                decl->line ? decl->line : line);
            param_entry *param;
            if (sym) {
                param = param_entry_create(type_copy(sym->type), sym->storage_class);
                type_free(type);
            } else {
                param = param_entry_create(type, storage_class);
            }
            type = nullptr;
            *tail = param;
            tail = &param->next;
        }
    } catch (...) {
        type_free(type);
        param_list_free(head);
        throw;
    }
    sym_end_prototype();
    return head;
}

tag_record *s_defining_tag(const char *name, tag_kind kind)
{
    tag_record *tag = sym_lookup_tag(name, true);
    if (tag && tag->kind != kind) {
        post_error(1176, name);
        tag = nullptr;
    }
    if (!tag)
        tag = sym_declare_tag(name, kind);
    return tag;
}

std::string s_tag_name(const typenodehl *node)
{
    if (node->word[0])
        return static_cast<const char *>(node->word[0]);
    char buffer[32];
    sym_get_fake_tag_name(buffer, sizeof buffer);
    return buffer;
}

void s_struct_or_union(resolver &r, const typenodehl *node)
{
    tag_kind kind = node->kind == TN_STRUCT ? STRUCT_TAG : UNION_TAG;
    auto *members = static_cast<pcodehl *>(node->word[1]);
    tag_record *tag;
    auto defined = members ? s_defined_by.find(members) : s_defined_by.end();
    std::string name = defined == s_defined_by.end() ? s_tag_name(node) : std::string();
    if (defined != s_defined_by.end()) {
        tag = defined->second;
    } else if (members) {
        tag = s_defining_tag(name.c_str(), kind);
        if (tag->definition)
            post_error(1504, name.c_str());
        else
            tag->definition = sDefineSUEtype(kind, members, r.file, r.line);
        s_defined_by[members] = tag;
    } else {
        tag = sym_lookup_tag(name.c_str(), false);
        if (tag && tag->kind != kind) {
            post_error(1176, name.c_str());
            tag = nullptr;
        }
        if (!tag)
            tag = sym_declare_tag(name.c_str(), kind);
    }
    typell *level = type_create();
    level->kind = SUE;
    level->detail.tag = tag;
    s_apply_qualifiers(r, level);
    s_append(r, level);
}

void s_enum(resolver &r, const typenodehl *node)
{
    auto *enumerators = static_cast<pcodehl *>(node->word[1]);
    tag_record *tag = nullptr;
    auto defined = enumerators ? s_defined_by.find(enumerators) : s_defined_by.end();
    std::string name = defined == s_defined_by.end() ? s_tag_name(node) : std::string();
    if (defined != s_defined_by.end()) {
        tag = defined->second;
    } else if (enumerators) {
        tag = s_defining_tag(name.c_str(), ENUM_TAG);
        if (tag->definition)
            post_error(1504, name.c_str());
        else
            tag->definition = sDefineEnum(enumerators);
        s_defined_by[enumerators] = tag;
    } else {
        tag = sym_lookup_tag(name.c_str(), false);
        if (!tag) {
            post_error(1168, name.c_str());
        } else if (tag->kind != ENUM_TAG) {
            post_error(1176, name.c_str());
            tag = nullptr;
        }
    }
    typell *level;
    if (tag && tag->definition) {
        level = type_copy(tag->definition->underlying);
        level->enum_tag = tag;
    } else {
        level = type_copy(int_type);
    }
    s_apply_qualifiers(r, level);
    s_append(r, level);
}

bool s_element(resolver &r, const typenodehl *node);

bool s_elements(resolver &r, const typehl *list)
{
    for (const typenodehl *node = list ? list->head : nullptr; node; node = node->next)
        if (!s_element(r, node))
            return false;
    return true;
}

bool s_element(resolver &r, const typenodehl *node)
{
    uint32_t code = node->kind;
    if (code == TN_TYPEDEF_NAME)
        return s_elements(r, static_cast<const typehl *>(node->word[1]));
    // A function level cannot be the element of an array either.
    if (!sTransitionOk(r.state, code) || (code == TN_FUNCTION && r.last && r.last->kind == ARY)) {
        post_error(1166);
        return false;
    }
    bool opens_level = code <= TN_LONG || code == TN_POINTER || code == TN_STRUCT || code == TN_UNION || code == TN_ENUM;
    if (opens_level && r.state == STATE_FUNCTION)
        s_fix_function_range(r);

    if (code <= TN_LONG) {
        if (r.state != STATE_BASIC) {
            typell *level = type_create();
            level->kind = BSC;
            s_append(r, level);
            r.state = STATE_BASIC;
        }
        r.seen_type_specifier = true;
        sAddTypename(r, r.last, code);
    } else if (code <= TN_OVERLAY) {
        s_qualifier(r, code);
    } else if (code == TN_POINTER) {
        typell *level = type_create();
        level->kind = PTR;
        s_apply_qualifiers(r, level);
        s_append(r, level);
        // Whatever may start a type may follow a pointer, so that functions
        // can return pointers to arrays and to functions.
        r.state = STATE_START;
    } else if (code == TN_ARRAY) {
        typell *level = type_create();
        level->kind = ARY;
        s_append(r, level);
        level->detail.count = s_array_count(static_cast<pcodehl *>(node->word[0]));
    } else if (code == TN_FUNCTION) {
        typell *level = type_create();
        level->kind = FCN;
        level->memory = MEMORY_ROM;
        auto *params = static_cast<pcodehl *>(node->word[0]);
        if (node->word[1])
            level->flags |= TF_VARIADIC;
        if (node->word[2])
            level->flags |= TF_PROTOTYPED;
        s_append(r, level);
        level->detail.params = s_parameters(params, r.file, r.line);
        r.open_function = level;
        r.state = STATE_FUNCTION;
    } else if (code == TN_STRUCT || code == TN_UNION) {
        r.seen_type_specifier = true;
        s_struct_or_union(r, node);
        r.state = STATE_TAG;
    } else if (code == TN_ENUM) {
        r.seen_type_specifier = true;
        s_enum(r, node);
        r.state = STATE_TAG;
    } else {
        _assert("known type specifier", __FILE__, __LINE__);
    }
    return true;
}

void s_finish(resolver &r)
{
    s_fix_function_range(r);
    if (!r.last || (r.last->kind != BSC && r.last->kind != SUE)) {
        typell *level = type_create();
        level->kind = BSC;
        s_append(r, level);
    }
    typell *last = r.last;
    if (last->kind == BSC) {
        if (last->detail.basic == BT_NONE) {
            last->detail.basic = BT_INT;
            if (!r.seen_type_specifier)
                post_error(2068);
        }
        bool signedness_given = r.seen_signed || r.seen_unsigned;
        if (!signedness_given && !last->enum_tag &&
            ((last->detail.basic == BT_CHAR && plain_char_signed_flag) || last->detail.basic == BT_INT))
            last->flags |= TF_SIGNED;
    }
    int32_t memory = r.memory ? r.memory : last->memory ? last->memory : MEMORY_RAM;
    int32_t range = r.range ? r.range : last->memory == memory && last->range ? last->range : trnGetDefaultRange(memory);
    last->memory = memory;
    last->range = range;
    last->is_const |= r.is_const;
    last->is_volatile |= r.is_volatile;

    for (typell *level = r.head; level; level = level->next) {
        if (level->kind == ARY) {
            if (is_type_void(level->next)) {
                post_error(1177);
                type_free(level->next);
                level->next = type_copy(int_type);
            }
            const typell *element = level->next;
            while (element->kind == ARY)
                element = element->next;
            level->memory = element->memory;
            level->range = element->range;
            level->is_volatile = element->is_volatile;
            level->is_const = 1;
        } else if (level->kind == BSC && (level->flags & TF_SHORT) && !(level->flags & TF_LONG)) {
            level->flags &= ~TF_SHORT;
        }
    }
}

symbol *s_declare_parameter(const char *name, const typell *type, int32_t storage_class, const char *file,
                            int32_t line)
{
    symbol *sym = sym_create_symbol(name, type_copy(type), LINK_NONE, storage_class);
    sym->in_prototype = true;
    sym_declare_symbol(sym, false, line, file);
    return sym;
}

pcodell *s_literal_constant(pcodehl *expression)
{
    if (!expression)
        return nullptr;
    switch (expression->kind) {
    case H_CNST:
        return ll_constant(expression->constant.type, expression->constant.value, expression->line,
                           expression->file);
    case H_PLUS:
        return s_literal_constant(expression->left);
    case H_MINUS: {
        pcodell *value = s_literal_constant(expression->left);
        if (!value || value->constant.type == CT_FLOAT)
            return value;
        constant_record &c = value->constant;
        int64_t negated = -static_cast<int64_t>(is_signed_type(c.type) ? get_signed_constant_value(c.type, c.value)
                                                                       : get_unsigned_constant_value(c.type, c.value));
        uint32_t code = c.type == CT_SCHAR || c.type == CT_UCHAR ? CT_INT : c.type;
        pcodell *negative = ll_constant(code, static_cast<uint32_t>(negated), value->line, value->file);
        pcodellFreeTree(value);
        return negative;
    }
    default:
        return nullptr;
    }
}

} // namespace

void trn_forget_tag_definitions() { s_defined_by.clear(); }

trn_parameter_declarer trn_declare_parameter = s_declare_parameter;
trn_constant_translator trn_constant_expression = s_literal_constant;

bool trn_integer_constant(pcodell *tree, int64_t *value, uint32_t *code)
{
    bool ok = is_pcodell_constant(tree) && tree->constant.type <= CT_ULONG;
    if (ok) {
        *code = tree->constant.type;
        *value = is_signed_type(*code) ? get_signed_constant_value(*code, tree->constant.value)
                                       : static_cast<int64_t>(get_unsigned_constant_value(*code, tree->constant.value));
    }
    pcodellFreeTree(tree);
    return ok;
}

typell *trnResolveType(const typehl *specifiers, const char *file_name, int32_t line)
{
    resolver r = {};
    r.file = file_name;
    r.line = line;
    try {
        if (!s_elements(r, specifiers)) {
            type_free(r.head);
            return nullptr;
        }
        s_finish(r);
    } catch (...) {
        type_free(r.head);
        throw;
    }
    return r.head;
}

int32_t trnResolveSclass(const typehl *specifiers)
{
    int32_t storage_class = SC_NONE;
    bool seen = false;
    for (const typenodehl *node = specifiers ? specifiers->head : nullptr; node; node = node->next) {
        int32_t found;
        switch (node->kind) {
        case TN_EXTERN: found = SC_EXTERN; break;
        case TN_STATIC: found = SC_STATIC; break;
        case TN_TYPEDEF: found = SC_TYPEDEF; break;
        case TN_AUTO: found = SC_AUTO; break;
        case TN_OVERLAY: found = SC_OVERLAY; break;
        case TN_REGISTER: found = SC_NONE; break; // a hint only: the default local class applies
        default: continue;
        }
        if (seen && found != storage_class)
            post_error(1160);
        else
            storage_class = found;
        seen = true;
    }
    return storage_class;
}

bool trn_check_illegal_tag_reference(const typell *type)
{
    while (type && type->kind == ARY)
        type = type->next;
    if (type && type->kind == SUE && !type->detail.tag->definition) {
        post_error(1165, type->detail.tag->name);
        return true;
    }
    return false;
}

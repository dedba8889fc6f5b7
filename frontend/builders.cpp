#include "frontend/builders.h"

#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "frontend/asmrec.h"
#include "frontend/pragma.h"
#include "frontend/token.h"
#include "support/intern.h"
#include "support/position.h"
#include "support/vxassert.h"

hl_list hl_list_append(hl_list list, uint32_t kind, pcodehl *element, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(kind, element, nullptr, line, file);
    if (!list.head)
        return {node, node};
    list.tail->right = node;
    list.tail = node;
    return list;
}

hl_list hl_list_concat(hl_list list, hl_list more)
{
    if (!list.head)
        return more;
    if (!more.head)
        return list;
    list.tail->right = more.head;
    list.tail = more.tail;
    return list;
}

hl_declarator *new_declarator(char *name, int32_t line, const char *file)
{
    auto *d = static_cast<hl_declarator *>(hl_alloc(sizeof(hl_declarator)));
    d->name = name;
    d->line = line;
    d->file = file;
    d->parts = new_typehl();
    return d;
}

void declarator_free(hl_declarator *declarator)
{
    if (!declarator)
        return;
    free(declarator->name);
    typehl_free(declarator->parts);
    free(declarator);
}

static void s_post_at(int32_t line, const char *file, unsigned number, const char *argument = nullptr, int index = 0)
{
    if (index)
        post_error_at(line, file, number, index, argument);
    else if (argument)
        post_error_at(line, file, number, argument);
    else
        post_error_at(line, file, number);
}

static pcodehl *s_unary(uint32_t kind, pcodehl *operand, int32_t line, const char *file)
{
    return new_pcodehl(kind, operand, nullptr, line, file);
}

static pcodehl *s_binary(uint32_t kind, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    return new_pcodehl(kind, a, b, line, file);
}

pcodehl *identifier(char *name, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_IDENT, nullptr, nullptr, line, file);
    node->name = name;
    return node;
}

pcodehl *constant_primary_expression(constant_record value, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_CNST, nullptr, nullptr, line, file);
    node->constant = value;
    return node;
}

pcodehl *string_literal_expression(char *bytes, uint32_t count, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_STRING, nullptr, nullptr, line, file);
    node->bytes = bytes;
    node->count = count;
    return node;
}

pcodehl *index_expression(pcodehl *array, pcodehl *index, int32_t line, const char *file)
{
    return s_binary(H_INDEX, array, index, line, file);
}

pcodehl *call_expression(pcodehl *function, pcodehl *arguments, int32_t line, const char *file)
{
    if (function && function->kind == H_IDENT)
        function->flag = 1;
    return s_binary(H_CALL, function, arguments, line, file);
}

pcodehl *pre_increment_expression(pcodehl *operand, int32_t line, const char *file)
{
    return s_unary(H_PREINC, operand, line, file);
}

pcodehl *post_increment_expression(pcodehl *operand, int32_t line, const char *file)
{
    return s_unary(H_PSTINC, operand, line, file);
}

pcodehl *pre_decrement_expression(pcodehl *operand, int32_t line, const char *file)
{
    return s_unary(H_PREDEC, operand, line, file);
}

pcodehl *post_decrement_expression(pcodehl *operand, int32_t line, const char *file)
{
    return s_unary(H_PSTDEC, operand, line, file);
}

pcodehl *member_access_expression(pcodehl *object, char *member, int arrow, int32_t line, const char *file)
{
    pcodehl *node = s_unary(H_MEMBER, object, line, file);
    node->name = member;
    node->flag = arrow;
    return node;
}

pcodehl *argument_expression(pcodehl *list, pcodehl **last, pcodehl *argument, int32_t line, const char *file)
{
    pcodehl *end = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    pcodehl *arg = new_pcodehl(H_ARG, argument, end, line, file);
    if (!list) {
        *last = arg;
        return arg;
    }
    hl_free_ast((*last)->right);
    (*last)->right = arg;
    *last = arg;
    return list;
}

pcodehl *unary_expression(int op, pcodehl *operand, int32_t line, const char *file)
{
    uint32_t kind;
    switch (op) {
    case '&':
        kind = H_REF;
        break;
    case '*':
        kind = H_INDIR;
        break;
    case '+':
        kind = H_PLUS;
        break;
    case '-':
        kind = H_MINUS;
        break;
    case '~':
        kind = H_BNOT;
        break;
    case '!':
        kind = H_LNOT;
        break;
    default:
        _assert("unary operator", __FILE__, __LINE__);
    }
    return s_unary(kind, operand, line, file);
}

pcodehl *builtin_ittype_expression(pcodehl *operand, typehl *type, int32_t line, const char *file)
{
    pcodehl *node = s_unary(H_ITTYPE, operand, line, file);
    node->type = type;
    return node;
}

pcodehl *sizeof_expression_expression(pcodehl *operand, int32_t line, const char *file)
{
    return s_unary(H_SIZEOFEXPR, operand, line, file);
}

pcodehl *sizeof_type_expression(typehl *type, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_SIZEOFTYPE, nullptr, nullptr, line, file);
    node->type = type;
    return node;
}

pcodehl *explicit_cast_expression(typehl *type, pcodehl *operand, int32_t line, const char *file)
{
    pcodehl *node = s_unary(H_CAST, operand, line, file);
    node->type = type;
    return node;
}

pcodehl *multiplicative_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    VX_ASSERT(op == '*' || op == '/' || op == '%');
    return s_binary(op == '*' ? H_MUL : op == '/' ? H_DIV : H_MOD, a, b, line, file);
}

pcodehl *additive_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    VX_ASSERT(op == '+' || op == '-');
    return s_binary(op == '+' ? H_ADD : H_SUB, a, b, line, file);
}

pcodehl *shift_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    VX_ASSERT(op == TK_SHL || op == TK_SHR);
    return s_binary(op == TK_SHL ? H_SHL : H_SHR, a, b, line, file);
}

pcodehl *comparison_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    uint32_t kind;
    switch (op) {
    case '<':
        kind = H_LT;
        break;
    case '>':
        kind = H_GT;
        break;
    case TK_LE:
        kind = H_LTE;
        break;
    case TK_GE:
        kind = H_GTE;
        break;
    case TK_EQ:
        kind = H_EQ;
        break;
    case TK_NE:
        kind = H_NE;
        break;
    default:
        _assert("comparison operator", __FILE__, __LINE__);
    }
    return s_binary(kind, a, b, line, file);
}

pcodehl *binary_bitwise_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    VX_ASSERT(op == '&' || op == '|' || op == '^');
    return s_binary(op == '&' ? H_BAND : op == '|' ? H_BOR : H_BXOR, a, b, line, file);
}

pcodehl *logical_expression(int op, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    VX_ASSERT(op == TK_ANDAND || op == TK_OROR);
    return s_binary(op == TK_ANDAND ? H_LAND : H_LOR, a, b, line, file);
}

pcodehl *conditional_expression(pcodehl *c, pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    return s_binary(H_COND, c, s_binary(H_CONDSEP, a, b, line, file), line, file);
}

pcodehl *assignment_expression(int op, pcodehl *target, pcodehl *value, int32_t line, const char *file)
{
    uint32_t kind;
    switch (op) {
    case '=':
        kind = H_ASSIGN;
        break;
    case TK_MULA:
        kind = H_MULA;
        break;
    case TK_DIVA:
        kind = H_DIVA;
        break;
    case TK_MODA:
        kind = H_MODA;
        break;
    case TK_ADDA:
        kind = H_ADDA;
        break;
    case TK_SUBA:
        kind = H_SUBA;
        break;
    case TK_SHLA:
        kind = H_SHLA;
        break;
    case TK_SHRA:
        kind = H_SHRA;
        break;
    case TK_ANDA:
        kind = H_ANDA;
        break;
    case TK_XORA:
        kind = H_XORA;
        break;
    case TK_ORA:
        kind = H_ORA;
        break;
    default:
        _assert("assignment operator", __FILE__, __LINE__);
    }
    return s_binary(kind, target, value, line, file);
}

pcodehl *comma_expression(pcodehl *a, pcodehl *b, int32_t line, const char *file)
{
    return s_binary(H_COMMA, a, b, line, file);
}

pcodehl *constant_expression(pcodehl *expression)
{
    return expression;
}

pcodehl *enumerated_label_statement(char *name, pcodehl *value, pcodehl *statement, int32_t line, const char *file)
{
    pcodehl *node = s_binary(H_ENUM_LABEL, value, statement, line, file);
    node->name = name;
    return node;
}

pcodehl *label_statement(char *name, pcodehl *statement, int32_t line, const char *file)
{
    pcodehl *node = s_unary(H_LABEL, statement, line, file);
    node->name = name;
    return node;
}

pcodehl *case_label_statement(pcodehl *value, pcodehl *statement, int32_t line, const char *file)
{
    return s_binary(H_CASE, value, statement, line, file);
}

pcodehl *default_label_statement(pcodehl *statement, int32_t line, const char *file)
{
    return s_unary(H_DEFAULT, statement, line, file);
}

pcodehl *if_statement(pcodehl *c, pcodehl *then, int32_t line, const char *file)
{
    return s_binary(H_IF, c, then, line, file);
}

pcodehl *if_else_statement(pcodehl *c, pcodehl *then, pcodehl *otherwise, int32_t line, const char *file)
{
    return s_binary(H_IFE, c, s_binary(H_ELSE, then, otherwise, line, file), line, file);
}

pcodehl *switch_statement(pcodehl *e, pcodehl *body, int32_t line, const char *file)
{
    return s_binary(H_SWITCH, e, body, line, file);
}

pcodehl *while_statement(pcodehl *c, pcodehl *body, int32_t line, const char *file)
{
    return s_binary(H_WHILE, c, body, line, file);
}

pcodehl *do_statement(pcodehl *body, pcodehl *c, int32_t line, const char *file)
{
    return s_binary(H_DO, body, c, line, file);
}

pcodehl *for_statement(pcodehl *init, pcodehl *c, pcodehl *step, pcodehl *body, int32_t line, const char *file)
{
    pcodehl *post = s_binary(H_FORPOST, step, body, line, file);
    return s_binary(H_FORPRE, init, s_binary(H_FORCOND, c, post, line, file), line, file);
}

pcodehl *goto_statement(char *label, int32_t line, const char *file)
{
    return s_unary(H_JMP, identifier(label, line, file), line, file);
}

pcodehl *continue_statement(int32_t line, const char *file)
{
    return new_pcodehl(H_CONTINUE, nullptr, nullptr, line, file);
}

pcodehl *break_statement(int32_t line, const char *file)
{
    return new_pcodehl(H_BREAK, nullptr, nullptr, line, file);
}

pcodehl *return_statement(pcodehl *value, int32_t line, const char *file)
{
    return s_unary(H_RETURN, value, line, file);
}

pcodehl *compound_statement(pcodehl *declarations, pcodehl *statements, int32_t line, const char *file,
                            int32_t end_line, const char *end_file)
{
    pcodehl *node = s_binary(H_CSTMT, declarations, statements, line, file);
    node->end_line = end_line;
    node->end_file = intern_name(end_file);
    if (end_file && !node->end_file)
        post_error(101);
    return node;
}

pcodehl *asm_block_statement(asm_statement *statements, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_ASM, nullptr, nullptr, line, file);
    node->asm_list = statements;
    return node;
}

pcodehl *pragma_statement(const pragma_record *record, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(H_PRAGMA, nullptr, nullptr, line, file);
    node->pragma = static_cast<pragma_record *>(hl_alloc(sizeof(pragma_record)));
    *node->pragma = *record;
    return node;
}

typehl *declarator_type(hl_declarator *declarator, const typehl *specifiers)
{
    typehl *type = declarator ? declarator->parts : new_typehl();
    if (declarator)
        declarator->parts = nullptr;
    declarator_free(declarator);
    typehl *copy = typehl_copy(specifiers);
    // The first declarator of a declaration takes over what the specifiers
    // own (tag definitions, typedef types); later ones share them.
    for (typenodehl *from = specifiers ? specifiers->head : nullptr, *to = copy->head; from && to;
         from = from->next, to = to->next) {
        to->owns = from->owns;
        from->owns = false;
    }
    typehl_append_list(type, copy);
    return type;
}

static bool s_is_typedef(const typehl *specifiers)
{
    for (const typenodehl *n = specifiers ? specifiers->head : nullptr; n; n = n->next)
        if (n->kind == TN_TYPEDEF)
            return true;
    return false;
}

static pcodehl *s_decl(typehl *specifiers, hl_declarator *declarator, pcodehl *initializer, int32_t line,
                       const char *file)
{
    bool is_typedef = s_is_typedef(specifiers);
    char *name = declarator ? declarator->name : nullptr;
    if (declarator)
        declarator->name = nullptr;
    typehl *type = declarator_type(declarator, specifiers);
    pcodehl *ident;
    if (is_typedef) {
        if (initializer) {
            s_post_at(line, file, 1220, name ? name : "");
            hl_free_ast(initializer);
            initializer = nullptr;
        }
        if (name)
            s_declare_typedef(name, type);
        free(name);
        ident = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    } else if (name) {
        if (typedef_scope_depth() > 1 && lookup_typedef(name))
            override_typedef(name);
        ident = identifier(name, line, file);
    } else {
        ident = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    }
    if (!initializer)
        initializer = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    pcodehl *decl = new_pcodehl(H_DECL, ident, initializer, line, file);
    decl->type = type;
    return decl;
}

pcodehl *new_declaring_list(typehl *specifiers, hl_declarator *declarator, pcodehl *initializer, int32_t line,
                            const char *file)
{
    return new_pcodehl(H_DECLLST, s_decl(specifiers, declarator, initializer, line, file), nullptr, line, file);
}

pcodehl *declaring_list(pcodehl *list, typehl *specifiers, hl_declarator *declarator, pcodehl *initializer,
                        int32_t line, const char *file)
{
    return pcodehl_tail_list(H_DECLLST, list, s_decl(specifiers, declarator, initializer, line, file), line, file);
}

pcodehl *specifier_declaration(typehl *specifiers, int32_t line, const char *file)
{
    pcodehl *decl = new_pcodehl(H_DECL, new_pcodehl(H_NOP, nullptr, nullptr, line, file),
                                new_pcodehl(H_NOP, nullptr, nullptr, line, file), line, file);
    decl->type = specifiers;
    return new_pcodehl(H_DECLLST, decl, nullptr, line, file);
}

pcodehl *parameter_declaration(typehl *specifiers, hl_declarator *declarator, int32_t line, const char *file)
{
    char *name = declarator ? declarator->name : nullptr;
    if (declarator)
        declarator->name = nullptr;
    typehl *type = declarator ? declarator->parts : new_typehl();
    if (declarator)
        declarator->parts = nullptr;
    typehl_append_list(type, specifiers);
    declarator_free(declarator);
    pcodehl *ident;
    if (name) {
        if (lookup_typedef(name))
            override_typedef(name);
        ident = identifier(name, line, file);
    } else {
        ident = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    }
    pcodehl *decl = new_pcodehl(H_DECL, ident, new_pcodehl(H_NOP, nullptr, nullptr, line, file), line, file);
    decl->type = type;
    return decl;
}

pcodehl *member_declaring_list(pcodehl *list, typehl *specifiers, hl_declarator *declarator, pcodehl *width,
                               int32_t line, const char *file)
{
    char *name = declarator ? declarator->name : nullptr;
    if (declarator)
        declarator->name = nullptr;
    typehl *type = declarator_type(declarator, specifiers);
    pcodehl *ident = name ? identifier(name, line, file) : new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    if (!width)
        width = new_pcodehl(H_NOP, nullptr, nullptr, line, file);
    pcodehl *decl = new_pcodehl(H_DECL, ident, width, line, file);
    decl->type = type;
    return pcodehl_tail_list(H_DECLLST, list, decl, line, file);
}

hl_list declaration_list(hl_list list, pcodehl *declaration)
{
    if (!declaration)
        return list;
    pcodehl *last = declaration;
    while (last->right)
        last = last->right;
    return hl_list_concat(list, {declaration, last});
}

hl_list initializer_list(hl_list list, pcodehl *initializer, int32_t line, const char *file)
{
    return hl_list_append(list, H_ILIST, initializer, line, file);
}

typenodehl *aggregate_name(uint32_t kind, char *tag)
{
    VX_ASSERT(kind == TN_STRUCT || kind == TN_UNION || kind == TN_ENUM);
    typenodehl *node = new_typenodehl(kind);
    node->word[0] = tag;
    return node;
}

typenodehl *sue_specifier(uint32_t kind, char *tag, pcodehl *members)
{
    typenodehl *node = aggregate_name(kind, tag);
    node->word[1] = members;
    return node;
}

typenodehl *typedef_name_specifier(char *name, const typehl *type)
{
    typenodehl *node = new_typenodehl(TN_TYPEDEF_NAME);
    node->word[0] = name;
    node->word[1] = typehl_copy(type);
    return node;
}

static typenodehl *s_function_part(const hl_declarator *declarator)
{
    typenodehl *first = declarator && declarator->parts ? declarator->parts->head : nullptr;
    return first && first->kind == TN_FUNCTION ? first : nullptr;
}

static bool s_is_void_parameter(const pcodehl *decl)
{
    const typehl *type = decl->type;
    return decl->left && decl->left->kind == H_NOP && type && type->head && type->head == type->tail &&
           type->head->kind == TN_VOID;
}

void begin_function_body(const hl_declarator *declarator)
{
    enter_typedef_scope();
    typenodehl *function = s_function_part(declarator);
    if (!function)
        return;
    for (auto *p = static_cast<pcodehl *>(function->word[0]); p; p = p->right) {
        pcodehl *decl = p->left;
        if (decl && decl->left && decl->left->kind == H_IDENT && lookup_typedef(decl->left->name))
            override_typedef(decl->left->name);
    }
}

pcodehl *function_definition(typehl *specifiers, hl_declarator *declarator, pcodehl *body, int32_t line,
                             const char *file)
{
    const char *name = declarator->name ? declarator->name : "";
    typenodehl *function = s_function_part(declarator);
    if (!function) {
        s_post_at(declarator->line, declarator->file, 1100);
    } else if (declarator->old_style) {
        s_post_at(declarator->line, declarator->file, 1302);
    } else {
        auto *params = static_cast<pcodehl *>(function->word[0]);
        bool only_void = params && !params->right && params->left && s_is_void_parameter(params->left);
        int index = 0;
        for (pcodehl *p = only_void ? nullptr : params; p; p = p->right) {
            ++index;
            if (p->left && p->left->left && p->left->left->kind == H_NOP)
                s_post_at(p->left->line, p->left->file, 1154, name, index);
        }
    }
    char *function_name = hl_strdup(name);
    pcodehl *decl = s_decl(specifiers, declarator, nullptr, line, file);
    pcodehl *node = s_binary(H_FUNCT, decl, body, line, file);
    node->name = function_name;
    node->type = typehl_copy(decl->type);
    return node;
}

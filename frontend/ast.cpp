#include "frontend/ast.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "frontend/asmrec.h"
#include "frontend/pragma.h"
#include "support/intern.h"
#include "support/pool.h"
#include "support/position.h"
#include "support/vxassert.h"

static pcodehl *s_ast;
static record_pool s_nodes{sizeof(pcodehl)};

void *hl_alloc(unsigned long size)
{
    void *memory = calloc(1, size);
    if (!memory)
        post_error(101);
    return memory;
}

char *hl_strdup(const char *text)
{
    char *copy = strdup(text ? text : "");
    if (!copy)
        post_error(101);
    return copy;
}

bool hl_parsing;
bool hl_abort_pending;

void post_error_at(int32_t line, const char *file, unsigned number, ...)
{
    char saved_file[MAX_PATH_LENGTH];
    memcpy(saved_file, yyfilename, sizeof saved_file);
    int saved_line = yylineno;
    if (file != yyfilename)
        snprintf(yyfilename, sizeof yyfilename, "%s", file ? file : "");
    yylineno = line;
    va_list args;
    va_start(args, number);
    bool aborted = false;
    try {
        vpost_error(number, args);
    } catch (const compile_abort &) {
        aborted = true;
    }
    va_end(args);
    memcpy(yyfilename, saved_file, sizeof saved_file);
    yylineno = saved_line;
    if (aborted) {
        if (!hl_parsing)
            throw compile_abort{};
        hl_abort_pending = true;
    }
}

source_position getLineno(int32_t line, const char *file)
{
    return {line, hl_strdup(file)};
}

pcodehl *new_pcodehl(uint32_t kind, pcodehl *left, pcodehl *right, int32_t line, const char *file)
{
    auto *node = pool_new<pcodehl>(&s_nodes);
    if (!node)
        post_error(101);
    node->kind = kind;
    node->left = left;
    node->right = right;
    node->line = line;
    node->file = intern_name(file);
    if (file && !node->file)
        post_error(101);
    return node;
}

pcodehl *pcodehl_head_list(uint32_t kind, pcodehl *list, pcodehl *element, int32_t line, const char *file)
{
    return new_pcodehl(kind, element, list, line, file);
}

pcodehl *pcodehl_tail_list(uint32_t kind, pcodehl *list, pcodehl *element, int32_t line, const char *file)
{
    pcodehl *node = new_pcodehl(kind, element, nullptr, line, file);
    if (!list)
        return node;
    pcodehl *last = list;
    while (last->right)
        last = last->right;
    last->right = node;
    return list;
}

pcodehl *hl_get_ast()
{
    return s_ast;
}

void hl_set_ast(pcodehl *root)
{
    s_ast = root;
}

// Trees can be as deep as their input is long (a long chain of additions is
// one left spine), so the walks keep their own stack.
void hl_free_ast(pcodehl *node)
{
    std::vector<pcodehl *> pending;
    if (node)
        pending.push_back(node);
    while (!pending.empty()) {
        pcodehl *n = pending.back();
        pending.pop_back();
        if (n->left)
            pending.push_back(n->left);
        if (n->right)
            pending.push_back(n->right);
        free(n->name);
        free(n->bytes);
        typehl_free(n->type);
        asm_list_free(n->asm_list);
        if (n->pragma) {
            pragma_record_free(n->pragma);
            free(n->pragma);
        }
        if (n == s_ast)
            s_ast = nullptr;
        pool_free(&s_nodes, n);
    }
}

typehl *new_typehl()
{
    return static_cast<typehl *>(hl_alloc(sizeof(typehl)));
}

typenodehl *new_typenodehl(uint32_t kind)
{
    auto *node = static_cast<typenodehl *>(hl_alloc(sizeof(typenodehl)));
    node->kind = kind;
    node->owns = true;
    return node;
}

void typehl_append(typehl *list, typenodehl *chain)
{
    if (!chain)
        return;
    typenodehl *last = chain;
    while (last->next)
        last = last->next;
    chain->prev = list->tail;
    if (list->tail)
        list->tail->next = chain;
    else
        list->head = chain;
    list->tail = last;
}

void typehl_append_list(typehl *list, typehl *other)
{
    if (!other)
        return;
    typehl_append(list, other->head);
    free(other);
}

void typehl_insert(typehl *list, typenodehl *chain)
{
    if (!chain)
        return;
    typenodehl *last = chain;
    while (last->next)
        last = last->next;
    last->next = list->head;
    if (list->head)
        list->head->prev = last;
    else
        list->tail = last;
    list->head = chain;
    chain->prev = nullptr;
}

typehl *typehl_copy(const typehl *list)
{
    typehl *copy = new_typehl();
    if (!list)
        return copy;
    for (const typenodehl *n = list->head; n; n = n->next) {
        typenodehl *c = new_typenodehl(n->kind);
        memcpy(c->word, n->word, sizeof c->word);
        c->owns = false;
        typehl_append(copy, c);
    }
    return copy;
}

void typehl_remove(typehl *list, typenodehl *node)
{
    if (node->prev)
        node->prev->next = node->next;
    else
        list->head = node->next;
    if (node->next)
        node->next->prev = node->prev;
    else
        list->tail = node->prev;
    node->next = node->prev = nullptr;
}

void typenodehl_free(typenodehl *node)
{
    if (node->owns) {
        switch (node->kind) {
        case TN_STRUCT:
        case TN_UNION:
        case TN_ENUM:
            free(node->word[0]);
            hl_free_ast(static_cast<pcodehl *>(node->word[1]));
            break;
        case TN_ARRAY:
        case TN_FUNCTION:
            hl_free_ast(static_cast<pcodehl *>(node->word[0]));
            break;
        case TN_TYPEDEF_NAME:
            free(node->word[0]);
            typehl_free(static_cast<typehl *>(node->word[1]));
            break;
        default:
            break;
        }
    }
    free(node);
}

void typehl_free(typehl *list)
{
    if (!list)
        return;
    typenodehl *n = list->head;
    while (n) {
        typenodehl *next = n->next;
        typenodehl_free(n);
        n = next;
    }
    free(list);
}

static const char *const s_kind_names[] = {
    "H_NOP", "H_ADD", "H_SUB", "H_MUL", "H_DIV", "H_MOD", "H_PREINC", "H_PSTINC", "H_MINUS", "H_PLUS",
    "H_PREDEC", "H_PSTDEC", "H_INDIR", "H_REF", "H_INDEX", "H_EQ", "H_NE", "H_LT", "H_GT", "H_LTE",
    "H_GTE", "H_LNOT", "H_LAND", "H_LOR", "H_BNOT", "H_BAND", "H_BOR", "H_BXOR", "H_SHR", "H_SHL",
    "H_IF", "H_IFE", "H_JMP", "H_CALL", "H_SWITCH", "H_CASE", "H_WHILE", "H_DO", "H_FORPRE", "H_FORCOND",
    "H_FORPOST", "H_BREAK", "H_CONTINUE", "H_ELSE", "H_RETURN", "H_DEFAULT", "H_ASSIGN", "H_MULA", "H_DIVA", "H_MODA",
    "H_ADDA", "H_SUBA", "H_SHLA", "H_SHRA", "H_ANDA", "H_ORA", "H_XORA", "H_COMMA", "H_MEMBER", "H_COND",
    "H_CONDSEP", "H_IDENT", "H_CNST", "H_STRING", "H_ASM", "H_SIZEOFEXPR", "H_SIZEOFTYPE", "H_CAST", "H_STMTLST", "H_LABEL",
    "H_CSTMT", "H_DECL", "H_DECLLST", "H_FUNCT", "H_DEF", "H_DEFLST", "H_ARG", "H_ILIST", "H_PRAGMA", "H_ENUM_LABEL",
    "H_ITTYPE",
};

const char *hl_kind_name(uint32_t kind)
{
    if (kind < H_NOP || kind > H_ITTYPE)
        return "--ERRROR--";
    return s_kind_names[kind - H_NOP];
}

void hl_print_ast(const pcodehl *node)
{
    struct item {
        const pcodehl *node;
        int depth;
    };
    std::vector<item> pending;
    if (node)
        pending.push_back({node, 0});
    while (!pending.empty()) {
        item it = pending.back();
        pending.pop_back();
        const pcodehl *n = it.node;
        printf("%10s:%4ld: %*.*s%s\n", n->file ? n->file : "", static_cast<long>(n->line), it.depth * 4,
               it.depth * 4, "", hl_kind_name(n->kind));
        if (n->right)
            pending.push_back({n->right, it.depth + 1});
        if (n->left)
            pending.push_back({n->left, it.depth + 1});
    }
}

static const char *const s_type_names[] = {
    "char ", "int ", "float ", "double ", "void ", "unsigned ", "signed ", "short ", "long ", "const ",
    "volatile ", "rom ", "ram ", "near ", "far ", "extern ", "static ", "register ", "typedef ", "auto ",
    "overlay ", "* ", "[] ", "() ",
};

void hl_print_type(const typehl *type)
{
    for (const typenodehl *n = type ? type->head : nullptr; n; n = n->next)
        fputs(n->kind <= TN_FUNCTION ? s_type_names[n->kind] : "??? ", stdout);
    fputs("\n", stdout);
}

// The walk over the syntax tree: the tree is flattened into its pre-order
// token stream and parsed by the tree grammar, whose actions translate.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "support/position.h"
#include "translate/guard.h"
#include "translate/translate.h"
#include "translate/walk_grammar.h"

static_assert(ZZ_LIST_END == TRN_LIST_END && ZZ_ABSENT == TRN_ABSENT);

namespace {

// A token of the stream: a node of the tree, or a list end or an absent
// child marker, which carries the position of the node before it.
struct flat_token {
    const pcodehl *node;
    int token;
};

std::vector<flat_token> s_stream;
size_t s_next;
bool s_started;
pcodehl *s_root;
bool s_module_open;
// The seams of type resolution as they were before this unit.
trn_parameter_declarer s_saved_declarer;
trn_constant_translator s_saved_constant;

bool s_is_list(uint32_t kind)
{
    return kind == H_STMTLST || kind == H_DECLLST || kind == H_DEFLST || kind == H_ILIST;
}

// Children whose absence the grammar must see, because what follows could
// otherwise be read as the child.
bool s_left_marked(uint32_t kind)
{
    return kind == H_CSTMT || kind == H_FORPRE || kind == H_FORCOND || kind == H_FORPOST || kind == H_RETURN;
}

bool s_right_marked(uint32_t kind) { return kind == H_CSTMT || kind == H_CALL; }

struct work {
    const pcodehl *node;
    int token; // 0: visit the node
};

} // namespace

stmt *zz_result;
bool trn_abort_pending;

void trn_error(unsigned number, ...)
{
    if (trn_abort_pending)
        return;
    va_list args;
    va_start(args, number);
    try {
        vpost_error(number, args);
    } catch (const compile_abort &) {
        trn_abort_pending = true;
    }
    va_end(args);
}

typell *trn_resolve_type(const typehl *specifiers, const char *file, int32_t line)
{
    typell *type = nullptr;
    trn_guard([&] { type = trnResolveType(specifiers, file, line); });
    return type;
}

bool trn_check_tag(const typell *type)
{
    bool incomplete = true;
    trn_guard([&] { incomplete = trn_check_illegal_tag_reference(type); });
    return incomplete;
}

// The parser's own failures: a stack that outgrew its limit, or a token
// stream that no rule matches, which a well-formed tree never produces.
void zzerror(const char *message)
{
    trn_error(100, strcmp(message, "memory exhausted") == 0 ? "yacc stack overflow" : message);
}

void trn_at(const pcodehl *node)
{
    if (!node)
        return;
    yylineno = node->line;
    if (node->file && strcmp(node->file, yyfilename) != 0) {
        strncpy(yyfilename, node->file, MAX_PATH_LENGTH - 1);
        yyfilename[MAX_PATH_LENGTH - 1] = '\0';
    }
}

void trnFlattenAST(pcodehl *root)
{
    s_stream.clear();
    s_next = 0;
    s_started = false;
    s_root = root;
    std::vector<work> pending;
    if (root)
        pending.push_back({root, 0});
    pcodehl *previous = nullptr;
    while (!pending.empty()) {
        work item = pending.back();
        pending.pop_back();
        if (item.token) {
            s_stream.push_back({item.node, item.token});
            continue;
        }
        auto *node = const_cast<pcodehl *>(item.node);
        if (previous)
            previous->flat = node;
        node->flat = nullptr;
        previous = node;
        s_stream.push_back({node, static_cast<int>(node->kind)});
        if (node->right)
            pending.push_back({node->right, 0});
        else if (s_is_list(node->kind))
            pending.push_back({node, ZZ_LIST_END});
        else if (s_right_marked(node->kind))
            pending.push_back({node, ZZ_ABSENT});
        if (node->left)
            pending.push_back({node->left, 0});
        else if (s_left_marked(node->kind))
            pending.push_back({node, ZZ_ABSENT});
    }
}

int zzlex()
{
    if (!s_started) {
        s_started = true;
        sym_enter_file(_source_file_name ? _source_file_name : yyfilename);
    }
    if (trn_abort_pending)
        return ZZ_ABORT;
    if (s_next >= s_stream.size())
        return -1;
    const flat_token &t = s_stream[s_next++];
    zzlval.node = const_cast<pcodehl *>(t.node);
    trn_at(t.node);
    return t.token;
}

stmt *trnTranslateAST(pcodehl *root)
{
    yyfilename[0] = '\0';
    yylineno = 1;
    sym_begin_module();
    trnInitialize();
    s_module_open = true;
    trn_reset_declarations();
    trn_reset_statements();
    s_saved_declarer = trn_declare_parameter;
    s_saved_constant = trn_constant_expression;
    trn_declare_parameter = trn_parameter_seam();
    trn_constant_expression = s_constant_expression;
    if (debug_trans_flag)
        hl_print_ast(root);
    zz_result = nullptr;
    trn_abort_pending = false;
    trnFlattenAST(root);
    if (!s_stream.empty())
        zzparse();
    s_stream.clear();
    s_stream.shrink_to_fit();
    if (trn_abort_pending) {
        trn_abort_pending = false;
        trn_drop_calls();
        stmtFreeList(zz_result);
        zz_result = nullptr;
        throw compile_abort{};
    }
    if (debug_code_gen_flag && get_error_count() == 0)
        for (const stmt *s = zz_result; s; s = s->next)
            pcodell_dbg_dump_tree(s->tree);
    return zz_result;
}

bool trn_close_module()
{
    bool open = s_module_open;
    if (open) {
        trn_declare_parameter = s_saved_declarer;
        trn_constant_expression = s_saved_constant;
    }
    s_module_open = false;
    return open;
}

// The walk over the syntax tree: the tree is flattened into its pre-order
// token stream and parsed by the tree grammar, whose actions translate.
#include <cstdarg>
#include <cstdio>
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

bool s_started;
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

// What the token stream delivers next: a node, or a list end or absent
// child marker, which carries the position of its node.
struct work {
    const pcodehl *node;
    int token; // 0: the node itself
};
std::vector<work> s_pending;

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

void trn_at_position(int32_t line, const char *file)
{
    yylineno = line;
    // Consecutive nodes nearly always name the same file.
    if (file && strcmp(file, yyfilename) != 0)
        snprintf(yyfilename, MAX_PATH_LENGTH, "%s", file);
}

void trn_at(const pcodehl *node)
{
    if (node)
        trn_at_position(node->line, node->file);
}

void trnFlattenAST(pcodehl *root)
{
    s_pending.clear();
    s_started = false;
    if (!root)
        return;
    // The pre-order links; a pending right child waits on the stack, so
    // long lists and right-nested chains need no recursion.
    std::vector<pcodehl *> rights;
    pcodehl *previous = nullptr;
    for (pcodehl *node = root; node;) {
        if (previous)
            previous->flat = node;
        node->flat = nullptr;
        previous = node;
        if (node->right)
            rights.push_back(node->right);
        if (node->left) {
            node = node->left;
        } else if (!rights.empty()) {
            node = rights.back();
            rights.pop_back();
        } else {
            node = nullptr;
        }
    }
    s_pending.push_back({root, 0});
}

// The tokens follow the pre-order links, with the list ends and absent
// children that the tree grammar needs in between.
int zzlex()
{
    if (!s_started) {
        s_started = true;
        sym_enter_file(_source_file_name ? _source_file_name : yyfilename);
    }
    if (trn_abort_pending)
        return ZZ_ABORT;
    if (s_pending.empty())
        return -1;
    work item = s_pending.back();
    s_pending.pop_back();
    zzlval.node = const_cast<pcodehl *>(item.node);
    trn_at(item.node);
    if (item.token)
        return item.token;
    const pcodehl *node = item.node;
    if (node->right)
        s_pending.push_back({node->right, 0});
    else if (s_is_list(node->kind))
        s_pending.push_back({node, ZZ_LIST_END});
    else if (s_right_marked(node->kind))
        s_pending.push_back({node, ZZ_ABSENT});
    if (node->left)
        s_pending.push_back({node->left, 0});
    else if (s_left_marked(node->kind))
        s_pending.push_back({node, ZZ_ABSENT});
    return static_cast<int>(node->kind);
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
    if (root)
        zzparse();
    s_pending.clear();
    s_pending.shrink_to_fit();
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

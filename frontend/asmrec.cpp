#include "frontend/asmrec.h"

#include <cstdlib>
#include <vector>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "support/position.h"

asm_statement *asmInstruction(char *mnemonic, asm_operand *operands, int32_t line, char *file)
{
    auto *statement = static_cast<asm_statement *>(hl_alloc(sizeof(asm_statement)));
    statement->kind = INST_HINST;
    statement->mnemonic = mnemonic;
    statement->operands = operands;
    statement->line = line;
    statement->file = file;
    return statement;
}

asm_statement *asmLabel(char *name)
{
    auto *statement = static_cast<asm_statement *>(hl_alloc(sizeof(asm_statement)));
    statement->kind = LABEL_HINST;
    statement->label = name;
    return statement;
}

void asm_list_free(asm_statement *list)
{
    while (list) {
        asm_statement *next = list->next;
        asm_operand *op = list->operands;
        while (op) {
            asm_operand *following = op->next;
            free(op->symbol);
            free(op);
            op = following;
        }
        free(list->mnemonic);
        free(list->file);
        free(list->label);
        free(list);
        list = next;
    }
}

static int32_t s_apply(uint32_t kind, int32_t a, int32_t b, bool *ok)
{
    // Signed 32-bit arithmetic that wraps instead of overflowing.
    auto ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    switch (kind) {
    case H_ADD:
        return static_cast<int32_t>(ua + ub);
    case H_SUB:
        return static_cast<int32_t>(ua - ub);
    case H_MUL:
        return static_cast<int32_t>(ua * ub);
    case H_DIV:
    case H_MOD:
        if (b == 0 || (a == INT32_MIN && b == -1)) {
            *ok = false;
            return 0;
        }
        return kind == H_DIV ? a / b : a % b;
    case H_EQ:
        return a == b;
    case H_NE:
        return a != b;
    case H_LT:
        return a < b;
    case H_GT:
        return a > b;
    case H_LTE:
        return a <= b;
    case H_GTE:
        return a >= b;
    case H_LAND:
        return a && b;
    case H_LOR:
        return a || b;
    case H_BAND:
        return a & b;
    case H_BOR:
        return a | b;
    case H_BXOR:
        return a ^ b;
    case H_SHR:
        return (ub & 31) == ub ? a >> ub : (a < 0 ? -1 : 0);
    case H_SHL:
        return (ub & 31) == ub ? static_cast<int32_t>(ua << ub) : 0;
    }
    *ok = false;
    return 0;
}

static bool s_is_binary(uint32_t kind)
{
    switch (kind) {
    case H_ADD: case H_SUB: case H_MUL: case H_DIV: case H_MOD: case H_EQ: case H_NE: case H_LT:
    case H_GT: case H_LTE: case H_GTE: case H_LAND: case H_LOR: case H_BAND: case H_BOR: case H_BXOR:
    case H_SHR: case H_SHL:
        return true;
    default:
        return false;
    }
}

static bool s_is_unary(uint32_t kind)
{
    return kind == H_MINUS || kind == H_PLUS || kind == H_LNOT || kind == H_BNOT || kind == H_CAST;
}

// Post-order over an explicit stack: operands of in-line assembly may be
// arbitrarily long expressions.
static int32_t s_compute_asm_constant(const pcodehl *expression, bool *ok)
{
    struct frame {
        const pcodehl *node;
        bool expanded;
    };
    std::vector<frame> pending{{expression, false}};
    std::vector<int32_t> values;
    while (!pending.empty() && *ok) {
        frame f = pending.back();
        pending.pop_back();
        const pcodehl *n = f.node;
        if (!n) {
            *ok = false;
            break;
        }
        if (n->kind == H_CNST) {
            values.push_back(get_signed_constant_value(n->constant.type, n->constant.value));
            continue;
        }
        bool binary = s_is_binary(n->kind), unary = s_is_unary(n->kind);
        if (!binary && !unary) {
            *ok = false;
            break;
        }
        if (!f.expanded) {
            pending.push_back({n, true});
            if (binary)
                pending.push_back({n->right, false});
            pending.push_back({n->left, false});
            continue;
        }
        if (unary) {
            int32_t v = values.back();
            switch (n->kind) {
            case H_MINUS:
                values.back() = static_cast<int32_t>(0u - static_cast<uint32_t>(v));
                break;
            case H_LNOT:
                values.back() = !v;
                break;
            case H_BNOT:
                values.back() = ~v;
                break;
            default:
                break;
            }
            continue;
        }
        int32_t b = values.back();
        values.pop_back();
        values.back() = s_apply(n->kind, values.back(), b, ok);
    }
    return *ok ? values.back() : 0;
}

void resolve_asm_constant_expression(asm_operand *result, const pcodehl *expression)
{
    result->symbol = nullptr;
    result->reserved1 = 0;
    result->offset = 0;
    result->reserved2 = 0;
    if (expression && expression->kind == H_CAST)
        expression = expression->left;
    bool ok = true;
    if (expression && expression->kind == H_IDENT) {
        result->symbol = hl_strdup(expression->name);
    } else if (expression && (expression->kind == H_ADD || expression->kind == H_SUB) && expression->left &&
               expression->left->kind == H_IDENT) {
        int32_t value = s_compute_asm_constant(expression->right, &ok);
        if (ok) {
            result->symbol = hl_strdup(expression->left->name);
            result->offset = expression->kind == H_SUB ? static_cast<int32_t>(0u - static_cast<uint32_t>(value)) : value;
        }
    } else {
        result->offset = s_compute_asm_constant(expression, &ok);
    }
    if (!ok)
        post_error_at(expression ? expression->line : yylineno, expression ? expression->file : yyfilename, 1253);
}

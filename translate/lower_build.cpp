// The IR builders: operator choice by width, signedness and address kind.
#include <cstdlib>
#include <cstring>

#include "driver/options.h"
#include "frontend/pragma.h"
#include "support/vxassert.h"
#include "translate/lower_internal.h"
#include "translate/ranges.h"
#include "translate/trnalloc.h"

namespace {

typell *s_type_of(const pcodell *tree) { return type_copy(tree->type); }

bool s_both_constant(const pcodell *a, const pcodell *b) { return is_pcodell_constant(a) && is_pcodell_constant(b); }

// Replaces two constant operands by their folded value; null when the
// operation has no value at translation time.
pcodell *s_try_fold(fold_op op, pcodell *a, pcodell *b)
{
    if (!s_both_constant(a, b))
        return nullptr;
    constant_record result;
    if (!ll_fold(op, a->constant, b->constant, &result))
        return nullptr;
    a->constant = result;
    pcodellFreeTree(b);
    return a;
}

pcodell *s_truth_constant(bool value, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    pcodellFreeTree(a);
    pcodellFreeTree(b);
    typell *type = ll_truth_type();
    uint32_t code = type_constant_code(type);
    type_free(type);
    return ll_constant(code, value ? 1 : 0, line, file);
}

pcodell *s_commutative(commutative_op cop, fold_op op, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (pcodell *folded = s_try_fold(op, a, b))
        return folded;
    const pcodell *typed = !is_type_pointer(a->type) && is_type_pointer(b->type) ? b : a;
    pcodell *tree = ll_node(I_cop8 + ll_width_index(typed->type), a, b, s_type_of(typed), line, file);
    tree->cop = cop;
    return tree;
}

pcodell *s_commutative_assign(commutative_op cop, pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    uint32_t w = is_type_scalar(lvalue->type) && !is_type_float(lvalue->type) ? ll_width_index(lvalue->type) : WIDTH_F;
    pcodell *tree = ll_node(I_cop8A + w, lvalue, b, s_type_of(lvalue), line, file);
    tree->cop = cop;
    return tree;
}

// The subtract, multiply, divide and modulus families: seven operators per
// integer width (subtract, then S and U of each), then the float forms.
constexpr uint32_t ARITH_SUB = 0, ARITH_MUL = 1, ARITH_DIV = 3, ARITH_MOD = 5;

uint32_t s_arith_opcode(uint32_t base, uint32_t float_base, uint32_t which, const typell *type)
{
    uint32_t w = ll_width_index(type);
    if (w == WIDTH_F) {
        VX_ASSERT(which != ARITH_MOD);
        return float_base + (which == ARITH_SUB ? 0 : which == ARITH_MUL ? 1 : 2);
    }
    uint32_t opcode = base + 7 * w + which;
    if (which != ARITH_SUB && !is_type_signed(type))
        ++opcode;
    return opcode;
}

pcodell *s_arith(uint32_t which, fold_op op, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (pcodell *folded = s_try_fold(op, a, b))
        return folded;
    return ll_node(s_arith_opcode(I_SUB8, I_SUBF, which, a->type), a, b, s_type_of(a), line, file);
}

pcodell *s_arith_assign(uint32_t which, pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return ll_node(s_arith_opcode(I_SUB8A, I_SUBFA, which, lvalue->type), lvalue, b, s_type_of(lvalue), line, file);
}

pcodell *s_shift(uint32_t base, fold_op op, pcodell *a, pcodell *count, int32_t line, const char *file)
{
    if (pcodell *folded = s_try_fold(op, a, count))
        return folded;
    uint32_t w = ll_width_index(a->type);
    VX_ASSERT(w != WIDTH_F);
    return ll_node(base + w, a, count, s_type_of(a), line, file);
}

// Comparisons: equality has one operator per width; the orderings have S
// and U forms per integer width, then the float form.
pcodell *s_compare(uint32_t base, fold_op op, pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (s_both_constant(a, b)) {
        constant_record result;
        if (ll_fold(op, a->constant, b->constant, &result))
            return s_truth_constant(result.value != 0, a, b, line, file);
    }
    uint32_t w = ll_width_index(a->type);
    uint32_t opcode;
    if (base == I_EQ8)
        opcode = I_EQ8 + w;
    else if (w == WIDTH_F)
        opcode = base + 8;
    else
        opcode = base + w + (is_type_signed(a->type) ? 0 : 4);
    return ll_node(opcode, a, b, ll_truth_type(), line, file);
}

uint32_t s_increment(uint32_t family, pcodell *lvalue)
{
    const typell *type = lvalue->type;
    uint32_t w = is_type_integer(type) || is_type_pointer(type) ? ll_width_index(type) : WIDTH_F;
    uint32_t rom = type->memory == MEMORY_ROM ? 20 : 0;
    return I_PREINC8RAM + rom + family * 5 + w;
}

pcodell *s_step(uint32_t family, pcodell *lvalue, int32_t step, int32_t line, const char *file)
{
    pcodell *tree = ll_node(s_increment(family, lvalue), lvalue, nullptr, s_type_of(lvalue), line, file);
    tree->step = step;
    return tree;
}

address_kind s_address_kind_of(const pcodell *indirection)
{
    return static_cast<address_kind>((indirection->opcode - I_IND8RAM8) / 5);
}

section_type s_pragma_section_type(uint32_t type)
{
    switch (type) {
    case PSECT_CODE: return SECTION_CODE;
    case PSECT_IDATA: return SECTION_IDATA;
    case PSECT_UDATA: return SECTION_UDATA;
    case PSECT_ROMDATA: return SECTION_ROMDATA;
    }
    _assert("known section pragma type", __FILE__, __LINE__);
}

} // namespace

uint32_t ll_width_index(const typell *type)
{
    VX_ASSERT(type != nullptr);
    if (is_type_float(type))
        return WIDTH_F;
    VX_ASSERT(is_type_integer(type) || is_type_pointer(type));
    uint32_t size = ll_sizeof_type(type);
    VX_ASSERT(size >= 1 && size <= 4);
    return size - 1;
}

uint32_t ll_value_width_index(uint32_t size) { return size >= 1 && size <= 4 ? size - 1 : 4; }

pcodell *ll_node(uint32_t opcode, pcodell *left, pcodell *right, typell *type, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(opcode, left, right, line, file);
    tree->type = type;
    return tree;
}

typell *ll_truth_type()
{
    return type_basic(suppress_integer_promotion_flag ? BT_CHAR : BT_INT,
                      suppress_integer_promotion_flag && !plain_char_signed_flag ? 0 : TF_SIGNED);
}

pcodell *ll_ident(symbol *sym, int32_t line, const char *file)
{
    VX_ASSERT(sym && sym->kind == VARIABLE && sym->type);
    uint32_t opcode = I_IDSTK;
    if (sym->storage_class != SC_AUTO) {
        static const uint32_t by_kind[] = {I_IDRAM8, I_IDRAM16, I_IDROM16, I_IDROM24};
        opcode = by_kind[ll_address_kind(sym->type->memory, sym->type->range)];
    }
    pcodell *tree = ll_node(opcode, nullptr, nullptr, type_pointer_to(type_copy(sym->type)), line, file);
    tree->sym = sym;
    return tree;
}

pcodell *ll_add(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_commutative(B_ADD, FOLD_ADD, a, b, line, file);
}
pcodell *ll_bitwise_and(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_commutative(B_AND, FOLD_AND, a, b, line, file);
}
pcodell *ll_bitwise_or(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_commutative(B_OR, FOLD_OR, a, b, line, file);
}
pcodell *ll_bitwise_xor(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_commutative(B_XOR, FOLD_XOR, a, b, line, file);
}
pcodell *ll_sub(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_arith(ARITH_SUB, FOLD_SUB, a, b, line, file);
}
pcodell *ll_mul(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_arith(ARITH_MUL, FOLD_MUL, a, b, line, file);
}
pcodell *ll_div(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_arith(ARITH_DIV, FOLD_DIV, a, b, line, file);
}
pcodell *ll_mod(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_arith(ARITH_MOD, FOLD_MOD, a, b, line, file);
}

pcodell *ll_bitwise_not(pcodell *a, int32_t line, const char *file)
{
    uint32_t w = ll_width_index(a->type);
    VX_ASSERT(w != WIDTH_F);
    if (is_pcodell_constant(a)) {
        a->constant.value = ll_wrap(a->constant.type, ~static_cast<uint64_t>(a->constant.value));
        return a;
    }
    return ll_node(I_COM8 + w, a, nullptr, s_type_of(a), line, file);
}

pcodell *ll_shift_left(pcodell *a, pcodell *count, int32_t line, const char *file)
{
    return s_shift(I_SHL8, FOLD_SHL, a, count, line, file);
}
pcodell *ll_shift_right(pcodell *a, pcodell *count, int32_t line, const char *file)
{
    return s_shift(I_SHR8, FOLD_SHR, a, count, line, file);
}

pcodell *ll_add_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_commutative_assign(B_ADD, lvalue, b, line, file);
}
pcodell *ll_and_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_commutative_assign(B_AND, lvalue, b, line, file);
}
pcodell *ll_or_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_commutative_assign(B_OR, lvalue, b, line, file);
}
pcodell *ll_xor_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_commutative_assign(B_XOR, lvalue, b, line, file);
}
pcodell *ll_sub_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_arith_assign(ARITH_SUB, lvalue, b, line, file);
}
pcodell *ll_mul_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_arith_assign(ARITH_MUL, lvalue, b, line, file);
}
pcodell *ll_div_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_arith_assign(ARITH_DIV, lvalue, b, line, file);
}
pcodell *ll_mod_assign(pcodell *lvalue, pcodell *b, int32_t line, const char *file)
{
    return s_arith_assign(ARITH_MOD, lvalue, b, line, file);
}

pcodell *ll_shift_left_assign(pcodell *lvalue, pcodell *count, int32_t line, const char *file)
{
    uint32_t w = ll_width_index(lvalue->type);
    VX_ASSERT(w != WIDTH_F);
    return ll_node(I_SHL8A + w, lvalue, count, s_type_of(lvalue), line, file);
}

pcodell *ll_shift_right_assign(pcodell *lvalue, pcodell *count, int32_t line, const char *file)
{
    uint32_t w = ll_width_index(lvalue->type);
    VX_ASSERT(w != WIDTH_F);
    return ll_node(I_SHR8A + w, lvalue, count, s_type_of(lvalue), line, file);
}

pcodell *ll_assign(pcodell *left, pcodell *right, uint32_t size, int32_t line, const char *file)
{
    pcodell *tree = ll_node(I_MOV8 + ll_value_width_index(size), left, right, s_type_of(left), line, file);
    tree->size = size;
    return tree;
}

pcodell *ll_equal(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compare(I_EQ8, FOLD_EQ, a, b, line, file);
}
pcodell *ll_less_than(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compare(I_LT8S, FOLD_LT, a, b, line, file);
}
pcodell *ll_greater_than(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    return s_compare(I_GT8S, FOLD_GT, a, b, line, file);
}

pcodell *ll_test(pcodell *a, int32_t line, const char *file)
{
    if (is_pcodell_constant(a)) {
        bool value = a->constant.type == CT_FLOAT ? get_float_constant_value(CT_FLOAT, a->constant.value) != 0
                                                  : a->constant.value != 0;
        return s_truth_constant(value, a, nullptr, line, file);
    }
    uint32_t w = is_type_integer(a->type) || is_type_pointer(a->type) ? ll_width_index(a->type) : WIDTH_F;
    return ll_node(I_TST8 + w, a, nullptr, ll_truth_type(), line, file);
}

pcodell *ll_logical_not(pcodell *a, int32_t line, const char *file)
{
    if (is_pcodell_constant(a)) {
        bool value = a->constant.type == CT_FLOAT ? get_float_constant_value(CT_FLOAT, a->constant.value) == 0
                                                  : a->constant.value == 0;
        return s_truth_constant(value, a, nullptr, line, file);
    }
    return ll_node(I_LNOT, a, nullptr, ll_truth_type(), line, file);
}

pcodell *ll_logical_or(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (s_both_constant(a, b))
        return s_truth_constant(a->constant.value != 0 || b->constant.value != 0, a, b, line, file);
    return ll_node(I_LOR, a, b, ll_truth_type(), line, file);
}

pcodell *ll_logical_and(pcodell *a, pcodell *b, int32_t line, const char *file)
{
    if (s_both_constant(a, b))
        return s_truth_constant(a->constant.value != 0 && b->constant.value != 0, a, b, line, file);
    return ll_node(I_LAND, a, b, ll_truth_type(), line, file);
}

pcodell *ll_condsep(pcodell *when_true, pcodell *when_false, int32_t line, const char *file)
{
    return ll_node(I_CONDSEP, when_true, when_false, s_type_of(when_true), line, file);
}

pcodell *ll_conditional(pcodell *condition, pcodell *branches, int32_t line, const char *file)
{
    VX_ASSERT(branches && branches->opcode == I_CONDSEP);
    uint32_t size = ll_sizeof_type(branches->type);
    uint32_t opcode = is_type_void(branches->type) ? I_COND : I_COND8 + ll_value_width_index(size);
    pcodell *tree = ll_node(opcode, condition, branches, s_type_of(branches), line, file);
    tree->size = size;
    return tree;
}

pcodell *ll_indir(pcodell *pointer, uint32_t size, int32_t memory, int32_t range, int32_t line, const char *file)
{
    uint32_t opcode = I_IND8RAM8 + 5 * ll_address_kind(memory, range) + ll_value_width_index(size);
    typell *type = is_type_pointer(pointer->type) ? type_copy(pointer->type->next) : nullptr;
    pcodell *tree = ll_node(opcode, pointer, nullptr, type, line, file);
    tree->size = size;
    tree->flags |= LL_LVALUE;
    return tree;
}

pcodell *ll_reference(pcodell *lvalue, int32_t, const char *)
{
    VX_ASSERT(isPcodellIndirection(lvalue));
    pcodell *address = lvalue->left;
    lvalue->left = nullptr;
    pcodellFreeTree(lvalue);
    return address;
}

pcodell *ll_member_access(pcodell *aggregate, const member_record *member, int32_t line, const char *file)
{
    VX_ASSERT(isPcodellIndirection(aggregate) && aggregate->type && member);
    address_kind kind = s_address_kind_of(aggregate);
    int32_t memory = aggregate->type->memory;
    int32_t range = aggregate->type->range;
    uint32_t size = ll_sizeof_type(member->type);
    pcodell *address = ll_reference(aggregate, line, file);

    typell *member_type = type_copy(member->type);
    member_type->memory = memory;
    member_type->range = range;
    pcodell *result;
    if (member->is_bitfield) {
        static const uint32_t by_kind[] = {I_BITFRAM8, I_BITFRAM16, I_BITFROM16, I_BITFROM24};
        result = ll_node(by_kind[kind], address, nullptr, member_type, line, file);
        result->size = size;
        result->flags |= LL_LVALUE;
    } else {
        typell *pointer = type_pointer_to(member_type);
        if (is_pcodell_constant(address)) {
            uint32_t code = address->constant.type;
            address->constant.value = ll_wrap(code, static_cast<uint64_t>(address->constant.value) + member->offset);
            pcodell_set_type(address, pointer);
        } else {
            static const uint32_t by_kind[] = {I_MEMBERRAM8, I_MEMBERRAM16, I_MEMBERROM16, I_MEMBERROM24};
            address = ll_node(by_kind[kind], address, nullptr, pointer, line, file);
        }
        result = ll_indir(address, size, memory, range, line, file);
    }
    pcodell *recorder = member->is_bitfield ? result : result->left;
    recorder->member.offset = member->offset;
    recorder->member.bit_offset = member->bit_offset;
    recorder->member.bit_width = member->bit_width;
    recorder->member.is_signed = is_type_signed(member->type);
    return result;
}

pcodell *ll_pre_increment(pcodell *lvalue, int32_t step, int32_t line, const char *file)
{
    return s_step(0, lvalue, step, line, file);
}
pcodell *ll_post_increment(pcodell *lvalue, int32_t step, int32_t line, const char *file)
{
    return s_step(1, lvalue, step, line, file);
}
pcodell *ll_pre_decrement(pcodell *lvalue, int32_t step, int32_t line, const char *file)
{
    return s_step(2, lvalue, step, line, file);
}
pcodell *ll_post_decrement(pcodell *lvalue, int32_t step, int32_t line, const char *file)
{
    return s_step(3, lvalue, step, line, file);
}

pcodell *ll_call(pcodell *callee, pcodell *arguments, int32_t line, const char *file)
{
    const typell *function = is_type_pointer(callee->type) ? callee->type->next : callee->type;
    VX_ASSERT(is_type_function(function));
    typell *result = type_function_return_type(function);
    uint32_t size = ll_sizeof_type(result);
    uint32_t opcode = is_type_void(result) ? I_CALL : I_CALL8 + ll_value_width_index(size);
    pcodell *tree = ll_node(opcode, callee, arguments, result, line, file);
    tree->call.result_size = size;
    for (const pcodell *arg = arguments; arg && arg->opcode != I_NOP; arg = arg->right)
        if (arg->opcode != I_ARGNOP)
            tree->call.arg_bytes += arg->size;
    return tree;
}

pcodell *ll_arg(pcodell *value, bool is_nop, int32_t line, const char *file)
{
    uint32_t size = ll_sizeof_type(value->type);
    uint32_t opcode = I_ARGNOP;
    if (!is_nop) {
        VX_ASSERT(size != 0);
        opcode = I_ARG8 + ll_value_width_index(size);
    }
    pcodell *tree = ll_node(opcode, value, nullptr, s_type_of(value), line, file);
    tree->size = size;
    return tree;
}

pragma_record *ll_copy_pragma(const pragma_record *pragma)
{
    if (!pragma)
        return nullptr;
    pragma_record *copy = trn_new<pragma_record>();
    *copy = *pragma;
    copy->file = trn_strdup(pragma->file);
    copy->section_name = trn_strdup(pragma->section_name);
    if (pragma->kind == PRAGMA_INTERRUPT) {
        copy->function_name = trn_strdup(pragma->function_name);
        save_entry **tail = &copy->save_list;
        *tail = nullptr;
        for (const save_entry *e = pragma->save_list; e; e = e->next) {
            save_entry *entry = trn_new<save_entry>();
            entry->kind = e->kind;
            entry->name = trn_strdup(e->name);
            *tail = entry;
            tail = &entry->next;
        }
    } else if (pragma->kind == PRAGMA_CONFIG) {
        copy->settings = nullptr;
    }
    return copy;
}

pcodell *ll_pragma(const pragma_record *pragma, int32_t line, const char *file)
{
    VX_ASSERT(pragma != nullptr);
    symbol *entry = nullptr;
    if (pragma->kind == PRAGMA_SECTION)
        entry = sym_enter_section(s_pragma_section_type(pragma->section_type), pragma->section_name, false,
                                  pragma->overlay != 0, pragma->access != 0, pragma->absolute != 0, pragma->address);
    else if (pragma->kind == PRAGMA_TMPDATA)
        entry = sym_enter_section(SECTION_TMPDATA, pragma->section_name, false, false, true, false, 0);
    if (entry) {
        pcodell *tree = pcodell_create(I_SECTION, nullptr, nullptr, line, file);
        tree->sym = entry;
        return tree;
    }
    pcodell *tree = pcodell_create(I_PRAGMA, nullptr, nullptr, line, file);
    tree->pragma = ll_copy_pragma(pragma);
    return tree;
}

pcodell *ll_label(symbol *label, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(I_LABEL, nullptr, nullptr, line, file);
    tree->label = label;
    return tree;
}

pcodell *ll_enum_label(symbol *label, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(I_ENUM_LABEL, nullptr, nullptr, line, file);
    tree->label = label;
    return tree;
}

pcodell *ll_jump_statement(symbol *label, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(I_JMP, nullptr, nullptr, line, file);
    tree->label = label;
    return tree;
}

pcodell *ll_if_statement(pcodell *condition, symbol *label, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(I_IF, condition, nullptr, line, file);
    tree->label = label;
    return tree;
}

pcodell *ll_switch_statement(pcodell *control, case_table *cases, int32_t line, const char *file)
{
    uint32_t w = ll_width_index(control->type);
    VX_ASSERT(w != WIDTH_F);
    pcodell *tree = pcodell_create(I_SWITCH8 + w, control, nullptr, line, file);
    tree->cases = cases;
    return tree;
}

pcodell *ll_return_statement(pcodell *value, symbol *return_label, int32_t line, const char *file)
{
    pcodell *tree;
    if (!value) {
        tree = pcodell_create(I_RET, ll_nop_statement(line, file), nullptr, line, file);
    } else {
        uint32_t size = ll_sizeof_type(value->type);
        uint32_t opcode = size == 0 ? I_RET : I_RET8 + ll_value_width_index(size);
        tree = ll_node(opcode, value, nullptr, s_type_of(value), line, file);
        tree->ret.size = size;
    }
    tree->ret.label = return_label;
    return tree;
}

pcodell *ll_nop_statement(int32_t line, const char *file) { return pcodell_create(I_NOP, nullptr, nullptr, line, file); }

pcodell *ll_assembly(asm_statement *block, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(I_ASM, nullptr, nullptr, line, file);
    tree->asm_block = block;
    return tree;
}

static pcodell *s_function_bracket(uint32_t opcode, symbol *function, uint32_t frame_size,
                                   uint32_t param_frame_size, uint32_t return_size, int32_t line, const char *file)
{
    pcodell *tree = pcodell_create(opcode, nullptr, nullptr, line, file);
    tree->sym = function;
    tree->function.frame_size = frame_size;
    tree->function.param_frame_size = param_frame_size;
    tree->function.return_size = return_size;
    return tree;
}

pcodell *ll_function_begin(symbol *function, uint32_t frame_size, uint32_t param_frame_size, uint32_t return_size,
                           int32_t line, const char *file)
{
    return s_function_bracket(I_BFUNCT, function, frame_size, param_frame_size, return_size, line, file);
}

pcodell *ll_function_end(symbol *function, uint32_t frame_size, uint32_t param_frame_size, uint32_t return_size,
                         int32_t line, const char *file)
{
    return s_function_bracket(I_EFUNCT, function, frame_size, param_frame_size, return_size, line, file);
}

pcodell *ll_right(pcodell *first, pcodell *value, int32_t line, const char *file)
{
    return ll_node(I_RIGHT, first, value, value->type ? s_type_of(value) : nullptr, line, file);
}

pcodell *ll_left(pcodell *value, pcodell *second, int32_t line, const char *file)
{
    return ll_node(I_LEFT, value, second, value->type ? s_type_of(value) : nullptr, line, file);
}

uint32_t ll_get_frame_pointer_size() { return stack_multi_bank_flag ? 2 : 1; }

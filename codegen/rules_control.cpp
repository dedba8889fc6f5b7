// Actions of the statement, control-flow, comparison and call rules.
#include <vector>

#include "codegen/enum_labels.h"
#include "codegen/frame.h"
#include "codegen/gen.h"
#include "codegen/rule_costs.h"
#include "codegen/rules_support.h"
#include "codegen/temps.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/lower.h"
#include "translate/translate.h"
#include "translate/types.h"

using namespace rules;

namespace {

gen_attrib &kid(int leaf) { return *attr_kid(leaf); }
gen_attrib &self() { return *attr_self(); }

// The leaf that is an object in data memory, where the other is in WREG.
const gen_location &file_leaf() { return kid(0).loc.sym ? kid(0).loc : kid(1).loc; }

bool is_signed_operation(const pcodell *p)
{
    switch (p->opcode) {
    case I_LT8S: case I_GT8S: case I_LT16S: case I_GT16S: case I_LT24S: case I_GT24S: case I_LT32S: case I_GT32S:
        return true;
    default: return false;
    }
}

// Sign bits flipped, signed order becomes unsigned order.
ocode *flip_sign(const pcodell *p, const gen_location &loc, int32_t byte)
{
    return at(p, iVx_BTG(loc.sym, loc.offset + byte, 7));
}

ocode *branch_if(const pcodell *p, ocode_kind kind, symbol *label)
{
    switch (kind) {
    case OC_BZ: return objBZSymbol(label, p->line, p->file);
    case OC_BNZ: return objBNZSymbol(label, p->line, p->file);
    case OC_BC: return objBCSymbol(label, p->line, p->file);
    case OC_BNC: return objBNCSymbol(label, p->line, p->file);
    case OC_BN: return objBNSymbol(label, p->line, p->file);
    case OC_BRANCH: return objBranchSymbol(label, p->line, p->file);
    default: _assert("branch kind", __FILE__, __LINE__);
    }
}

void conditional_jump(pcodell *p, ocode_kind kind)
{
    take(0);
    emit(branch_if(p, kind, p->label));
}

// WREG = 1 when the flag says the condition holds, else 0.
void flag_value(pcodell *p, inst *skip_when_true)
{
    take(0);
    emit(p, iVx_MOVLW(1));
    emit(p, skip_when_true);
    emit(p, iVx_MOVLW(0));
}

void widen_flag(pcodell *p)
{
    gen_location t = temporary(2);
    emit(p, iVx_MOVWF(t.sym, t.offset));
    emit(p, iVx_CLRF(t.sym, t.offset + 1));
    self().loc = t;
}

} // namespace

void r_none(pcodell *) {}

void r_pass(pcodell *)
{
    ocode *code = attr_kid(0)->code;
    self() = kid(0);
    self().code = code;
}

void r_pass_code(pcodell *p) { r_pass(p); }

void r_sequence(pcodell *)
{
    take(0);
    take(1);
    gen_location loc = kid(1).loc;
    self().loc = loc;
}

void r_begin_function(pcodell *p) { emit(objBeginFunct(p->sym, p->line, p->file)); }

void r_end_function(pcodell *p) { emit(objEndFunct(p->sym, p->line, p->file)); }

void r_asm(pcodell *p) { emit(objInlineAssembly(p->asm_block)); }

void r_label(pcodell *p) { emit(place(p, p->label)); }

void r_jump(pcodell *p) { emit(objBranchSymbol(p->label, p->line, p->file)); }

void r_if_bz(pcodell *p) { conditional_jump(p, OC_BZ); }
void r_if_bnz(pcodell *p) { conditional_jump(p, OC_BNZ); }
void r_if_bc(pcodell *p) { conditional_jump(p, OC_BC); }
void r_if_bnc(pcodell *p) { conditional_jump(p, OC_BNC); }

void r_return(pcodell *p)
{
    take(0);
    emit(objBranchSymbol(p->ret.label, p->line, p->file));
}

namespace {

// Where a function leaves a result of 2 to 4 bytes: PRODH:PRODL for a
// word, the math library's argument bytes, least significant first, for
// longer values.
gen_location result_location(int32_t bytes)
{
    return bytes == 2 ? ram(reg("PRODL"), 0) : ram(math_byte("__AARGB", bytes, 0), 0);
}

} // namespace

void r_return_aggregate(pcodell *p)
{
    take(0);
    emit(copy(p, kid(0).loc, ram(gen_struct_result(p->ret.size), 0), p->ret.size));
    emit(objBranchSymbol(p->ret.label, p->line, p->file));
}

// An aggregate argument is pushed byte by byte, the first byte first.
void r_arg_aggregate(pcodell *p)
{
    take(1);
    take(0);
    for (uint32_t i = 0; i < p->size; ++i)
        emit(copy_byte(p, kid(0).loc, static_cast<int32_t>(i), ram(reg("POSTINC1"), 0), 0));
}

// The image of an automatic aggregate's initializer, stored byte by byte.
void r_initialize_object(pcodell *p)
{
    take(0);
    const gen_location &object = kid(0).loc;
    int32_t i = 0;
    for (const init_record *item = p->init; item; item = item->next, ++i) {
        gen_attrib byte{};
        if (item->kind == INIT_ADDRESS_BYTE) {
            byte.gkind = GCONST_ADDRESS;
            byte.gsym = item->sym;
            byte.goffset = item->offset;
            emit(constant_w(p, byte, static_cast<int32_t>(item->byte_index)));
        } else {
            emit(p, iVx_MOVLW(item->value));
        }
        emit(store_w(p, object, i));
    }
}

void r_return_value(pcodell *p)
{
    take(0);
    int32_t bytes = value_bytes(p->left);
    emit(copy(p, kid(0).loc, result_location(bytes), static_cast<uint32_t>(bytes)));
    emit(objBranchSymbol(p->ret.label, p->line, p->file));
}

void r_enum_label(pcodell *p)
{
    take(0);
    ocode *code = self().code;
    if (code)
        addBuiltinEnumLabelInfo(p->label, code->line, code->file);
}

void r_flag_value_bzero(pcodell *p) { flag_value(p, iVx_BZ(1)); }
void r_flag_value_bnzero(pcodell *p) { flag_value(p, iVx_BNZ(1)); }
void r_flag_value_bcarry(pcodell *p) { flag_value(p, iVx_BC(1)); }
void r_flag_value_bncarry(pcodell *p) { flag_value(p, iVx_BNC(1)); }
void r_flag_value16_bzero(pcodell *p) { r_flag_value_bzero(p), widen_flag(p); }
void r_flag_value16_bnzero(pcodell *p) { r_flag_value_bnzero(p), widen_flag(p); }
void r_flag_value16_bcarry(pcodell *p) { r_flag_value_bcarry(p), widen_flag(p); }
void r_flag_value16_bncarry(pcodell *p) { r_flag_value_bncarry(p), widen_flag(p); }

// && and ||: the right operand runs only when the left does not decide.
void r_logical(pcodell *p)
{
    bool is_and = p->opcode == I_LAND;
    symbol *decided = new_label(p);
    symbol *end = new_label(p);
    ocode_kind leave = is_and ? OC_BZ : OC_BNZ;
    for (int leaf = 0; leaf < 2; ++leaf) {
        take(leaf);
        emit(branch_if(p, leave, decided));
    }
    emit(p, iVx_MOVLW(is_and ? 1 : 0));
    emit(branch_if(p, OC_BRANCH, end));
    emit(place(p, decided));
    emit(p, iVx_MOVLW(is_and ? 0 : 1));
    emit(place(p, end));
}

void r_logical16(pcodell *p)
{
    r_logical(p);
    widen_flag(p);
}

void r_conditional8(pcodell *p)
{
    symbol *otherwise = new_label(p);
    symbol *end = new_label(p);
    take(0);
    emit(branch_if(p, OC_BZ, otherwise));
    take(1);
    emit(branch_if(p, OC_BRANCH, end));
    emit(place(p, otherwise));
    take(2);
    emit(place(p, end));
}

void r_conditional(pcodell *p)
{
    symbol *otherwise = new_label(p);
    symbol *end = new_label(p);
    uint32_t bytes = static_cast<uint32_t>(value_bytes(p));
    gen_location result = temporary(bytes);
    take(0);
    emit(branch_if(p, OC_BZ, otherwise));
    take(1);
    emit(copy(p, kid(1).loc, result, bytes));
    emit(branch_if(p, OC_BRANCH, end));
    emit(place(p, otherwise));
    take(2);
    emit(copy(p, kid(2).loc, result, bytes));
    emit(place(p, end));
    self().loc = result;
}

void r_eq8_literal(pcodell *p)
{
    take(0);
    VX_ASSERT(kid(1).gkind == GCONST_INTEGER);
    emit(p, iVx_XORLW(static_cast<int32_t>(kid(1).gvalue & 0xFF)));
}

void r_eq8_file(pcodell *p)
{
    take(0);
    take(1);
    emit(file_op(p, IT_XORWF, file_leaf(), 0, 0));
}

// The bytes' differences ORed together: Z when every byte is equal.
void r_eq(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &a = kid(0).loc, &b = kid(1).loc;
    int32_t bytes = operand_bytes(p);
    for (int32_t i = 0; i < bytes; ++i) {
        emit(file_op(p, IT_MOVF, b, i, 0));
        emit(file_op(p, IT_XORWF, a, i, 1));
    }
    emit(file_op(p, IT_MOVF, a, 0, 0));
    for (int32_t i = 1; i < bytes; ++i)
        emit(file_op(p, IT_IORWF, a, i, 0));
}

// a < b: a - b borrows, the carry is clear.
void r_lt8(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &a = kid(0).loc;
    if (is_signed_operation(p)) {
        emit(flip_sign(p, a, 0));
        emit(p, iVx_XORLW(0x80));
    }
    emit(file_op(p, IT_SUBWF, a, 0, 0));
}

// a > b: b - a borrows; WREG - a with the carry set first.
void r_gt8(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &a = kid(0).loc;
    if (is_signed_operation(p)) {
        emit(flip_sign(p, a, 0));
        emit(p, iVx_XORLW(0x80));
    }
    emit(p, iVx_BSF(reg("STATUS"), 0, 0));
    emit(file_op(p, IT_SUBFWB, a, 0, 0));
}

namespace {

// Carry clear when `low` < `high` as values of several bytes.
void word_borrow(pcodell *p, const gen_location &low, const gen_location &high)
{
    int32_t bytes = operand_bytes(p);
    if (is_signed_operation(p)) {
        emit(flip_sign(p, low, bytes - 1));
        emit(flip_sign(p, high, bytes - 1));
    }
    for (int32_t i = 0; i < bytes; ++i) {
        emit(file_op(p, IT_MOVF, high, i, 0));
        emit(file_op(p, i == 0 ? IT_SUBWF : IT_SUBWFB, low, i, 0));
    }
}

} // namespace

void r_lt(pcodell *p)
{
    take(0);
    take(1);
    word_borrow(p, kid(0).loc, kid(1).loc);
}

void r_gt(pcodell *p)
{
    take(0);
    take(1);
    word_borrow(p, kid(1).loc, kid(0).loc);
}

void r_test8(pcodell *p)
{
    take(0);
    emit(p, iVx_IORLW(0));
}

void r_test(pcodell *p)
{
    take(0);
    const pcodell *value = p->opcode == I_LNOT || (p->opcode >= I_TST8 && p->opcode <= I_TST32) ? p->left : p;
    emit(file_op(p, IT_MOVF, kid(0).loc, 0, 0));
    for (int32_t i = 1; i < value_bytes(value); ++i)
        emit(file_op(p, IT_IORWF, kid(0).loc, i, 0));
}

// Arguments: the later ones are pushed first, so that the first argument
// lies just below the callee's saved frame pointer.
void r_arg(pcodell *p)
{
    take(1);
    take(0);
    if (p->opcode == I_ARG8) {
        emit(p, iVx_MOVWF(reg("POSTINC1"), 0));
        return;
    }
    for (int32_t i = 0; i < value_bytes(p->left); ++i)
        emit(copy_byte(p, kid(0).loc, i, ram(reg("POSTINC1"), 0), 0));
}

void r_arg_static(pcodell *)
{
    take(0);
    take(1);
}

void r_call(pcodell *p)
{
    bool save_temporaries = !tmp_non_default();
    if (save_temporaries)
        emit(objPushTemps(p->line, p->file));
    take(1);
    take(0);
    const gen_attrib &callee = kid(0);
    if (callee.loc.sym)
        emit(oVx_call_indirect(callee.loc.sym, callee.loc.offset, static_cast<uint32_t>(value_bytes(p->left)),
                               p->line, p->file));
    else
        emit(oVx_call_direct(callee.gsym, callee.goffset, p->line, p->file));
    emit(call_pop_argframe(p->call.arg_bytes, p->line, p->file));
    if (save_temporaries)
        emit(objPopTemps(p->line, p->file));
    if (p->opcode == I_CALLX) {
        self().loc = ram(gen_struct_result(p->call.result_size), 0);
    } else if (p->opcode >= I_CALL16 && p->opcode <= I_CALL32) {
        uint32_t bytes = p->call.result_size;
        gen_location result = temporary(bytes);
        emit(copy(p, result_location(static_cast<int32_t>(bytes)), result, bytes));
        self().loc = result;
    }
}

int r_struct_value_cost(const pcodell *p) { return is_type_struct_or_union(p->type) ? 6 : BURG_NOT_APPLICABLE; }

void r_call_struct_value(pcodell *p)
{
    r_call(p);
    if (p->opcode == I_CALL8) {
        gen_location t = temporary(1);
        emit(p, iVx_MOVWF(t.sym, t.offset));
        self().loc = t;
    }
}

namespace {

std::vector<const case_entry *> cases_in_order(const case_table *table)
{
    std::vector<const case_entry *> cases;
    for (const case_entry *c = table->cases; c; c = c->next)
        cases.insert(cases.begin(), c);
    return cases;
}

void to_default(pcodell *p)
{
    const case_table *table = p->cases;
    emit(branch_if(p, OC_BRANCH, table->default_label ? table->default_label : table->exit_label));
}

} // namespace

int r_switch_cost(const pcodell *p)
{
    int cost = 1;
    for (const case_entry *c = p->cases->cases; c; c = c->next)
        cost += p->opcode == I_SWITCH8 ? 2 : 3 * operand_bytes(p) + 1;
    return cost;
}

// Each XORLW undoes the previous case's constant along with testing the
// next one, so WREG is compared without being reloaded.
void r_switch8(pcodell *p)
{
    take(0);
    uint32_t previous = 0;
    for (const case_entry *c : cases_in_order(p->cases)) {
        uint32_t value = static_cast<uint32_t>(c->value) & 0xFF;
        emit(p, iVx_XORLW(static_cast<int32_t>(value ^ previous)));
        emit(branch_if(p, OC_BZ, c->label));
        previous = value;
    }
    to_default(p);
}

// The control's bytes against the case's, the differences ORed in PRODL.
void r_switch(pcodell *p)
{
    take(0);
    const gen_location &control = kid(0).loc;
    int32_t bytes = operand_bytes(p);
    for (const case_entry *c : cases_in_order(p->cases)) {
        uint64_t value = static_cast<uint64_t>(c->value);
        for (int32_t i = 0; i < bytes; ++i) {
            emit(file_op(p, IT_MOVF, control, i, 0));
            emit(p, iVx_XORLW(static_cast<int32_t>((value >> (8 * i)) & 0xFF)));
            emit(p, i == 0 ? iVx_MOVWF(reg("PRODL"), 0) : iVx_opWF(IT_IORWF, reg("PRODL"), 0, 1));
        }
        emit(branch_if(p, OC_BZ, c->label));
    }
    to_default(p);
}

int r_copy_cost(const pcodell *p) { return 2 * static_cast<int>(p->size); }

void r_copyX(pcodell *p)
{
    take(0);
    take(1);
    emit(copy(p, kid(1).loc, kid(0).loc, p->size));
}

// Actions of the rules for constants, addresses, objects and the 8- and
// 16-bit operations on them.
#include <algorithm>

#include "codegen/frame.h"
#include "codegen/regs.h"
#include "codegen/rule_costs.h"
#include "codegen/rules_support.h"
#include "codegen/seq8.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/symbols.h"
#include "translate/types.h"

using namespace rules;

namespace {

gen_attrib &kid(int leaf) { return *attr_kid(leaf); }
gen_attrib &self() { return *attr_self(); }

constexpr int32_t TO_W = 0, TO_F = 1;

uint32_t cop_opcode(commutative_op op)
{
    switch (op) {
    case B_ADD: return IT_ADDWF;
    case B_AND: return IT_ANDWF;
    case B_OR: return IT_IORWF;
    case B_XOR: return IT_XORWF;
    }
    _assert("commutative operator", __FILE__, __LINE__);
}

inst *cop_literal(commutative_op op, int32_t k)
{
    switch (op) {
    case B_ADD: return iVx_ADDLW(k);
    case B_AND: return iVx_ANDLW(k);
    case B_OR: return iVx_IORLW(k);
    case B_XOR: return iVx_XORLW(k);
    }
    _assert("commutative operator", __FILE__, __LINE__);
}

// The operation of an operator or of its compound-assignment form.
enum class operation { cop, sub, mul, div, mod, shl, shr };

operation operation_of(uint32_t opcode)
{
    switch (opcode) {
#define VX_WIDTHS(M, s) case M##8##s: case M##16##s: case M##24##s: case M##32##s
    VX_WIDTHS(I_cop, ): VX_WIDTHS(I_cop, A): return operation::cop;
    VX_WIDTHS(I_SUB, ): VX_WIDTHS(I_SUB, A): return operation::sub;
    VX_WIDTHS(I_MUL, S): VX_WIDTHS(I_MUL, U): VX_WIDTHS(I_MUL, AS): VX_WIDTHS(I_MUL, AU): return operation::mul;
    VX_WIDTHS(I_DIV, S): VX_WIDTHS(I_DIV, U): VX_WIDTHS(I_DIV, AS): VX_WIDTHS(I_DIV, AU): return operation::div;
    VX_WIDTHS(I_MOD, S): VX_WIDTHS(I_MOD, U): VX_WIDTHS(I_MOD, AS): VX_WIDTHS(I_MOD, AU): return operation::mod;
    VX_WIDTHS(I_SHL, ): VX_WIDTHS(I_SHL, A): return operation::shl;
    VX_WIDTHS(I_SHR, ): VX_WIDTHS(I_SHR, A): return operation::shr;
#undef VX_WIDTHS
    default: _assert("arithmetic operator", __FILE__, __LINE__);
    }
}

bool is_type_signed_opcode(uint32_t opcode)
{
    switch (opcode) {
    case I_MUL8S: case I_MUL16S: case I_MUL24S: case I_MUL32S:
    case I_MUL8AS: case I_MUL16AS: case I_MUL24AS: case I_MUL32AS: return true;
    default: return false;
    }
}

bool is_signed_division(uint32_t opcode)
{
    switch (opcode) {
    case I_DIV8S: case I_MOD8S: case I_DIV16S: case I_MOD16S: case I_DIV24S: case I_MOD24S: case I_DIV32S:
    case I_MOD32S: case I_DIV8AS: case I_MOD8AS: case I_DIV16AS: case I_MOD16AS: case I_DIV24AS: case I_MOD24AS:
    case I_DIV32AS: case I_MOD32AS: return true;
    default: return false;
    }
}

// Right shifts keep the sign of a signed shifted operand.  The operand's own
// type decides: a conversion to another type of the same width only
// retypes the shift's node.
bool is_arithmetic_shift(const pcodell *p)
{
    const pcodell *operand = p->left ? p->left : p;
    return operand->type && is_type_signed(operand->type);
}

// One shift of the byte at `loc`, `i` by one bit.
void shift_byte_once(const pcodell *p, operation op, const gen_location &loc, int32_t i, bool first, bool arithmetic,
                     int32_t top)
{
    if (!first) {
        emit(file_op(p, op == operation::shl ? IT_RLCF : IT_RRCF, loc, i, TO_F));
        return;
    }
    if (op == operation::shr && arithmetic)
        emit(file_op(p, IT_RLCF, loc, top, TO_W));
    else
        emit(p, iVx_BCF(reg("STATUS"), 0, 0));
    emit(file_op(p, op == operation::shl ? IT_RLCF : IT_RRCF, loc, i, TO_F));
}

// One shift of a value of `bytes` bytes at `loc` by one bit.
void shift_once(const pcodell *p, operation op, const gen_location &loc, int32_t bytes, bool arithmetic)
{
    for (int32_t n = 0; n < bytes; ++n) {
        int32_t i = op == operation::shl ? n : bytes - 1 - n;
        shift_byte_once(p, op, loc, i, n == 0, arithmetic, bytes - 1);
    }
}

// Shifts the value at `loc` by the count in WREG, a loop on PRODH.
void shift_by_count(const pcodell *p, operation op, const gen_location &loc, int32_t bytes, bool arithmetic)
{
    symbol *again = new_label(p), *done = new_label(p);
    emit(p, iVx_MOVWF(reg("PRODH"), 0));
    emit(place(p, again));
    emit(file_op(p, IT_DECF, ram(reg("PRODH"), 0), 0, TO_F));
    emit(objBNSymbol(done, p->line, p->file));
    shift_once(p, op, loc, bytes, arithmetic);
    emit(objBranchSymbol(again, p->line, p->file));
    emit(place(p, done));
}

// The math-library routine of a multiplication or division of `bytes`-byte
// operands.
symbol *library_routine(uint32_t opcode, int32_t bytes)
{
    char name[16];
    bool is_signed = operation_of(opcode) == operation::mul ? is_type_signed_opcode(opcode) : is_signed_division(opcode);
    snprintf(name, sizeof name, "FX%c%02d%02d%c", operation_of(opcode) == operation::mul ? 'M' : 'D', 8 * bytes,
             8 * bytes, is_signed ? 'S' : 'U');
    return reg(name);
}

// a op b for bytes: a in data memory, b in WREG, the result in WREG.
void byte_operation(const pcodell *p, uint32_t opcode, commutative_op cop, const gen_location &a)
{
    switch (operation_of(opcode)) {
    case operation::cop: emit(file_op(p, cop_opcode(cop), a, 0, TO_W)); break;
    case operation::sub: emit(file_op(p, IT_SUBWF, a, 0, TO_W)); break;
    case operation::mul:
        emit(file_op(p, IT_MULWF, a, 0, TO_W));
        emit(file_op(p, IT_MOVF, ram(reg("PRODL"), 0), 0, TO_W));
        break;
    case operation::div:
    case operation::mod: {
        emit(p, iVx_MOVWF(reg("__BARGB0"), 0));
        emit(copy_byte(p, a, 0, ram(reg("__AARGB0"), 0), 0));
        emit(oVxCallCMATHVx(library_routine(opcode, 1), p->line, p->file));
        bool remainder = operation_of(opcode) == operation::mod;
        emit(file_op(p, IT_MOVF, ram(reg(remainder ? "__REMB0" : "__AARGB0"), 0), 0, TO_W));
        break;
    }
    case operation::shl:
    case operation::shr:
        shift_by_count(p, operation_of(opcode), a, 1, is_arithmetic_shift(p));
        emit(file_op(p, IT_MOVF, a, 0, TO_W));
        break;
    }
}

// a op b by the library: the operands in its argument bytes, the result
// from `result_family`.
gen_location library_operation(const pcodell *p, uint32_t opcode, const gen_location &a, const gen_location &b,
                               int32_t bytes, const char *result_family)
{
    gen_location r = temporary(static_cast<uint32_t>(bytes));
    emit(to_library(p, a, "__AARGB", bytes));
    emit(to_library(p, b, "__BARGB", bytes));
    emit(oVxCallCMATHVx(library_routine(opcode, bytes), p->line, p->file));
    emit(from_library(p, result_family, bytes, r));
    return r;
}

// a op b for values of 2 to 4 bytes: a and b in temporaries (b in WREG for
// a shift count); the result's location.
gen_location word_operation(const pcodell *p, uint32_t opcode, commutative_op cop, const gen_location &a,
                            const gen_location &b, int32_t bytes)
{
    switch (operation_of(opcode)) {
    case operation::cop:
        for (int32_t i = 0; i < bytes; ++i) {
            emit(file_op(p, IT_MOVF, b, i, TO_W));
            emit(file_op(p, i > 0 && cop == B_ADD ? IT_ADDWFC : cop_opcode(cop), a, i, TO_F));
        }
        return a;
    case operation::sub:
        for (int32_t i = 0; i < bytes; ++i) {
            emit(file_op(p, IT_MOVF, b, i, TO_W));
            emit(file_op(p, i == 0 ? IT_SUBWF : IT_SUBWFB, a, i, TO_F));
        }
        return a;
    case operation::mul: {
        if (bytes > 2)
            return library_operation(p, opcode, a, b, bytes, "__AARGB");
        // Three hardware products: low x low gives both bytes, the low
        // bytes of the cross products add into the high byte.
        gen_location r = temporary(2);
        emit(file_op(p, IT_MOVF, a, 0, TO_W));
        emit(file_op(p, IT_MULWF, b, 0, TO_W));
        emit(copy(p, ram(reg("PRODL"), 0), r, 2));
        for (int32_t cross = 0; cross < 2; ++cross) {
            emit(file_op(p, IT_MOVF, a, cross, TO_W));
            emit(file_op(p, IT_MULWF, b, 1 - cross, TO_W));
            emit(file_op(p, IT_MOVF, ram(reg("PRODL"), 0), 0, TO_W));
            emit(file_op(p, IT_ADDWF, r, 1, TO_F));
        }
        return r;
    }
    case operation::div:
    case operation::mod:
        return library_operation(p, opcode, a, b, bytes, operation_of(opcode) == operation::mod ? "__REMB" : "__AARGB");
    case operation::shl:
    case operation::shr: shift_by_count(p, operation_of(opcode), a, bytes, is_arithmetic_shift(p)); return a;
    }
    _assert("word operation", __FILE__, __LINE__);
}

int32_t shift_count(const pcodell *p)
{
    return static_cast<int32_t>(p->right && is_pcodell_constant(p->right) ? p->right->constant.value : -1);
}

// Shifts the value at `loc` by a constant number of bits.
// Whole bytes move first, the bytes shifted in cleared (or, for an
// arithmetic right shift, filled with the sign); the rest of the count is
// done a bit at a time.
void shift_by_constant(const pcodell *p, const gen_location &loc, int32_t bytes, int32_t n)
{
    operation op = operation_of(p->opcode);
    bool arithmetic = is_arithmetic_shift(p);
    int32_t moved = std::min(n / 8, bytes);
    if (moved > 0) {
        int32_t kept = bytes - moved;
        if (op == operation::shl) {
            for (int32_t i = bytes - 1; i >= moved; --i)
                emit(copy_byte(p, loc, i - moved, loc, i));
            for (int32_t i = 0; i < moved; ++i)
                emit(file_op(p, IT_CLRF, loc, i, TO_F));
        } else {
            for (int32_t i = 0; i < kept; ++i)
                emit(copy_byte(p, loc, i + moved, loc, i));
            for (int32_t i = kept; i < bytes; ++i)
                emit(file_op(p, IT_CLRF, loc, i, TO_F));
            for (int32_t i = kept; arithmetic && kept > 0 && i < bytes; ++i) {
                emit(p, iVx_BTFSC(loc.sym, loc.offset + kept - 1, 7));
                emit(p, iVx_SETF(loc.sym, loc.offset + i));
            }
        }
    }
    for (int32_t i = 0; i < n % 8; ++i)
        shift_once(p, op, loc, bytes, arithmetic);
}

void store_literal(const pcodell *p, const gen_attrib &c, const gen_location &to, int32_t bytes)
{
    for (int32_t i = 0; i < bytes; ++i) {
        uint32_t byte = (c.gvalue >> (8 * i)) & 0xFF;
        if (c.gkind != GCONST_ADDRESS && (byte == 0 || byte == 0xFF)) {
            emit(file_op(p, byte ? IT_SETF : IT_CLRF, to, i, TO_F));
            continue;
        }
        emit(constant_w(p, c, i));
        emit(store_w(p, to, i));
    }
}

void step_constant(const pcodell *p, const gen_location &value, const gen_location &result, int32_t bytes)
{
    uint32_t step = static_cast<uint32_t>(is_increment(p->opcode) ? p->step : -p->step);
    for (int32_t i = 0; i < bytes; ++i) {
        emit(p, iVx_MOVLW(static_cast<int32_t>((step >> (8 * i)) & 0xFF)));
        emit(file_op(p, i == 0 ? IT_ADDWF : IT_ADDWFC, value, i, TO_W));
        emit(file_op(p, IT_MOVWF, result, i, TO_F));
    }
}

} // namespace

int r_add_cost(const pcodell *p) { return p->cop == B_ADD ? 0 : BURG_NOT_APPLICABLE; }

int r_byte_constant_cost(const pcodell *p) { return value_bytes(p) == 1 ? 1 : BURG_NOT_APPLICABLE; }

int r_shift8_cost(const pcodell *p)
{
    int32_t n = shift_count(p);
    return n >= 0 && n < 8 ? 2 * n + 1 : BURG_NOT_APPLICABLE;
}

int r_shift_cost(const pcodell *p)
{
    int32_t n = shift_count(p), bytes = value_bytes(p);
    return n >= 0 && n < 8 * bytes ? (bytes + 1) * (n % 8) + (n >= 8 ? 2 * bytes : 0) : BURG_NOT_APPLICABLE;
}

void r_icnst(pcodell *p) { self().icnst = static_cast<int32_t>(p->constant.value); }

void r_gcnst(pcodell *)
{
    int32_t value = kid(0).icnst;
    self().gkind = GCONST_INTEGER;
    self().gvalue = static_cast<uint32_t>(value);
}

void r_gcnst_address(pcodell *p)
{
    self().gkind = GCONST_ADDRESS;
    self().gsym = p->sym;
    self().goffset = 0;
}

// A static parameter lives in its alias, where callers store the argument.
void r_address(pcodell *p) { self().loc = ram(p->sym->alias ? p->sym->alias : p->sym, 0); }

void r_stack_address(pcodell *p) { self().loc = gen_location{LOC_STACK, nullptr, p->sym->frame_offset}; }

void r_member_address(pcodell *p)
{
    take(0);
    gen_location loc = kid(0).loc;
    loc.offset += static_cast<int32_t>(p->member.offset);
    self().loc = loc;
}

void r_offset_address(pcodell *)
{
    take(0);
    gen_location loc = kid(0).loc;
    loc.offset += kid(1).icnst;
    self().loc = loc;
}

void r_object(pcodell *)
{
    take(0);
    gen_location loc = kid(0).loc;
    self().loc = loc;
}

void r_through_pointer(pcodell *)
{
    take(0);
    gen_location loc = kid(0).loc;
    loc.kind = LOC_POINTER;
    self().loc = loc;
}

void r_through_table_pointer(pcodell *p)
{
    take(0);
    gen_location loc = kid(0).loc;
    bool far = p->opcode >= I_IND8ROM24 && p->opcode <= I_INDXROM24;
    loc.kind = far ? LOC_FAR_ROM : LOC_ROM;
    self().loc = loc;
}

void r_load_constant_w(pcodell *p) { emit(constant_w(p, kid(0), 0)); }

void r_load_w(pcodell *p)
{
    take(0);
    emit(load_w(p, kid(0).loc, 0));
}

void r_load_indirect_w(pcodell *p) { r_load_w(p); }

void r_spill_w(pcodell *p)
{
    take(0);
    gen_location t = temporary(1);
    emit(p, iVx_MOVWF(t.sym, t.offset));
    self().loc = t;
}

void r_store_w(pcodell *p)
{
    take(0);
    take(1);
    emit(store_w(p, kid(0).loc, 0));
}

void r_store_indirect_w(pcodell *p) { r_store_w(p); }

void r_store_constant8(pcodell *p)
{
    take(0);
    store_literal(p, kid(1), kid(0).loc, 1);
}

void r_copy8(pcodell *p)
{
    take(0);
    take(1);
    emit(copy(p, kid(1).loc, kid(0).loc, 1));
}

void r_cop8_literal(pcodell *p)
{
    take(0);
    VX_ASSERT(kid(1).gkind == GCONST_INTEGER);
    emit(p, cop_literal(p->cop, static_cast<int32_t>(kid(1).gvalue & 0xFF)));
}

void r_cop8_file(pcodell *p)
{
    take(0);
    take(1);
    emit(file_op(p, cop_opcode(p->cop), kid(0).loc.sym ? kid(0).loc : kid(1).loc, 0, TO_W));
}

void r_sub8_literal(pcodell *p)
{
    take(0);
    emit(p, iVx_ADDLW(static_cast<int32_t>(-kid(1).gvalue & 0xFF)));
}

void r_sub8_from_literal(pcodell *p)
{
    take(1);
    emit(p, iVx_SUBLW(static_cast<int32_t>(kid(0).gvalue & 0xFF)));
}

void r_sub8_file(pcodell *p)
{
    take(0);
    take(1);
    emit(file_op(p, IT_SUBWF, kid(0).loc, 0, TO_W));
}

void r_mul8(pcodell *p)
{
    take(0);
    take(1);
    byte_operation(p, p->opcode, B_ADD, kid(0).loc);
}

void r_mul8_literal(pcodell *p)
{
    take(0);
    emit(p, iVx_MULLW(static_cast<int32_t>(kid(1).gvalue & 0xFF)));
    emit(file_op(p, IT_MOVF, ram(reg("PRODL"), 0), 0, TO_W));
}

void r_com8(pcodell *p)
{
    take(0);
    emit(p, iVx_XORLW(0xFF));
}

void r_div8(pcodell *p)
{
    take(0);
    take(1);
    byte_operation(p, p->opcode, B_ADD, kid(0).loc);
}

void r_shift8_constant(pcodell *p)
{
    take(0);
    gen_location t = ram(reg("PRODL"), 0);
    emit(p, iVx_MOVWF(t.sym, t.offset));
    shift_by_constant(p, t, 1, kid(1).icnst);
    emit(file_op(p, IT_MOVF, t, 0, TO_W));
}

void r_shift8_count(pcodell *p)
{
    take(0);
    take(1);
    byte_operation(p, p->opcode, B_ADD, kid(0).loc);
}

void r_cop8_assign(pcodell *p)
{
    take(0);
    take(1);
    emit(file_op(p, cop_opcode(p->cop), kid(0).loc, 0, TO_F));
    emit(file_op(p, IT_MOVF, kid(0).loc, 0, TO_W));
}

void r_sub8_assign(pcodell *p)
{
    take(0);
    take(1);
    emit(file_op(p, IT_SUBWF, kid(0).loc, 0, TO_F));
    emit(file_op(p, IT_MOVF, kid(0).loc, 0, TO_W));
}

// x op= y on a byte anywhere: y set aside, x read into a temporary, the
// operation, the result written back and left in WREG.
void r_assign8(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &target = kid(0).loc;
    gen_location right = temporary(1), left = temporary(1);
    emit(p, iVx_MOVWF(right.sym, right.offset));
    emit(load_w(p, target, 0));
    emit(p, iVx_MOVWF(left.sym, left.offset));
    emit(file_op(p, IT_MOVF, right, 0, TO_W));
    byte_operation(p, p->opcode, p->cop, left);
    emit(store_w(p, target, 0));
}

namespace {

// ++ and -- on a byte in data memory change it in place.
void step_in_place(pcodell *p, const gen_location &target)
{
    bool increment = is_increment(p->opcode);
    bool pre = is_pre_step(p->opcode);
    if (!pre)
        emit(file_op(p, IT_MOVF, target, 0, TO_W));
    if (p->step == 1) {
        emit(file_op(p, increment ? IT_INCF : IT_DECF, target, 0, TO_F));
    } else {
        if (!pre)
            emit(p, iVx_MOVWF(reg("PRODL"), 0));
        emit(p, iVx_MOVLW(static_cast<int32_t>((increment ? p->step : -p->step) & 0xFF)));
        emit(file_op(p, IT_ADDWF, target, 0, TO_F));
        if (!pre)
            emit(file_op(p, IT_MOVF, ram(reg("PRODL"), 0), 0, TO_W));
    }
    if (pre)
        emit(file_op(p, IT_MOVF, target, 0, TO_W));
}

} // namespace

void r_step8(pcodell *p)
{
    take(0);
    const gen_location &target = kid(0).loc;
    if (target.kind == LOC_RAM) {
        step_in_place(p, target);
        return;
    }
    gen_location old = temporary(1), updated = temporary(1);
    emit(load_w(p, target, 0));
    emit(p, iVx_MOVWF(old.sym, old.offset));
    step_constant(p, old, updated, 1);
    emit(store_w(p, target, 0));
    if (!is_pre_step(p->opcode))
        emit(file_op(p, IT_MOVF, old, 0, TO_W));
}

namespace {

bool is_signed_widening(uint32_t opcode)
{
    switch (opcode) {
    case I_C8TO16S: case I_C8TO24S: case I_C8TO32S: case I_C16TO24S: case I_C16TO32S: case I_C24TO32S: return true;
    default: return false;
    }
}

// The bytes above `from` of a temporary of `bytes` bytes: zero, or copies
// of the sign bit of byte from - 1.
void extend(pcodell *p, const gen_location &t, int32_t from, int32_t bytes)
{
    for (int32_t i = from; i < bytes; ++i)
        emit(p, iVx_CLRF(t.sym, t.offset + i));
    if (!is_signed_widening(p->opcode))
        return;
    for (int32_t i = from; i < bytes; ++i) {
        emit(p, iVx_BTFSC(t.sym, t.offset + from - 1, 7));
        emit(p, iVx_SETF(t.sym, t.offset + i));
    }
}

} // namespace

void r_widen8(pcodell *p)
{
    take(0);
    int32_t bytes = value_bytes(p);
    gen_location t = temporary(static_cast<uint32_t>(bytes));
    emit(p, iVx_MOVWF(t.sym, t.offset));
    extend(p, t, 1, bytes);
    self().loc = t;
}

void r_widen(pcodell *p)
{
    take(0);
    int32_t from = operand_bytes(p), bytes = value_bytes(p);
    gen_location t = temporary(static_cast<uint32_t>(bytes));
    emit(copy(p, kid(0).loc, t, static_cast<uint32_t>(from)));
    extend(p, t, from, bytes);
    self().loc = t;
}

void r_narrow16(pcodell *p)
{
    take(0);
    emit(load_w(p, kid(0).loc, 0));
}

// The low bytes of a little-endian value are the narrower value.
void r_narrow(pcodell *)
{
    take(0);
    gen_location loc = kid(0).loc;
    self().loc = loc;
}

void r_tmp_constant(pcodell *p)
{
    int32_t bytes = value_bytes(p);
    gen_location t = temporary(static_cast<uint32_t>(bytes));
    store_literal(p, kid(0), t, bytes);
    self().loc = t;
}

void r_tmp_copy(pcodell *p)
{
    take(0);
    int32_t bytes = value_bytes(p);
    gen_location t = temporary(static_cast<uint32_t>(bytes));
    emit(copy(p, kid(0).loc, t, static_cast<uint32_t>(bytes)));
    self().loc = t;
}

void r_tmp16_address(pcodell *p)
{
    take(0);
    gen_location t = temporary(2);
    const gen_location &object = kid(0).loc;
    emit(p, iVx_LADDRL(object.sym, object.offset));
    emit(p, iVx_MOVWF(t.sym, t.offset));
    emit(p, iVx_LADDRH(object.sym, object.offset));
    emit(p, iVx_MOVWF(t.sym, t.offset + 1));
    self().loc = t;
}

// The frame pointer plus the object's offset, carried into the high byte.
void r_tmp16_stack_address(pcodell *p)
{
    take(0);
    gen_location t = temporary(2);
    int32_t offset = kid(0).loc.offset;
    emit(p, iVx_MOVLW(offset & 0xFF));
    emit(file_op(p, IT_ADDWF, ram(reg("FSR2L"), 0), 0, TO_W));
    emit(p, iVx_MOVWF(t.sym, t.offset));
    emit(p, iVx_MOVLW(offset < 0 ? 0xFF : 0));
    emit(file_op(p, IT_ADDWFC, ram(reg("FSR2H"), 0), 0, TO_W));
    emit(p, iVx_MOVWF(t.sym, t.offset + 1));
    self().loc = t;
}

// The member's offset added to the pointer in its temporary.
void r_pointer_member(pcodell *p)
{
    take(0);
    gen_location t = kid(0).loc;
    uint32_t offset = p->member.offset;
    if (offset) {
        for (int32_t i = 0; i < value_bytes(p); ++i) {
            emit(p, iVx_MOVLW(static_cast<int32_t>((offset >> (8 * i)) & 0xFF)));
            emit(file_op(p, i == 0 ? IT_ADDWF : IT_ADDWFC, t, i, TO_F));
        }
    }
    self().loc = t;
}

void r_store(pcodell *p)
{
    take(0);
    take(1);
    emit(copy(p, kid(1).loc, kid(0).loc, p->size));
    gen_location value = kid(1).loc;
    self().loc = value;
}

void r_store_constant(pcodell *p)
{
    take(0);
    store_literal(p, kid(1), kid(0).loc, static_cast<int32_t>(p->size));
}

void r_arithmetic(pcodell *p)
{
    take(0);
    take(1);
    gen_location result = word_operation(p, p->opcode, p->cop, kid(0).loc, kid(1).loc, value_bytes(p));
    self().loc = result;
}

void r_cop_literal(pcodell *p)
{
    take(0);
    const gen_location &a = kid(0).loc;
    for (int32_t i = 0; i < value_bytes(p); ++i) {
        emit(constant_w(p, kid(1), i));
        emit(file_op(p, i > 0 && p->cop == B_ADD ? IT_ADDWFC : cop_opcode(p->cop), a, i, TO_F));
    }
    gen_location result = a;
    self().loc = result;
}

void r_complement(pcodell *p)
{
    take(0);
    for (int32_t i = 0; i < value_bytes(p); ++i)
        emit(file_op(p, IT_COMF, kid(0).loc, i, TO_F));
    gen_location result = kid(0).loc;
    self().loc = result;
}

void r_shift_constant(pcodell *p)
{
    take(0);
    shift_by_constant(p, kid(0).loc, value_bytes(p), kid(1).icnst);
    gen_location result = kid(0).loc;
    self().loc = result;
}

void r_shift_count(pcodell *p)
{
    take(0);
    take(1);
    gen_location result = word_operation(p, p->opcode, B_ADD, kid(0).loc, kid(0).loc, value_bytes(p));
    self().loc = result;
}

// x op= y on a word anywhere: x read into a temporary, the operation with
// y, the result written back; the result is the expression's value.
void r_assign(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &target = kid(0).loc;
    int32_t bytes = value_bytes(p->left);
    gen_location left = temporary(static_cast<uint32_t>(bytes));
    gen_location right = kid(1).loc;
    bool count_in_w = operation_of(p->opcode) == operation::shl || operation_of(p->opcode) == operation::shr;
    if (count_in_w && !right.sym) {
        right = temporary(1);
        emit(p, iVx_MOVWF(right.sym, right.offset));
    }
    emit(copy(p, target, left, static_cast<uint32_t>(bytes)));
    if (count_in_w)
        emit(load_w(p, right, 0));
    gen_location result = word_operation(p, p->opcode, p->cop, left, right, bytes);
    emit(copy(p, result, target, static_cast<uint32_t>(bytes)));
    self().loc = result;
}

// The same with the value unused and x in data memory: x changed where it
// lies, a byte at a time from the least significant, the carry or borrow
// running up.
void r_assign_in_place(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &target = kid(0).loc;
    bool subtract = operation_of(p->opcode) == operation::sub;
    for (int32_t i = 0; i < value_bytes(p->left); ++i) {
        emit(file_op(p, IT_MOVF, kid(1).loc, i, TO_W));
        uint32_t opcode = subtract ? (i ? IT_SUBWFB : IT_SUBWF) : i && p->cop == B_ADD ? IT_ADDWFC : cop_opcode(p->cop);
        emit(file_op(p, opcode, target, i, TO_F));
    }
}

void r_assign_constant_in_place(pcodell *p)
{
    take(0);
    const gen_location &x = kid(0).loc;
    const gen_attrib &c = kid(1);
    for (int32_t i = 0; i < value_bytes(p->left); ++i) {
        if (p->cop != B_ADD && c.gkind == GCONST_INTEGER) {
            emit(oVxcopLiteralF(p->cop, x.sym, x.offset + i, inst_access_bit(x.sym),
                                static_cast<int32_t>((c.gvalue >> (8 * i)) & 0xFF), p->line, p->file));
            continue;
        }
        emit(constant_w(p, c, i));
        emit(file_op(p, i && p->cop == B_ADD ? IT_ADDWFC : cop_opcode(p->cop), x, i, TO_F));
    }
}

// ++ and -- by one carry with a skip or a zero added; other steps add
// their constant byte by byte.
void r_step_in_place(pcodell *p)
{
    take(0);
    const gen_location &x = kid(0).loc;
    int32_t bytes = value_bytes(p->left);
    bool increment = is_increment(p->opcode);
    if (p->step != 1) {
        uint32_t step = static_cast<uint32_t>(increment ? p->step : -p->step);
        for (int32_t i = 0; i < bytes; ++i) {
            emit(p, iVx_MOVLW(static_cast<int32_t>((step >> (8 * i)) & 0xFF)));
            emit(file_op(p, i ? IT_ADDWFC : IT_ADDWF, x, i, TO_F));
        }
        return;
    }
    // The skip must land on the increment itself, so not after a bank
    // selection.
    if (increment && bytes == 2 && !inst_access_bit(x.sym)) {
        emit(file_op(p, IT_INFSNZ, x, 0, TO_F));
        emit(file_op(p, IT_INCF, x, 1, TO_F));
        return;
    }
    emit(file_op(p, increment ? IT_INCF : IT_DECF, x, 0, TO_F));
    emit(p, iVx_MOVLW(0));
    for (int32_t i = 1; i < bytes; ++i)
        emit(file_op(p, increment ? IT_ADDWFC : IT_SUBWFB, x, i, TO_F));
}

void r_step(pcodell *p)
{
    take(0);
    const gen_location &target = kid(0).loc;
    int32_t bytes = value_bytes(p->left);
    gen_location old = temporary(static_cast<uint32_t>(bytes)), updated = temporary(static_cast<uint32_t>(bytes));
    emit(copy(p, target, old, static_cast<uint32_t>(bytes)));
    step_constant(p, old, updated, bytes);
    emit(copy(p, updated, target, static_cast<uint32_t>(bytes)));
    self().loc = is_pre_step(p->opcode) ? updated : old;
}

namespace {

uint32_t field_mask(const gen_attrib &field) { return (1u << field.bit_width) - 1; }

// WREG rotated by the field's offset, toward bit 0 or away from it.
void rotate_w(const pcodell *p, int32_t bits, bool toward_bit0)
{
    for (int32_t i = 0; i < bits; ++i)
        emit(file_op(p, toward_bit0 ? IT_RRNCF : IT_RLNCF, ram(reg("WREG"), 0), 0, TO_F));
}

void bitfield_location(pcodell *p, location_kind kind)
{
    take(0);
    gen_location loc = kid(0).loc;
    if (kind != LOC_RAM) {
        loc.kind = kind;
        // The pointer temporary is the node's own: the member's byte is
        // reached by moving the pointer.
        uint32_t offset = p->member.offset;
        for (int32_t i = 0; offset && i < (kind == LOC_FAR_ROM ? 3 : 2); ++i) {
            emit(p, iVx_MOVLW(static_cast<int32_t>((offset >> (8 * i)) & 0xFF)));
            emit(file_op(p, i == 0 ? IT_ADDWF : IT_ADDWFC, ram(loc.sym, loc.offset), i, TO_F));
        }
    } else {
        loc.offset += static_cast<int32_t>(p->member.offset);
    }
    VX_ASSERT(p->member.bit_offset + p->member.bit_width <= 8);
    self().loc = loc;
    self().bit_offset = p->member.bit_offset;
    self().bit_width = p->member.bit_width;
    self().bit_signed = p->member.is_signed;
}

} // namespace

int r_bitfield_read_cost(const pcodell *p) { return 3 + p->member.bit_offset; }
int r_bitfield_write_cost(const pcodell *p) { return 6 + 2 * p->member.bit_offset; }

// A one-bit field in data memory is set or cleared in place.
int r_bitfield_constant_cost(const pcodell *p)
{
    const pcodell *field = p->left;
    return field->member.bit_width == 1 && field->left->opcode != I_IDSTK ? 1 : 8 + field->member.bit_offset;
}

void r_bitfield(pcodell *p) { bitfield_location(p, LOC_RAM); }

void r_bitfield_through_pointer(pcodell *p) { bitfield_location(p, LOC_POINTER); }

void r_bitfield_in_rom(pcodell *p) { bitfield_location(p, p->opcode == I_BITFROM24 ? LOC_FAR_ROM : LOC_ROM); }

namespace {

// WREG holds a field's bits at bit 0 and zeros above; a signed field's
// value gets its sign bit copied into them.
void extend_field(const pcodell *p, const gen_attrib &field)
{
    if (!field.bit_signed)
        return;
    emit(p, iVx_BTFSC(reg("WREG"), 0, field.bit_width - 1));
    emit(p, iVx_IORLW(static_cast<int32_t>(~field_mask(field) & 0xFF)));
}

void read_field(const pcodell *p, const gen_attrib &field)
{
    emit(load_w(p, field.loc, 0));
    rotate_w(p, field.bit_offset, true);
    emit(p, iVx_ANDLW(static_cast<int32_t>(field_mask(field))));
    extend_field(p, field);
}

} // namespace

void r_bitfield_read(pcodell *p)
{
    take(0);
    read_field(p, kid(0));
}

namespace {

// WREG holds the new value; the byte's other bits are kept.  The value is
// left in WREG as the assignment's result.
void write_field(const pcodell *p, const gen_attrib &field)
{
    uint32_t mask = field_mask(field);
    symbol *value = reg("PRODH");
    emit(p, iVx_ANDLW(static_cast<int32_t>(mask)));
    rotate_w(p, field.bit_offset, false);
    emit(p, iVx_MOVWF(value, 0));
    emit(load_w(p, field.loc, 0));
    emit(p, iVx_ANDLW(static_cast<int32_t>(~(mask << field.bit_offset) & 0xFF)));
    emit(file_op(p, IT_IORWF, ram(value, 0), 0, TO_W));
    emit(store_w(p, field.loc, 0));
    emit(file_op(p, IT_MOVF, ram(value, 0), 0, TO_W));
    rotate_w(p, field.bit_offset, true);
    extend_field(p, field);
}

} // namespace

void r_bitfield_write(pcodell *p)
{
    take(0);
    take(1);
    write_field(p, kid(0));
}

// x op= y on a field: the field's value and y combined as bytes, the
// result stored back into the field.
void r_bitfield_assign(pcodell *p)
{
    take(0);
    take(1);
    const gen_attrib &field = kid(0);
    gen_location right = temporary(1), left = temporary(1);
    emit(p, iVx_MOVWF(right.sym, right.offset));
    read_field(p, field);
    emit(p, iVx_MOVWF(left.sym, left.offset));
    emit(file_op(p, IT_MOVF, right, 0, TO_W));
    byte_operation(p, p->opcode, p->cop, left);
    write_field(p, field);
}

void r_bitfield_step(pcodell *p)
{
    take(0);
    const gen_attrib &field = kid(0);
    gen_location old = temporary(1);
    read_field(p, field);
    emit(p, iVx_MOVWF(old.sym, old.offset));
    emit(p, iVx_ADDLW(static_cast<int32_t>((is_increment(p->opcode) ? p->step : -p->step) & 0xFF)));
    write_field(p, field);
    if (!is_pre_step(p->opcode))
        emit(file_op(p, IT_MOVF, old, 0, TO_W));
}

void r_bitfield_constant(pcodell *p)
{
    take(0);
    const gen_attrib &field = kid(0);
    uint32_t value = kid(1).gvalue & field_mask(field);
    if (field.bit_width == 1 && field.loc.kind == LOC_RAM) {
        if (inst_access_bit(field.loc.sym))
            emit(oVxBanksel(field.loc.sym, field.loc.offset, p->line, p->file));
        emit(p, value ? iVx_BSF(field.loc.sym, field.loc.offset, field.bit_offset)
                      : iVx_BCF(field.loc.sym, field.loc.offset, field.bit_offset));
        return;
    }
    emit(p, iVx_MOVLW(static_cast<int32_t>(value)));
    write_field(p, field);
}

namespace {

// The literal's single set bit, or -1.
int32_t single_bit(uint32_t value) { return vx_log2(value & 0xFF); }

} // namespace

// op= literal on a byte in data memory, with the shortcuts that make the
// common masks one instruction or none.
ocode *oVxcopLiteralF(int32_t op, symbol *f, int32_t offset, int32_t access, int32_t literal, int32_t line,
                      const char *file)
{
    uint32_t k = static_cast<uint32_t>(literal) & 0xFF;
    inst *single = nullptr;
    bool nothing = false;
    switch (op) {
    case B_AND:
        nothing = k == 0xFF;
        if (k == 0)
            single = iVx_CLRF(f, offset);
        else if (single_bit(~k) >= 0)
            single = iVx_BCF(f, offset, single_bit(~k));
        break;
    case B_OR:
        nothing = k == 0;
        if (k == 0xFF)
            single = iVx_SETF(f, offset);
        else if (single_bit(k) >= 0)
            single = iVx_BSF(f, offset, single_bit(k));
        break;
    case B_ADD:
    case B_XOR: nothing = k == 0; break;
    default: _assert("commutative operator", __FILE__, __LINE__);
    }
    if (nothing)
        return nullptr;
    ocode *code = access ? oVxBanksel(f, offset, line, file) : nullptr;
    if (single)
        return objAppend(code, objInst(single, line, file));
    code = objAppend(objInst(iVx_MOVLW(static_cast<int32_t>(k)), line, file), code);
    return objAppend(code, objInst(iVx_opWF(cop_opcode(static_cast<commutative_op>(op)), f, offset, TO_F), line, file));
}

int r_cop_literal_cost(const pcodell *p)
{
    if (!p->right || !is_pcodell_constant(p->right))
        return BURG_NOT_APPLICABLE;
    uint32_t k = p->right->constant.value & 0xFF;
    bool none = (p->cop == B_AND && k == 0xFF) || (p->cop != B_AND && k == 0);
    bool single = (p->cop == B_AND && (k == 0 || single_bit(~k) >= 0)) ||
                  (p->cop == B_OR && (k == 0xFF || single_bit(k) >= 0));
    return none ? 0 : single ? 1 : 2;
}

void r_cop8_assign_literal(pcodell *p)
{
    take(0);
    const gen_location &x = kid(0).loc;
    VX_ASSERT(kid(1).gkind == GCONST_INTEGER);
    emit(oVxcopLiteralF(p->cop, x.sym, x.offset, inst_access_bit(x.sym), static_cast<int32_t>(kid(1).gvalue), p->line,
                        p->file));
}

int r_shift_w_cost(const pcodell *p)
{
    int32_t n = shift_count(p);
    if (n < 1 || n > 8 || (operation_of(p->opcode) == operation::shr && is_arithmetic_shift(p)))
        return BURG_NOT_APPLICABLE;
    if (n == 8)
        return 1;
    return operation_of(p->opcode) == operation::shl ? 2 : (n >= 4 ? n - 2 : n + 1);
}

int r_shift_in_place_cost(const pcodell *p)
{
    int32_t n = shift_count(p);
    bool left = operation_of(p->opcode) == operation::shl;
    if (!left && is_arithmetic_shift(p))
        return BURG_NOT_APPLICABLE;
    int cost = left ? oVxSHL8InPlaceByConstCost(n) : oVxSHR8InPlaceByConstCost(n);
    return cost ? cost : BURG_NOT_APPLICABLE;
}

void r_shift8_w(pcodell *p)
{
    take(0);
    int32_t n = kid(1).icnst;
    emit(operation_of(p->opcode) == operation::shl ? oVxSHL8WbyConst(n, p->line, p->file)
                                                   : oVxSHR8WbyConst(n, p->line, p->file));
}

void r_shift8_in_place(pcodell *p)
{
    take(0);
    const gen_location &x = kid(0).loc;
    int32_t n = kid(1).icnst, access = inst_access_bit(x.sym);
    emit(operation_of(p->opcode) == operation::shl ? oVxSHL8InPlaceByConst(x.sym, x.offset, access, n, p->line, p->file)
                                                   : oVxSHR8InPlaceByConst(x.sym, x.offset, access, n, p->line, p->file));
}

int r_bit_test_cost(const pcodell *p)
{
    const pcodell *field = p->left->opcode == I_LNOT ? p->left->left : p->left;
    return field->member.bit_width == 1 ? 2 : BURG_NOT_APPLICABLE;
}

namespace {

// One bit in data memory is tested where it lies; elsewhere it is loaded.
void jump_on_bit(pcodell *p, bool when_set)
{
    take(0);
    const gen_attrib &field = kid(0);
    const gen_location &loc = field.loc;
    if (loc.kind != LOC_RAM) {
        emit(load_w(p, loc, 0));
        emit(p, iVx_ANDLW(1 << field.bit_offset));
        emit(when_set ? objBNZSymbol(p->label, p->line, p->file) : objBZSymbol(p->label, p->line, p->file));
        return;
    }
    int32_t access = inst_access_bit(loc.sym);
    if (access)
        emit(oVxBanksel(loc.sym, loc.offset, p->line, p->file));
    emit(when_set ? objBTFBSSymbol(loc.sym, loc.offset, access, field.bit_offset, p->label, p->line, p->file)
                  : objBTFBCSymbol(loc.sym, loc.offset, access, field.bit_offset, p->label, p->line, p->file));
}

} // namespace

void r_if_bit_set(pcodell *p) { jump_on_bit(p, true); }
void r_if_bit_clear(pcodell *p) { jump_on_bit(p, false); }

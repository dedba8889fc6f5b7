// Actions of the rules for floating point.  Every operation is a call of
// the math library: a float travels in the argument bytes exactly as a
// 32-bit integer does (__AARGB3 least significant .. __AARGB0), the second
// operand in __BARGB3 .. __BARGB0, and the result comes back in __AARGB.
#include <cstdio>

#include "codegen/frame.h"
#include "codegen/rule_costs.h"
#include "codegen/rules_support.h"
#include "codegen/seq_float.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/types.h"

using namespace rules;

namespace {

gen_attrib &kid(int leaf) { return *attr_kid(leaf); }
gen_attrib &self() { return *attr_self(); }

constexpr int32_t FLOAT_BYTES = 4;
constexpr uint32_t FLOAT_ONE = 0x3F800000;

void call(const pcodell *p, const char *routine) { emit(oVxCallCMATHVx(reg(routine), p->line, p->file)); }

const char *arithmetic_routine(uint32_t opcode)
{
    switch (opcode) {
    case I_copF: case I_copFA: return "FPA32";
    case I_SUBF: case I_SUBFA: return "FPS32";
    case I_MULF: case I_MULFA: return "FPM32";
    case I_DIVF: case I_DIVFA: return "FPD32";
    default: _assert("float arithmetic", __FILE__, __LINE__);
    }
}

// An operand into a family's argument bytes: a constant byte by byte,
// anything else copied from where it lies.
ocode *operand_to_library(const pcodell *p, const gen_attrib &operand, const char *family)
{
    if (operand.loc.sym || operand.loc.kind != LOC_RAM)
        return to_library(p, operand.loc, family, FLOAT_BYTES);
    return oVxMovLiteralFloat(p, operand.gvalue, family);
}

// ++ or -- of a float in program memory: its bytes read once with TBLRD*+
// into the argument bytes (and kept as the old value), 1.0 added or
// subtracted, the result written back with TBLWT*+.
gen_location rom_float_step(const pcodell *p, const gen_location &target, bool increment, bool pre)
{
    gen_location old = temporary(FLOAT_BYTES), updated = temporary(FLOAT_BYTES);
    emit(table_pointer(p, target, 0));
    for (int32_t i = 0; i < FLOAT_BYTES; ++i) {
        emit(p, iVx_TBLRDPOSTINC());
        emit(copy_byte(p, ram(reg("TABLAT"), 0), 0, old, i));
    }
    emit(to_library(p, old, "__AARGB", FLOAT_BYTES));
    emit(oVxMovLiteralFloat(p, FLOAT_ONE, "__BARGB"));
    call(p, increment ? "FPA32" : "FPS32");
    emit(from_library(p, "__AARGB", FLOAT_BYTES, updated));
    emit(table_pointer(p, target, 0));
    for (int32_t i = 0; i < FLOAT_BYTES; ++i) {
        emit(copy_byte(p, updated, i, ram(reg("TABLAT"), 0), 0));
        emit(p, iVx_TBLWTPOSTINC());
    }
    return pre ? updated : old;
}

// A routine called on a in __AARGB and b in __BARGB.
void call_on(const pcodell *p, const char *routine, const gen_attrib &a, const gen_attrib &b)
{
    emit(operand_to_library(p, a, "__AARGB"));
    emit(operand_to_library(p, b, "__BARGB"));
    call(p, routine);
}

// a op b: the result in a new temporary.
gen_location float_operation(const pcodell *p, const char *routine, const gen_attrib &a, const gen_attrib &b)
{
    call_on(p, routine, a, b);
    gen_location r = temporary(FLOAT_BYTES);
    emit(from_library(p, "__AARGB", FLOAT_BYTES, r));
    return r;
}

// The bytes of an integer operand: WREG for a byte, else its temporary.
int32_t integer_bytes(uint32_t opcode)
{
    switch (opcode) {
    case I_C8UTOF: case I_C8STOF: case I_CFTO8: return 1;
    case I_C16UTOF: case I_C16STOF: case I_CFTO16: return 2;
    case I_C24UTOF: case I_C24STOF: case I_CFTO24: return 3;
    case I_C32UTOF: case I_C32STOF: case I_CFTO32: return 4;
    default: _assert("float conversion", __FILE__, __LINE__);
    }
}

bool is_signed_to_float(uint32_t opcode)
{
    return opcode == I_C8STOF || opcode == I_C16STOF || opcode == I_C24STOF || opcode == I_C32STOF;
}

} // namespace

ocode *oVxMovLiteralFloat(const pcodell *p, uint32_t bits, const char *family)
{
    ocode *code = nullptr;
    for (int32_t i = 0; i < FLOAT_BYTES; ++i) {
        code = objAppend(code, at(p, iVx_MOVLW(static_cast<int32_t>((bits >> (8 * i)) & 0xFF))));
        code = objAppend(code, at(p, iVx_MOVWF(math_byte(family, FLOAT_BYTES, i), 0)));
    }
    return code;
}

gen_location oVxPreIncROMFloat(const pcodell *p, const gen_location &x) { return rom_float_step(p, x, true, true); }
gen_location oVxPreDecROMFloat(const pcodell *p, const gen_location &x) { return rom_float_step(p, x, false, true); }
gen_location oVxPstIncROMFloat(const pcodell *p, const gen_location &x) { return rom_float_step(p, x, true, false); }
gen_location oVxPstDecROMFloat(const pcodell *p, const gen_location &x) { return rom_float_step(p, x, false, false); }

void r_float_arithmetic(pcodell *p)
{
    take(0);
    take(1);
    self().loc = float_operation(p, arithmetic_routine(p->opcode), kid(0), kid(1));
}

// x = a op b with x in data memory: the result goes there from the
// argument bytes.
void r_float_store(pcodell *p)
{
    take(0);
    take(1);
    take(2);
    call_on(p, arithmetic_routine(p->right->opcode), kid(1), kid(2));
    emit(from_library(p, "__AARGB", FLOAT_BYTES, kid(0).loc));
}

// (a op b) op c: the first result is the second operation's first operand
// where it lies.
void r_float_chain(pcodell *p)
{
    take(0);
    take(1);
    take(2);
    call_on(p, arithmetic_routine(p->left->opcode), kid(0), kid(1));
    emit(operand_to_library(p, kid(2), "__BARGB"));
    call(p, arithmetic_routine(p->opcode));
    gen_location r = temporary(FLOAT_BYTES);
    emit(from_library(p, "__AARGB", FLOAT_BYTES, r));
    self().loc = r;
}

// x op= y: x read, combined with y, written back; the result is the value.
void r_float_assign(pcodell *p)
{
    take(0);
    take(1);
    const gen_location &target = kid(0).loc;
    gen_location result = float_operation(p, arithmetic_routine(p->opcode), kid(0), kid(1));
    emit(copy(p, result, target, FLOAT_BYTES));
    self().loc = result;
}

// ++ and -- add or subtract 1.0; a postfix step's value is the old one.
void r_float_step(pcodell *p)
{
    take(0);
    const gen_location &target = kid(0).loc;
    bool pre = is_pre_step(p->opcode), increment = is_increment(p->opcode);
    if (target.kind == LOC_ROM || target.kind == LOC_FAR_ROM) {
        self().loc = pre ? (increment ? oVxPreIncROMFloat(p, target) : oVxPreDecROMFloat(p, target))
                         : (increment ? oVxPstIncROMFloat(p, target) : oVxPstDecROMFloat(p, target));
        return;
    }
    gen_location old = temporary(FLOAT_BYTES);
    emit(copy(p, target, old, FLOAT_BYTES));
    emit(to_library(p, old, "__AARGB", FLOAT_BYTES));
    emit(oVxMovLiteralFloat(p, FLOAT_ONE, "__BARGB"));
    call(p, increment ? "FPA32" : "FPS32");
    gen_location updated = temporary(FLOAT_BYTES);
    emit(from_library(p, "__AARGB", FLOAT_BYTES, updated));
    emit(copy(p, updated, target, FLOAT_BYTES));
    self().loc = pre ? updated : old;
}

namespace {

// The library leaves 1 or 0 in WREG.
void compare(const pcodell *p, const char *routine)
{
    take(0);
    take(1);
    call_on(p, routine, kid(0), kid(1));
}

} // namespace

void r_float_compare(pcodell *p)
{
    compare(p, p->opcode == I_LTF ? "TALTB32" : p->opcode == I_GTF ? "TAGTB32" : "TAEQB32");
}

int r_float_ordered_cost(const pcodell *p) { return (p->flags & LL_ORDERED) ? 30 : BURG_NOT_APPLICABLE; }

void r_float_compare_ordered(pcodell *p) { compare(p, p->left->opcode == I_GTF ? "TALEB32" : "TAGEB32"); }

int r_float_operand_cost(const pcodell *p) { return is_type_float(p->left->type) ? 3 : BURG_NOT_APPLICABLE; }
int r_float_value_cost(const pcodell *p) { return is_type_float(p->type) ? 3 : BURG_NOT_APPLICABLE; }

// A float is zero when all but its sign bit are clear; Z is set then.
void r_float_test(pcodell *p)
{
    take(0);
    const gen_location &value = kid(0).loc;
    emit(file_op(p, IT_MOVF, value, FLOAT_BYTES - 1, 0));
    emit(p, iVx_ANDLW(0x7F));
    for (int32_t i = 0; i < FLOAT_BYTES - 1; ++i)
        emit(file_op(p, IT_IORWF, value, i, 0));
}

void r_float_from_integer(pcodell *p)
{
    take(0);
    int32_t bytes = integer_bytes(p->opcode);
    if (bytes == 1)
        emit(p, iVx_MOVWF(reg("__AARGB0"), 0));
    else
        emit(to_library(p, kid(0).loc, "__AARGB", bytes));
    char routine[16];
    snprintf(routine, sizeof routine, "FLO%02d32%c", 8 * bytes, is_signed_to_float(p->opcode) ? 'S' : 'U');
    call(p, routine);
    gen_location r = temporary(FLOAT_BYTES);
    emit(from_library(p, "__AARGB", FLOAT_BYTES, r));
    self().loc = r;
}

// The integer comes back in the low argument bytes; a byte in WREG.
void r_float_to_integer(pcodell *p)
{
    take(0);
    int32_t bytes = integer_bytes(p->opcode);
    emit(to_library(p, kid(0).loc, "__AARGB", FLOAT_BYTES));
    char routine[16];
    snprintf(routine, sizeof routine, "INT32%02d", 8 * bytes);
    call(p, routine);
    if (bytes == 1) {
        emit(file_op(p, IT_MOVF, ram(reg("__AARGB0"), 0), 0, 0));
        return;
    }
    gen_location r = temporary(static_cast<uint32_t>(bytes));
    emit(from_library(p, "__AARGB", bytes, r));
    self().loc = r;
}

#include "codegen/rules_support.h"

#include <cstdio>

#include "codegen/frame.h"
#include "codegen/regsyms.h"
#include "codegen/temps.h"
#include "support/vxassert.h"
#include "target/instset.h"
#include "translate/symbols.h"
#include "translate/types.h"

namespace rules {

namespace {

// WREG holds the offset of a frame byte while PLUSW2 reaches it.
ocode *s_frame_offset_w(const pcodell *p, const gen_location &loc, int32_t i)
{
    return at(p, iVx_MOVLW((loc.offset + i) & 0xFF));
}

ocode *s_movff(const pcodell *p, symbol *from, int32_t i, symbol *to, int32_t j)
{
    return objAppend(at(p, iVx_MOVFF(from, i)), at(p, iVx_MOVFF2(from, i, to, j)));
}

// After load_fsr0, byte `i` of the pointed-at object: INDF0 for the first
// byte, PLUSW0 with WREG = i for the others.
symbol *s_pointed_byte(const pcodell *p, int32_t i, ocode **code)
{
    if (i == 0)
        return reg("INDF0");
    *code = objAppend(*code, at(p, iVx_MOVLW(i)));
    return reg("PLUSW0");
}

// Instructions without a destination bit have builders of their own.
inst *s_file_instruction(uint32_t opcode, symbol *f, int32_t offset, int32_t destination)
{
    switch (opcode) {
    case IT_MOVWF: return iVx_MOVWF(f, offset);
    case IT_CLRF: return iVx_CLRF(f, offset);
    case IT_SETF: return iVx_SETF(f, offset);
    case IT_NEGF: return iVx_NEGF(f, offset);
    case IT_MULWF: return iVx_MULWF(f, offset);
    default: return iVx_opWF(opcode, f, offset, destination);
    }
}

} // namespace

symbol *reg(const char *name)
{
    symbol *sym = gen_register_symbol(name);
    VX_ASSERT(sym != nullptr);
    return sym;
}

symbol *math_byte(const char *family, int32_t bytes, int32_t i)
{
    char name[16];
    snprintf(name, sizeof name, "%s%d", family, static_cast<int>(bytes - 1 - i));
    return reg(name);
}

ocode *to_library(const pcodell *p, const gen_location &from, const char *family, int32_t n)
{
    ocode *code = nullptr;
    for (int32_t i = 0; i < n; ++i)
        code = objAppend(code, copy_byte(p, from, i, ram(math_byte(family, n, i), 0), 0));
    return code;
}

ocode *from_library(const pcodell *p, const char *family, int32_t n, const gen_location &to)
{
    ocode *code = nullptr;
    for (int32_t i = 0; i < n; ++i)
        code = objAppend(code, copy_byte(p, ram(math_byte(family, n, i), 0), 0, to, i));
    return code;
}

namespace {

bool in_range(uint32_t opcode, uint32_t first, uint32_t last) { return opcode >= first && opcode <= last; }

} // namespace

bool is_increment(uint32_t opcode)
{
    return in_range(opcode, I_PREINC8RAM, I_PREINCFRAM) || in_range(opcode, I_PSTINC8RAM, I_PSTINCFRAM) ||
           in_range(opcode, I_PREINC8ROM, I_PREINCFROM) || in_range(opcode, I_PSTINC8ROM, I_PSTINCFROM);
}

bool is_pre_step(uint32_t opcode)
{
    return in_range(opcode, I_PREINC8RAM, I_PREINCFRAM) || in_range(opcode, I_PREDEC8RAM, I_PREDECFRAM) ||
           in_range(opcode, I_PREINC8ROM, I_PREINCFROM) || in_range(opcode, I_PREDEC8ROM, I_PREDECFROM);
}

int32_t value_bytes(const pcodell *p)
{
    if (p->size && (isPcodellIndirection(p) || isPcodellSimpleAssignment(p) || (p->opcode >= I_ARGNOP && p->opcode <= I_ARGX)))
        return static_cast<int32_t>(p->size);
    return static_cast<int32_t>(ll_sizeof_type(p->type));
}

int32_t operand_bytes(const pcodell *p) { return value_bytes(p->left); }

ocode *at(const pcodell *p, inst *ins) { return objInst(ins, p->line, p->file); }

void emit(ocode *list) { attr_self()->code = objAppend(attr_self()->code, list); }

void emit(const pcodell *p, inst *ins) { emit(at(p, ins)); }

void take(int leaf)
{
    emit(attr_kid(leaf)->code);
    attr_kid(leaf)->code = nullptr;
}

gen_location temporary(uint32_t bytes)
{
    return gen_location{LOC_RAM, tmp_get_sym(), static_cast<int32_t>(tmp_alloc(bytes))};
}

gen_location ram(symbol *sym, int32_t offset) { return gen_location{LOC_RAM, sym, offset}; }

ocode *load_fsr0(const pcodell *p, const gen_location &pointer)
{
    return objAppend(s_movff(p, pointer.sym, pointer.offset, reg("FSR0L"), 0),
                     s_movff(p, pointer.sym, pointer.offset + 1, reg("FSR0H"), 0));
}

ocode *file_op(const pcodell *p, uint32_t opcode, const gen_location &loc, int32_t i, int32_t destination)
{
    VX_ASSERT(loc.kind == LOC_RAM);
    ocode *code = inst_access_bit(loc.sym) ? oVxBanksel(loc.sym, loc.offset + i, p->line, p->file) : nullptr;
    return objAppend(code, at(p, s_file_instruction(opcode, loc.sym, loc.offset + i, destination)));
}

ocode *table_pointer(const pcodell *p, const gen_location &loc, int32_t i)
{
    ocode *code = at(p, iVx_opWF(IT_MOVF, loc.sym, loc.offset, 0));
    code = objAppend(code, at(p, iVx_ADDLW(i)));
    code = objAppend(code, at(p, iVx_MOVWF(reg("TBLPTRL"), 0)));
    code = objAppend(code, at(p, iVx_MOVLW(0)));
    code = objAppend(code, at(p, iVx_opWF(IT_ADDWFC, loc.sym, loc.offset + 1, 0)));
    code = objAppend(code, at(p, iVx_MOVWF(reg("TBLPTRH"), 0)));
    if (loc.kind == LOC_FAR_ROM) {
        code = objAppend(code, at(p, iVx_MOVLW(0)));
        code = objAppend(code, at(p, iVx_opWF(IT_ADDWFC, loc.sym, loc.offset + 2, 0)));
        return objAppend(code, at(p, iVx_MOVWF(reg("TBLPTRU"), 0)));
    }
    return objAppend(code, at(p, iVx_CLRF(reg("TBLPTRU"), 0)));
}

ocode *load_w(const pcodell *p, const gen_location &loc, int32_t i)
{
    switch (loc.kind) {
    case LOC_RAM: return oVxLoadW(loc.sym, loc.offset + i, p->line, p->file);
    case LOC_STACK:
        return objAppend(s_frame_offset_w(p, loc, i), at(p, iVx_opWF(IT_MOVF, reg("PLUSW2"), 0, 0)));
    case LOC_POINTER: {
        ocode *code = load_fsr0(p, loc);
        symbol *byte = s_pointed_byte(p, i, &code);
        return objAppend(code, at(p, iVx_opWF(IT_MOVF, byte, 0, 0)));
    }
    case LOC_ROM:
    case LOC_FAR_ROM:
        return objAppend(table_pointer(p, loc, i),
                         objAppend(at(p, iVx_TBLRD()), at(p, iVx_opWF(IT_MOVF, reg("TABLAT"), 0, 0))));
    }
    _assert("location kind", __FILE__, __LINE__);
}

ocode *store_w(const pcodell *p, const gen_location &loc, int32_t i)
{
    switch (loc.kind) {
    case LOC_RAM: return oVxMovWF(loc.sym, loc.offset + i, p->line, p->file);
    case LOC_STACK: {
        ocode *code = at(p, iVx_MOVWF(reg("PRODL"), 0));
        code = objAppend(code, s_frame_offset_w(p, loc, i));
        code = objAppend(code, s_movff(p, reg("PRODL"), 0, reg("PLUSW2"), 0));
        return objAppend(code, at(p, iVx_opWF(IT_MOVF, reg("PRODL"), 0, 0)));
    }
    case LOC_POINTER: {
        ocode *code = objAppend(at(p, iVx_MOVWF(reg("PRODL"), 0)), load_fsr0(p, loc));
        symbol *byte = s_pointed_byte(p, i, &code);
        code = objAppend(code, s_movff(p, reg("PRODL"), 0, byte, 0));
        return objAppend(code, at(p, iVx_opWF(IT_MOVF, reg("PRODL"), 0, 0)));
    }
    case LOC_ROM:
    case LOC_FAR_ROM: {
        // The value waits in PRODL while WREG computes the table pointer;
        // a TBLWT into a simulated or erased device writes the byte.
        ocode *code = objAppend(at(p, iVx_MOVWF(reg("PRODL"), 0)), table_pointer(p, loc, i));
        code = objAppend(code, s_movff(p, reg("PRODL"), 0, reg("TABLAT"), 0));
        code = objAppend(code, at(p, iVx_TBLWT()));
        return objAppend(code, at(p, iVx_opWF(IT_MOVF, reg("PRODL"), 0, 0)));
    }
    }
    _assert("location kind", __FILE__, __LINE__);
}

ocode *copy_byte(const pcodell *p, const gen_location &from, int32_t i, const gen_location &to, int32_t j)
{
    if (from.kind == LOC_RAM && to.kind == LOC_RAM)
        return s_movff(p, from.sym, from.offset + i, to.sym, to.offset + j);
    if (from.kind == LOC_STACK && to.kind == LOC_RAM)
        return objAppend(s_frame_offset_w(p, from, i), s_movff(p, reg("PLUSW2"), 0, to.sym, to.offset + j));
    if (from.kind == LOC_RAM && to.kind == LOC_STACK)
        return objAppend(s_frame_offset_w(p, to, j), s_movff(p, from.sym, from.offset + i, reg("PLUSW2"), 0));
    return objAppend(load_w(p, from, i), store_w(p, to, j));
}

ocode *copy(const pcodell *p, const gen_location &from, const gen_location &to, uint32_t bytes)
{
    ocode *code = nullptr;
    for (uint32_t i = 0; i < bytes; ++i)
        code = objAppend(code, copy_byte(p, from, static_cast<int32_t>(i), to, static_cast<int32_t>(i)));
    return code;
}

ocode *constant_w(const pcodell *p, const gen_attrib &c, int32_t byte)
{
    if (c.gkind == GCONST_ADDRESS) {
        switch (byte) {
        case 0: return at(p, iVx_LADDRL(c.gsym, c.goffset));
        case 1: return at(p, iVx_LADDRH(c.gsym, c.goffset));
        case 2: return at(p, iVx_LADDRU(c.gsym, c.goffset));
        default: _assert("byte of an address", __FILE__, __LINE__);
        }
    }
    return at(p, iVx_MOVLW(static_cast<int32_t>((c.gvalue >> (8 * byte)) & 0xFF)));
}

symbol *new_label(const pcodell *p) { return sym_temp_label(p->line, p->file); }

ocode *place(const pcodell *p, symbol *label) { return objLabel(label, p->line, p->file); }

} // namespace rules

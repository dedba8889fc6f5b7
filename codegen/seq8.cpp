#include "codegen/seq8.h"

#include <vector>

#include "codegen/code_list.h"
#include "codegen/frame.h"
#include "support/vxassert.h"
#include "target/instset.h"

namespace {

constexpr int32_t TO_W = 0, TO_F = 1;
constexpr int32_t CARRY = 0;

// One step of a sequence: an instruction on f, on WREG, or a literal one.
enum class on { f, wreg, literal, status };

struct step {
    on target;
    uint32_t opcode;
    int32_t operand; // destination, bit or literal
};

// The sequences by count, 1 to 7, left and right.
const std::vector<step> s_left[8] = {
    {},
    {{on::f, IT_BCF, 7}, {on::f, IT_RLNCF, TO_F}},
    {{on::literal, IT_MOVLW, 4}, {on::f, IT_MULWF, 0}, {on::f, IT_MOVFF, 0}},
    {{on::f, IT_SWAPF, TO_W}, {on::wreg, IT_RRNCF, TO_F}, {on::literal, IT_ANDLW, 0xF8}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_SWAPF, TO_W}, {on::literal, IT_ANDLW, 0xF0}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_SWAPF, TO_W}, {on::wreg, IT_RLNCF, TO_F}, {on::literal, IT_ANDLW, 0xE0}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_RRNCF, TO_W}, {on::wreg, IT_RRNCF, TO_F}, {on::literal, IT_ANDLW, 0xC0}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_RRCF, TO_F}, {on::f, IT_CLRF, 0}, {on::f, IT_RRCF, TO_F}},
};
const std::vector<step> s_right[8] = {
    {},
    {{on::f, IT_BCF, 0}, {on::f, IT_RRNCF, TO_F}},
    {{on::status, IT_BCF, CARRY}, {on::f, IT_RRCF, TO_F}, {on::status, IT_BCF, CARRY}, {on::f, IT_RRCF, TO_F}},
    {{on::f, IT_SWAPF, TO_W}, {on::wreg, IT_RLNCF, TO_F}, {on::literal, IT_ANDLW, 0x1F}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_SWAPF, TO_W}, {on::literal, IT_ANDLW, 0x0F}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_SWAPF, TO_W}, {on::wreg, IT_RRNCF, TO_F}, {on::literal, IT_ANDLW, 0x07}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_RLNCF, TO_W}, {on::wreg, IT_RLNCF, TO_F}, {on::literal, IT_ANDLW, 0x03}, {on::f, IT_MOVWF, 0}},
    {{on::f, IT_RLCF, TO_F}, {on::f, IT_CLRF, 0}, {on::f, IT_RLCF, TO_F}},
};

inst *s_build(const step &s, symbol *f, int32_t offset)
{
    switch (s.target) {
    case on::literal: return iVx_opLW(s.opcode, s.operand);
    case on::status: return iVx_BCF(gen_register_symbol("STATUS"), 0, s.operand);
    case on::wreg: return iVx_opWF(s.opcode, gen_register_symbol("WREG"), 0, s.operand);
    case on::f: break;
    }
    switch (s.opcode) {
    case IT_BCF: return iVx_BCF(f, offset, s.operand);
    case IT_MULWF: return iVx_MULWF(f, offset);
    case IT_MOVWF: return iVx_MOVWF(f, offset);
    case IT_CLRF: return iVx_CLRF(f, offset);
    default: return iVx_opWF(s.opcode, f, offset, s.operand);
    }
}

ocode *s_in_place(const std::vector<step> *table, symbol *f, int32_t offset, int32_t access, int32_t n, int32_t line,
                  const char *file)
{
    if (n < 1 || n > 7)
        return nullptr;
    code_list code{line, file};
    if (access)
        code.add(oVxBanksel(f, offset, line, file));
    for (const step &s : table[n]) {
        if (s.target == on::f && s.opcode == IT_MOVFF)
            code.add_movff(gen_register_symbol("PRODL"), 0, f, offset);
        else
            code.add(s_build(s, f, offset));
    }
    return code.head;
}

int s_cost(const std::vector<step> *table, int32_t n)
{
    if (n < 1 || n > 7)
        return 0;
    int words = 0;
    for (const step &s : table[n])
        words += s.opcode == IT_MOVFF ? 2 : 1;
    return words;
}

} // namespace

ocode *oVxSHL8InPlaceByConst(symbol *f, int32_t offset, int32_t access, int32_t n, int32_t line, const char *file)
{
    return s_in_place(s_left, f, offset, access, n, line, file);
}

ocode *oVxSHR8InPlaceByConst(symbol *f, int32_t offset, int32_t access, int32_t n, int32_t line, const char *file)
{
    return s_in_place(s_right, f, offset, access, n, line, file);
}

int oVxSHL8InPlaceByConstCost(int32_t n) { return s_cost(s_left, n); }
int oVxSHR8InPlaceByConstCost(int32_t n) { return s_cost(s_right, n); }

ocode *oVxSHL8WbyConst(int32_t n, int32_t line, const char *file)
{
    VX_ASSERT(n >= 1 && n <= 8);
    code_list code{line, file};
    if (n == 8) {
        code.add(iVx_MOVLW(0));
        return code.head;
    }
    code.add(iVx_MULLW(1 << n));
    code.add(iVx_opWF(IT_MOVF, gen_register_symbol("PRODL"), 0, TO_W));
    return code.head;
}

ocode *oVxSHR8WbyConst(int32_t n, int32_t line, const char *file)
{
    VX_ASSERT(n >= 1 && n <= 8);
    code_list code{line, file};
    if (n == 8) {
        code.add(iVx_MOVLW(0));
        return code.head;
    }
    // Rotating keeps the byte; the mask clears the bits that came round.
    bool by_swap = n >= 4;
    if (by_swap)
        code.add(iVx_opWF(IT_SWAPF, gen_register_symbol("WREG"), 0, TO_F));
    for (int32_t i = by_swap ? 4 : 0; i < n; ++i)
        code.add(iVx_opWF(IT_RRNCF, gen_register_symbol("WREG"), 0, TO_F));
    code.add(iVx_ANDLW(0xFF >> n));
    return code.head;
}

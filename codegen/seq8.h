// Byte sequences: a file register shifted in place by a constant, with the
// cost of each sequence for the rules that choose between them, WREG
// shifted by a constant, and a file register combined with a literal.
#pragma once
#include <cstdint>

struct ocode;
struct symbol;

ocode *oVxSHL8InPlaceByConst(symbol *f, int32_t offset, int32_t access, int32_t n, int32_t line, const char *file);
ocode *oVxSHR8InPlaceByConst(symbol *f, int32_t offset, int32_t access, int32_t n, int32_t line, const char *file);
// Words of the in-place sequences; 0 for a count they have no sequence for.
int oVxSHL8InPlaceByConstCost(int32_t n);
int oVxSHR8InPlaceByConstCost(int32_t n);
// WREG shifted left, the result in WREG; 1 to 8 bits.
ocode *oVxSHL8WbyConst(int32_t n, int32_t line, const char *file);
// WREG shifted right, zeros coming in; 1 to 8 bits.
ocode *oVxSHR8WbyConst(int32_t n, int32_t line, const char *file);
// f op= literal (op a commutative_op) on a byte in data memory, with the
// one-instruction forms of the common masks; nothing when it changes nothing.
ocode *oVxcopLiteralF(int32_t op, symbol *f, int32_t offset, int32_t access, int32_t literal, int32_t line,
                      const char *file);

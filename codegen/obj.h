// The layer that code generation calls to build output code: one-record
// lists from the output-code constructors, list surgery, and the
// translation of in-line assembly blocks.
#pragma once
#include <cstdint>

#include "codegen/ocode.h"

struct asm_statement;

ocode *objBeginFunct(symbol *fn, int32_t line, const char *file);
ocode *objEndFunct(symbol *fn, int32_t line, const char *file);
ocode *objInst(inst *ins, int32_t line, const char *file);
ocode *objLabel(symbol *label, int32_t line, const char *file);
ocode *objNop(int32_t line, const char *file);
ocode *objPushTemps(int32_t line, const char *file);
ocode *objPopTemps(int32_t line, const char *file);

ocode *objBranchLiteral(int32_t k, int32_t line, const char *file);
ocode *objBranchSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBZLiteral(int32_t k, int32_t line, const char *file);
ocode *objBZSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBNZLiteral(int32_t k, int32_t line, const char *file);
ocode *objBNZSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBCLiteral(int32_t k, int32_t line, const char *file);
ocode *objBCSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBNCLiteral(int32_t k, int32_t line, const char *file);
ocode *objBNCSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBVLiteral(int32_t k, int32_t line, const char *file);
ocode *objBNVLiteral(int32_t k, int32_t line, const char *file);
ocode *objBNLiteral(int32_t k, int32_t line, const char *file);
ocode *objBNSymbol(symbol *sym, int32_t line, const char *file);
ocode *objBNNLiteral(int32_t k, int32_t line, const char *file);
ocode *objBTFBSLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file);
ocode *objBTFBSSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file);
ocode *objBTFBCLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file);
ocode *objBTFBCSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file);

// `a` followed by `b`; either may be empty.
ocode *objAppend(ocode *a, ocode *b);
// A new label without a symbol, linked in just before `oc`.
ocode *objInsertLabel(ocode *oc);
void objFree(ocode *list);

// The output code of one in-line assembly block, every instruction marked
// as written by the user.
ocode *objInlineAssembly(const asm_statement *items);

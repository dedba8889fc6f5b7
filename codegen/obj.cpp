#include "codegen/obj.h"

#include "support/vxassert.h"

ocode *objBeginFunct(symbol *fn, int32_t line, const char *file) { return ocodeBFunct(fn, line, file); }
ocode *objEndFunct(symbol *fn, int32_t line, const char *file) { return ocodeEFunct(fn, line, file); }
ocode *objInst(inst *ins, int32_t line, const char *file) { return ocodeInst(ins, line, file); }
ocode *objLabel(symbol *label, int32_t line, const char *file) { return ocodeLabel(label, line, file); }
ocode *objNop(int32_t line, const char *file) { return ocodeNop(line, file); }
ocode *objPushTemps(int32_t line, const char *file) { return ocodePushTemps(line, file); }
ocode *objPopTemps(int32_t line, const char *file) { return ocodePopTemps(line, file); }

ocode *objBranchLiteral(int32_t k, int32_t line, const char *file) { return ocodeBranchLiteral(k, line, file); }
ocode *objBranchSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBranchSymbol(sym, line, file); }
ocode *objBZLiteral(int32_t k, int32_t line, const char *file) { return ocodeBZLiteral(k, line, file); }
ocode *objBZSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBZSymbol(sym, line, file); }
ocode *objBNZLiteral(int32_t k, int32_t line, const char *file) { return ocodeBNZLiteral(k, line, file); }
ocode *objBNZSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBNZSymbol(sym, line, file); }
ocode *objBCLiteral(int32_t k, int32_t line, const char *file) { return ocodeBCLiteral(k, line, file); }
ocode *objBCSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBCSymbol(sym, line, file); }
ocode *objBNCLiteral(int32_t k, int32_t line, const char *file) { return ocodeBNCLiteral(k, line, file); }
ocode *objBNCSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBNCSymbol(sym, line, file); }
ocode *objBVLiteral(int32_t k, int32_t line, const char *file) { return ocodeBVLiteral(k, line, file); }
ocode *objBNVLiteral(int32_t k, int32_t line, const char *file) { return ocodeBNVLiteral(k, line, file); }
ocode *objBNLiteral(int32_t k, int32_t line, const char *file) { return ocodeBNLiteral(k, line, file); }
ocode *objBNSymbol(symbol *sym, int32_t line, const char *file) { return ocodeBNSymbol(sym, line, file); }
ocode *objBNNLiteral(int32_t k, int32_t line, const char *file) { return ocodeBNNLiteral(k, line, file); }

ocode *objBTFBSLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file)
{
    return ocodeBTFBSLiteral(f, off, a, b, k, line, file);
}

ocode *objBTFBSSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file)
{
    return ocodeBTFBSSymbol(f, off, a, b, sym, line, file);
}

ocode *objBTFBCLiteral(symbol *f, int32_t off, int32_t a, int32_t b, int32_t k, int32_t line, const char *file)
{
    return ocodeBTFBCLiteral(f, off, a, b, k, line, file);
}

ocode *objBTFBCSymbol(symbol *f, int32_t off, int32_t a, int32_t b, symbol *sym, int32_t line, const char *file)
{
    return ocodeBTFBCSymbol(f, off, a, b, sym, line, file);
}

ocode *objAppend(ocode *a, ocode *b)
{
    if (!a)
        return b;
    if (!b)
        return a;
    ocode *tail = a;
    VX_ASSERT(tail != b);
    while (tail->next) {
        tail = tail->next;
        VX_ASSERT(tail != b);
    }
    tail->next = b;
    b->prev = tail;
    return a;
}

ocode *objInsertLabel(ocode *oc)
{
    VX_ASSERT(oc != nullptr);
    VX_ASSERT(oc->prev == nullptr || oc->prev->next == oc);
    VX_ASSERT(oc->next == nullptr || oc->next->prev == oc);
    ocode *label = ocodeLabel(nullptr, oc->line, oc->file);
    label->prev = oc->prev;
    label->next = oc;
    if (oc->prev)
        oc->prev->next = label;
    oc->prev = label;
    return label;
}

void objFree(ocode *list)
{
    while (list) {
        ocode *next = list->next;
        ocodeFree(list);
        list = next;
    }
}

// Building an output-code list piece by piece in the sequence routines:
// every instruction added carries the list's source position.
#pragma once
#include <cstdint>

#include "codegen/inst.h"
#include "codegen/obj.h"
#include "codegen/regsyms.h"
#include "support/vxassert.h"

// Appends at a kept tail.
struct code_list {
    int32_t line;
    const char *file;
    ocode *head = nullptr;
    ocode *tail = nullptr;

    void add(ocode *list)
    {
        if (!list)
            return;
        if (tail) {
            tail->next = list;
            list->prev = tail;
        } else {
            head = list;
        }
        for (tail = list; tail->next; tail = tail->next) {
        }
    }
    void add(inst *ins) { add(objInst(ins, line, file)); }
    void add_movff(symbol *src, int32_t src_off, symbol *dst, int32_t dst_off)
    {
        add(iVx_MOVFF(src, src_off));
        add(iVx_MOVFF2(src, src_off, dst, dst_off));
    }
    void add_call(symbol *callee, int32_t offset)
    {
        add(iVx_CALL(callee, offset, 0));
        add(iVx_CALL2(callee, offset));
    }
};

// A register symbol that code generation's set-up has made.
inline symbol *code_register(const char *name)
{
    symbol *sym = gen_register_symbol(name);
    VX_ASSERT(sym != nullptr);
    return sym;
}

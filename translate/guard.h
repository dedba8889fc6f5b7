// Diagnostics during the walk.
#pragma once
#include "driver/diag.h"

// Reaching the error limit must not unwind through the tree parser, which
// still holds translated trees: the abort is held until the parser has
// released them, and nothing more is posted.
void trn_error(unsigned number, ...);
extern bool trn_abort_pending;
// Runs code of other layers that may post diagnostics, holding an abort.
template <typename F> bool trn_guard(F f)
{
    if (trn_abort_pending)
        return false;
    try {
        f();
        return true;
    } catch (const compile_abort &) {
        trn_abort_pending = true;
        return false;
    }
}

// Helpers shared by the expression sources.
#pragma once
#include "driver/options.h"
#include "translate/guard.h"
#include "translate/translate.h"

// Frees `b` and gives back `a`: what a failed check yields.
pcodell *s_fail(pcodell *a, pcodell *b);
bool isPcodellZero(const pcodell *tree);
typell *sGetPtrdiff_t(uint32_t size);
bool s_incomplete_target(const typell *pointer);
pcodell *s_pointer_offset(const typell *pointer, pcodell *offset, bool scale, int32_t line, const char *file);
pcodell *s_shift_count(pcodell *count);
pcodell *sConvertFunctionToRvalue(pcodell *a);
pcodell *sConvertArrayToRvalue(pcodell *a);
bool s_is_lvalue(const pcodell *a);
// The pointer rules shared by assignment and arguments: 0 incompatible,
// 1 accepted, 2 accepted with the qualifier warning.
int s_pointer_assignable(const typell *target, const typell *source);

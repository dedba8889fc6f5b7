// Helpers shared by the builder sources: operator selection by width and
// the constant folding of two constant operands.
#pragma once
#include "translate/lower.h"

// 0 to 3 for 8, 16, 24 and 32 bits; 4 for float.  Pointers count by their
// own width.
constexpr uint32_t WIDTH_F = 4;
uint32_t ll_width_index(const typell *type);
// 0 to 3 for sizes 1 to 4, 4 (the X form) for any other size.
uint32_t ll_value_width_index(uint32_t size);

pcodell *ll_node(uint32_t opcode, pcodell *left, pcodell *right, typell *type, LL_POS);

enum fold_op { FOLD_ADD, FOLD_SUB, FOLD_MUL, FOLD_DIV, FOLD_MOD, FOLD_AND, FOLD_OR, FOLD_XOR, FOLD_SHL, FOLD_SHR,
               FOLD_EQ, FOLD_LT, FOLD_GT };
// Folds `a op b` in the type of `a`: integers wrap to its width, floats are
// computed in single precision, comparisons give 0 or 1.  False when the
// operation has no value (a division by zero).
bool ll_fold(fold_op op, constant_record a, constant_record b, constant_record *result);

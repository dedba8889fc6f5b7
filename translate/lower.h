// The IR builders: each chooses its operator from the operand types (width,
// signedness, address kind), folds constant operands, and takes over its
// operand trees.  Also conversions, constants and the lowering of
// initializers into data for the object file or run-time statements.
#pragma once
#include <cstdint>

#include "translate/ir.h"
#include "translate/symbols.h"

// Operators take the source position of the construct last.
#define LL_POS int32_t line, const char *file

// Operands.
pcodell *ll_ident(symbol *sym, LL_POS);
pcodell *ll_constant(uint32_t code, uint32_t bits, LL_POS);
pcodell *ll_new_unsigned_const(uint32_t value, LL_POS);
pcodell *ll_new_signed_const(int32_t value, LL_POS);
pcodell *ll_new_float_const(float value, LL_POS);
typell *ll_get_constant_type(uint32_t code);
// The stored form of `value` wrapped to the width of the integer type `code`.
uint32_t ll_wrap(uint32_t code, uint64_t value);
constant_record ll_get_constant_value(const pcodell *tree);

// Arithmetic; the operands are already converted to a common type.
pcodell *ll_add(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_sub(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_mul(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_div(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_mod(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_bitwise_and(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_bitwise_or(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_bitwise_xor(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_bitwise_not(pcodell *a, LL_POS);
pcodell *ll_shift_left(pcodell *a, pcodell *count, LL_POS);
pcodell *ll_shift_right(pcodell *a, pcodell *count, LL_POS);
pcodell *ll_add_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_sub_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_mul_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_div_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_mod_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_shift_left_assign(pcodell *lvalue, pcodell *count, LL_POS);
pcodell *ll_shift_right_assign(pcodell *lvalue, pcodell *count, LL_POS);
pcodell *ll_and_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_or_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_xor_assign(pcodell *lvalue, pcodell *b, LL_POS);
pcodell *ll_assign(pcodell *left, pcodell *right, uint32_t size, LL_POS);

// Comparison and logic.  A truth value is an int, or a char while integer
// promotion is suppressed.
typell *ll_truth_type();
pcodell *ll_equal(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_less_than(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_greater_than(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_test(pcodell *a, LL_POS);
pcodell *ll_logical_not(pcodell *a, LL_POS);
pcodell *ll_logical_or(pcodell *a, pcodell *b, LL_POS);
pcodell *ll_logical_and(pcodell *a, pcodell *b, LL_POS);
// `branches` is an I_CONDSEP of the two values, typed as the result.
pcodell *ll_conditional(pcodell *condition, pcodell *branches, LL_POS);
pcodell *ll_condsep(pcodell *when_true, pcodell *when_false, LL_POS);

// Memory.  ll_member_access returns the member as an lvalue: an indirection
// of the member's size over the member's address (summed at once when the
// aggregate's address is constant), or the bit-field node itself.
pcodell *ll_indir(pcodell *pointer, uint32_t size, int32_t memory, int32_t range, LL_POS);
pcodell *ll_reference(pcodell *lvalue, LL_POS);
pcodell *ll_member_access(pcodell *aggregate, const member_record *member, LL_POS);
pcodell *ll_pre_increment(pcodell *lvalue, int32_t step, LL_POS);
pcodell *ll_pre_decrement(pcodell *lvalue, int32_t step, LL_POS);
pcodell *ll_post_increment(pcodell *lvalue, int32_t step, LL_POS);
pcodell *ll_post_decrement(pcodell *lvalue, int32_t step, LL_POS);

// Conversions.  ll_cast takes over `type`.
bool ll_can_cast(const typell *from, const typell *to, bool warn);
pcodell *ll_cast(pcodell *tree, typell *type);

// Calls: `callee` is a pointer to the function; `arguments` is a chain of
// I_ARG nodes linked through `right` and ending in I_NOP.
pcodell *ll_call(pcodell *callee, pcodell *arguments, LL_POS);
pcodell *ll_arg(pcodell *value, bool is_nop, LL_POS);

// Statements.
pcodell *ll_pragma(const pragma_record *pragma, LL_POS);
pcodell *ll_label(symbol *label, LL_POS);
pcodell *ll_enum_label(symbol *label, LL_POS);
pcodell *ll_jump_statement(symbol *label, LL_POS);
pcodell *ll_if_statement(pcodell *condition, symbol *label, LL_POS);
pcodell *ll_switch_statement(pcodell *control, case_table *cases, LL_POS);
pcodell *ll_return_statement(pcodell *value, symbol *return_label, LL_POS);
pcodell *ll_nop_statement(LL_POS);
pcodell *ll_assembly(asm_statement *block, LL_POS);
pcodell *ll_function_begin(symbol *function, uint32_t frame_size, uint32_t param_frame_size,
                           uint32_t return_size, LL_POS);
pcodell *ll_function_end(symbol *function, uint32_t frame_size, uint32_t param_frame_size,
                         uint32_t return_size, LL_POS);
pcodell *ll_right(pcodell *first, pcodell *value, LL_POS);
pcodell *ll_left(pcodell *value, pcodell *second, LL_POS);

uint32_t ll_get_frame_pointer_size();

// A deep copy of a pragma record for an I_PRAGMA node; configuration
// settings stay with the front end and are not copied.
pragma_record *ll_copy_pragma(const pragma_record *pragma);

// Initializer records: the image of a statically initialized object.
enum init_kind : uint32_t { INIT_DATA_BYTE = 0, INIT_ADDRESS_BYTE = 1 };

struct init_record {
    init_kind kind;
    uint8_t value;       // INIT_DATA_BYTE
    symbol *sym;         // INIT_ADDRESS_BYTE: the symbol, the offset from it,
    int32_t offset;      // and which byte of the address (0 least significant)
    uint32_t byte_index;
    init_record *next;
};

init_record *init_list_copy(const init_record *list);
void init_list_free(init_record *list);

// A translated initializer: a value, or a brace-enclosed list of them.
struct initializer {
    pcodell *value;           // null for a list
    initializer *elements;    // a list's elements
    initializer *last_element; // where a list grows, so that long lists append in constant time
    initializer *next;
    int32_t line;
    char *file;
};

initializer *ll_initializer_value(pcodell *value, LL_POS);
initializer *ll_initializer_list(initializer *elements, LL_POS);
// Appends `element` (may be null) to the list `list`.
void ll_initializer_append(initializer *list, initializer *element);
void ll_initializer_free(initializer *init);

// Lowers the initializer of `sym`.  Static storage: the records become the
// symbol's initial data and the result is null.  Auto and overlay storage:
// the returned statements initialize the object at run time.
stmt *ll_process_initializers(symbol *sym, initializer *init, LL_POS);
// The bytes of a string-literal object and its terminating zero.
void ll_initialize_string_literal(symbol *string_symbol);

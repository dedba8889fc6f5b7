// Costs of the rules whose cost depends on the tree: a normal cost when the
// rule applies to the node, BURG_NOT_APPLICABLE when it does not.
#pragma once

struct pcodell;

constexpr int BURG_NOT_APPLICABLE = 10000;

// An I_cop node that adds a constant: 0, else not applicable.
int r_add_cost(const pcodell *p);
// A constant of one byte: a wider one is not a byte value.
int r_byte_constant_cost(const pcodell *p);
int r_shift8_cost(const pcodell *p);
int r_shift_cost(const pcodell *p);
// A byte in WREG shifted by a constant, zeros coming in.
int r_shift_w_cost(const pcodell *p);
// A byte in data memory shifted in place by a constant.
int r_shift_in_place_cost(const pcodell *p);
int r_copy_cost(const pcodell *p);
int r_switch_cost(const pcodell *p);
// x op= constant on a byte: what oVxcopLiteralF emits for it.
int r_cop_literal_cost(const pcodell *p);
int r_bitfield_read_cost(const pcodell *p);
int r_bitfield_write_cost(const pcodell *p);
int r_bitfield_constant_cost(const pcodell *p);
// A jump on one bit of a bit-field.
int r_bit_test_cost(const pcodell *p);
// ! of a float: cheaper than the integer test it must win over, else not
// applicable.
int r_float_operand_cost(const pcodell *p);
// A float's truth: cheaper than the integer test of its bytes, else not
// applicable.
int r_float_value_cost(const pcodell *p);
// A call whose struct result is a value of up to four bytes: about a
// direct call's cost, else not applicable.
int r_struct_value_cost(const pcodell *p);
// <= or >= of floats: one library call, else not applicable.
int r_float_ordered_cost(const pcodell *p);

// What the rules' actions share: building records at the node's source
// position, the attribute records of the node and its leaves, and reading,
// writing and copying the bytes of a location of any kind.
#pragma once
#include <cstdint>

#include "codegen/attrib.h"
#include "codegen/inst.h"
#include "codegen/obj.h"
#include "translate/ir.h"

namespace rules {

symbol *reg(const char *name);
// Byte i of a value of `bytes` bytes among the math library's argument or
// remainder bytes ("__AARGB", "__BARGB", "__REMB"): the most significant
// byte is number 0.
symbol *math_byte(const char *family, int32_t bytes, int32_t i);
// An `n`-byte value into a family's argument bytes, and out of them.
ocode *to_library(const pcodell *p, const gen_location &from, const char *family, int32_t n);
ocode *from_library(const pcodell *p, const char *family, int32_t n, const gen_location &to);
// ++ and -- of every width, in data memory and in program memory: whether
// the step adds, and whether the expression's value is the new one.
bool is_increment(uint32_t opcode);
bool is_pre_step(uint32_t opcode);
// The bytes of the value a node produces, and of its left operand's value.
int32_t value_bytes(const pcodell *p);
int32_t operand_bytes(const pcodell *p);
ocode *at(const pcodell *p, inst *ins);
// Appends to the node's own code.
void emit(ocode *list);
void emit(const pcodell *p, inst *ins);
// Moves a leaf's code to the end of the node's own code.
void take(int leaf);
gen_location temporary(uint32_t bytes);
gen_location ram(symbol *sym, int32_t offset);

// Byte `i` of a location into WREG, WREG into byte `i` (WREG kept), and byte `i` of one
// location into byte `j` of another; PRODL is the scratch byte of stores to
// the frame and through pointers.
ocode *load_w(const pcodell *p, const gen_location &loc, int32_t i);
ocode *store_w(const pcodell *p, const gen_location &loc, int32_t i);
ocode *copy_byte(const pcodell *p, const gen_location &from, int32_t i, const gen_location &to, int32_t j);
ocode *copy(const pcodell *p, const gen_location &from, const gen_location &to, uint32_t bytes);
// A byte-oriented instruction on byte `i` of data memory, the bank selected
// first when it is banked; `destination` is ignored by the instructions
// that have none.
ocode *file_op(const pcodell *p, uint32_t opcode, const gen_location &loc, int32_t i, int32_t destination);
// Byte `byte` of the general constant of record `c` into WREG.
ocode *constant_w(const pcodell *p, const gen_attrib &c, int32_t byte);
ocode *load_fsr0(const pcodell *p, const gen_location &pointer);
// TBLPTR = the program-memory address held at `loc` + i, carried into the
// high and upper bytes.
ocode *table_pointer(const pcodell *p, const gen_location &loc, int32_t i);
// A new compiler label, and a label record for it.
symbol *new_label(const pcodell *p);
ocode *place(const pcodell *p, symbol *label);

} // namespace rules

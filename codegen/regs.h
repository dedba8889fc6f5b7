// The symbols that generated code names without the source declaring them:
// the special-function registers, the software stack, and the runtime
// math library's data bytes and routines.  They are made once per unit,
// before any function is generated, and compared by identity afterwards.
#pragma once

struct symbol;

// Makes (or, where the source declared an object of the same name, adopts)
// every register and math-library symbol of the unit and enters each in the
// register-symbol map.
void genInitSymbols();

// A byte through which the math routines take operands or return results.
bool s_is_math_symbol(const symbol *sym);
// One of the math-library routines.
bool s_is_math_function(const symbol *sym);

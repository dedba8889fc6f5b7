// The compiler-managed register and runtime-library symbols of the unit
// (WREG, STATUS, FSR0, __AARGB0, ...) by name.  Code generation's set-up
// enters them once per unit; in-line assembly finds them when the source
// itself declares no object of that name.
#pragma once

struct symbol;

void gen_register_symbol_enter(symbol *sym);
symbol *gen_register_symbol(const char *name);
void gen_register_symbols_clear();

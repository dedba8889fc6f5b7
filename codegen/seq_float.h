// Float sequences: a constant into the math library's argument bytes, and
// ++/-- of a float in program memory, which append to the running rule's
// code and give the location of the expression's value.
#pragma once
#include <cstdint>

#include "codegen/attrib.h"

struct ocode;
struct pcodell;

// A float constant's bits into the four bytes of "__AARGB" or "__BARGB".
ocode *oVxMovLiteralFloat(const pcodell *p, uint32_t bits, const char *family);
gen_location oVxPreIncROMFloat(const pcodell *p, const gen_location &x);
gen_location oVxPreDecROMFloat(const pcodell *p, const gen_location &x);
gen_location oVxPstIncROMFloat(const pcodell *p, const gen_location &x);
gen_location oVxPstDecROMFloat(const pcodell *p, const gen_location &x);

// Code generation for a translation unit: the output code it appends to the
// code sections lives until the object file has been written.
#pragma once

// Releases the output code of every code section, the enumeration labels
// still waiting for an instruction and the register-symbol map.
void genFree();

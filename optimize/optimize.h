// The assembly-level optimizer: rewrites the output code of every code
// section between code generation and the object file, and resolves every
// branch pseudo-instruction into machine instructions.
#pragma once
#include <vector>

struct section;

void optimize_assembly();

// The code sections that hold output code, in the order of the master
// symbol list.
std::vector<section *> opt_code_sections();

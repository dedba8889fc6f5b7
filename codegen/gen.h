// Instruction selection for a translation unit: every function's IR trees
// labelled with least-cost rules and reduced into output code appended to
// its code section.
#pragma once
#include <cstdarg>

struct stmt;
struct pcodell;
struct ocode;

void genInit();
void genTranslate(stmt *unit);

// The output code of one statement tree.
ocode *gen_reduce_statement(pcodell *tree);

// A labeller or reducer failure: prints and ends the process with status 1.
[[noreturn]] void fatal(const char *name, const char *format, ...);

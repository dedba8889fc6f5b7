// Instruction selection for a translation unit: every function's IR trees
// labelled with least-cost rules and reduced into output code appended to
// its code section.
#pragma once
#include <cstdarg>
#include <cstdint>

struct stmt;
struct pcodell;
struct ocode;
struct symbol;

void genInit();
void genTranslate(stmt *unit);

// The output code of one statement tree.
ocode *gen_reduce_statement(pcodell *tree);

// Where functions of the unit leave a struct or union result of `size`
// bytes: one buffer of the largest such size, in an overlay section that
// every unit shares, so that a result passes between units.
symbol *gen_struct_result(uint32_t size);

// A labeller or reducer failure: prints and ends the process with status 1.
[[noreturn]] void fatal(const char *name, const char *format, ...);

// The rewrites that the optimizer driver runs on a function's list, on its
// basic blocks and on a whole code section.  Each reports whether it changed
// anything; the driver repeats the ones that must reach a fixed point.
#pragma once
#include <cstdint>

struct basic_block;
struct ocode;
struct section;
struct typell;

// Function list, before the blocks are computed.
bool s_branch_optimizations(ocode *list);

// Blocks of one function.
bool s_peephole_optimizations(basic_block *block);
bool s_optimize_banking(basic_block *first);
bool s_straighten(basic_block *first, int32_t *counter);
bool s_tail_merging(basic_block *first, int32_t *counter);
bool s_block_branch_optimizations(basic_block *first);
bool s_unreachable_code_removal(basic_block *first);
bool opt_copy_propagation(basic_block *first);
bool opt_redundant_store_elimination(basic_block *first);
// Builds the definitions, their reaching sets and the use chains of the
// blocks, removes the instructions whose results nothing needs, and
// releases the data-flow sets again.
bool s_dead_code_removal(const typell *return_type, basic_block *first);

// A whole code section, after every function has been optimized.
bool perform_procedural_abstraction(section *scn, ocode *first);
bool s_post_process_peephole_optimizations(ocode *list);

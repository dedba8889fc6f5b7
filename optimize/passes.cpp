// Entry points of the rewrites that the driver calls.  A pass whose
// rewrites are not written yet changes nothing and says so.
#include "optimize/passes.h"

bool s_branch_optimizations(ocode *) { return false; }

bool s_peephole_optimizations(basic_block *) { return false; }

bool s_optimize_banking(basic_block *) { return false; }

bool s_straighten(basic_block *, int32_t *) { return false; }

bool s_tail_merging(basic_block *, int32_t *) { return false; }

bool s_block_branch_optimizations(basic_block *) { return false; }

bool s_unreachable_code_removal(basic_block *) { return false; }

bool opt_copy_propagation(basic_block *) { return false; }

bool opt_redundant_store_elimination(basic_block *) { return false; }

bool s_dead_code_removal(const typell *, basic_block *) { return false; }

bool perform_procedural_abstraction(section *, ocode *) { return false; }

bool s_post_process_peephole_optimizations(ocode *) { return false; }

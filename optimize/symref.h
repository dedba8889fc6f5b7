// Register references by one name per byte: the optimizer compares
// operands by symbol and offset, so FSR0H and FSR0L+1 must look alike.
#pragma once

// Rewrites the symbolic operands of every code section's output code.
void s_normalize_all_symrefs();

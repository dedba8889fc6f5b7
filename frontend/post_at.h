// Diagnostics at a construct's own position rather than the scanner's,
// which may already be past it.
#pragma once
#include <cstdint>

// While the parser runs, a diagnostic that ends the compilation does not
// unwind through it: it is held in `hl_abort_pending` until the parser has
// released its stack.
void post_error_at(int32_t line, const char *file, unsigned number, ...);
extern bool hl_parsing;
extern bool hl_abort_pending;

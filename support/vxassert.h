// The program's own assertion routine for internal inconsistencies.
#pragma once

// While set, an internal error names the current source file and line.
extern int show_assert_lineno;

[[noreturn]] void _assert(const char *expression, const char *file, unsigned line);

#define VX_ASSERT(expr) ((expr) ? (void)0 : _assert(#expr, __FILE__, __LINE__))

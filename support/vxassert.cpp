#include "support/vxassert.h"

#include <cstdio>
#include <cstdlib>

#include "support/position.h"

int show_assert_lineno = 1;

void _assert(const char *expression, const char *file, unsigned line)
{
    if (show_assert_lineno)
        fprintf(stderr, "Internal compiler error processing %s: %lu\n", yyfilename,
                static_cast<unsigned long>(yylineno));
    else
        fputs("Internal compiler error\n", stderr);
    // The second line tells the compiler's maintainers which check failed.
    fprintf(stderr, "  check '%s' failed in %s, line %u\n", expression, file, line);
    fflush(stderr);
    abort();
}

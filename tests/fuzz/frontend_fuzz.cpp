// Feeds arbitrary bytes to the scanner and the parser as one preprocessed
// translation unit.  Every run starts from a fresh front end and must give
// back everything it allocated.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "frontend/varlocate.h"
#include "support/list.h"
#include "support/position.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Diagnostics are the expected outcome of most inputs; writing them
    // would only slow the search down.
    error_level = 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    yyin = fmemopen(const_cast<uint8_t *>(data), size, "r");
    if (!yyin)
        return 0;
    snprintf(yyfilename, sizeof yyfilename, "%s", "fuzz.i");
    yylineno = 1;
    yyinitparse();
    try {
        yyparse();
    } catch (const compile_abort &) {
    }
    hl_free_ast(hl_get_ast());
    hl_set_ast(nullptr);
    yyuninitparse();
    fclose(yyin);
    yyin = nullptr;
    varlocate_free();
    if (dependent_file_list) {
        list_free(dependent_file_list, s_free_object);
        dependent_file_list = nullptr;
    }
    return 0;
}

// Feeds arbitrary bytes to the front end as one preprocessed translation
// unit, translates every unit that parses cleanly and takes every unit that
// translates cleanly on through code generation, the optimizer, the
// configuration pass and the emitter, which writes its object file.  Every run starts
// from a fresh front end and translation and must give back everything it
// allocated, also when the error limit ends the translation.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "codegen/codegen.h"
#include "codegen/gen.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "frontend/varlocate.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "support/list.h"
#include "support/position.h"
#include "translate/config_data.h"
#include "translate/translate.h"

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
    unsigned errors = get_error_count();
    yyinitparse();
    stmt *unit = nullptr;
    try {
        yyparse();
        if (get_error_count() == errors && hl_get_ast())
            unit = trnTranslateAST(hl_get_ast());
        if (get_error_count() == errors && unit)
            genTranslate(unit);
        if (get_error_count() == errors && unit) {
            optimize_assembly();
            pragma_config_generate_info();
            emit_write_object_file("fuzz-out.o");
            remove("fuzz-out.o");
        }
    } catch (const compile_abort &) {
    }
    genFree();
    trnFreeUnit(unit);
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

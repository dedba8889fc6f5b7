// The stages of one compilation in their fixed order, and the points where
// the front end joins the run.  Each stage runs only while no error has
// been posted; a fatal diagnostic or the error limit throws past the rest.
#include "codegen/codegen.h"
#include "codegen/gen.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "frontend/pragma_config.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "support/vxassert.h"
#include "translate/config_data.h"
#include "translate/translate.h"

void stage_config_initialize() { pragma_config_initialize(); }

// The listing comes before the compiler is initialized, so it selects the
// device's tables itself.
void stage_config_help()
{
    pragma_config_initialize();
    pragma_config_help();
}

void stage_begin_parse() { yyinitparse(); }

void stage_end_parse() { yyuninitparse(); }

static bool s_no_errors() { return get_error_count() == 0; }

// The output code lives in the sections of the symbol table, so it goes
// before the table does.
static void s_release(stmt *unit)
{
    genFree();
    trnFreeUnit(unit);
}

void run_compilation_stages()
{
    stmt *unit = nullptr;
    try {
        if (s_no_errors())
            yyparse();
        if (s_no_errors())
            unit = trnTranslateAST(hl_get_ast());
        // A unit with syntax errors may still have left a partial tree.
        hl_free_ast(hl_get_ast());
        hl_set_ast(nullptr);
        if (s_no_errors())
            genTranslate(unit);
        stmtFreeList(unit);
        unit = nullptr;
        show_assert_lineno = 0;
        if (s_no_errors())
            optimize_assembly();
        if (s_no_errors())
            pragma_config_generate_info();
        if (s_no_errors())
            emit_write_object_file(ofile);
    } catch (const compile_abort &) {
        s_release(unit);
        throw;
    }
    s_release(nullptr);
}

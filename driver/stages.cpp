// The stages of one compilation in their fixed order, and the points where
// the front end joins the run.  Each stage runs only while no error has
// been posted; a fatal diagnostic or the error limit throws past the rest.
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "frontend/pragma_config.h"
#include "support/vxassert.h"
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

void run_compilation_stages()
{
    if (s_no_errors())
        yyparse();
    stmt *unit = nullptr;
    try {
        if (s_no_errors())
            unit = trnTranslateAST(hl_get_ast());
    } catch (const compile_abort &) {
        trnFreeUnit(nullptr);
        throw;
    }
    // Code generation plugs in here, before the tree is freed.
    // A unit with syntax errors may still have left a partial tree.
    trnFreeUnit(unit);
    show_assert_lineno = 0;
}

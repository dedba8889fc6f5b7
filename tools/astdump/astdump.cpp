// Runs the scanner and parser over one preprocessed file and prints the
// syntax tree, or with -t the type list of every declaration, so that the
// front end can be tested on its own; -s compiles for a specific device
// rather than the generic one.  Diagnostics go to standard output;
// the exit status is the number of errors.
#include <cstdio>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "support/position.h"

static void s_print_types(const pcodehl *node)
{
    // Declarations hang off list spines; a work list keeps deep trees safe.
    std::vector<const pcodehl *> stack;
    if (node)
        stack.push_back(node);
    while (!stack.empty()) {
        const pcodehl *n = stack.back();
        stack.pop_back();
        if (n->type && (n->kind == H_DECL || n->kind == H_CAST || n->kind == H_SIZEOFTYPE || n->kind == H_ITTYPE)) {
            printf("%4ld: %s%s", static_cast<long>(n->line), n->left && n->left->kind == H_IDENT ? n->left->name : "-",
                   ": ");
            hl_print_type(n->type);
        }
        if (n->right)
            stack.push_back(n->right);
        if (n->left)
            stack.push_back(n->left);
    }
}

int main(int argc, char **argv)
{
    bool types = false;
    const char *path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-t") == 0)
            types = true;
        else if (strcmp(argv[i], "-s") == 0)
            generic_processor_flag = 0;
        else
            path = argv[i];
    }
    if (!path) {
        fprintf(stderr, "usage: astdump [-t] [-s] FILE\n");
        return 1;
    }
    yyin = fopen(path, "r");
    if (!yyin) {
        fprintf(stderr, "astdump: cannot open %s\n", path);
        return 1;
    }
    snprintf(yyfilename, sizeof yyfilename, "%s", path);
    yylineno = 1;
    yyinitparse();
    try {
        if (yyparse() == 0) {
            if (types)
                s_print_types(hl_get_ast());
            else
                hl_print_ast(hl_get_ast());
        }
    } catch (const compile_abort &) {
    }
    hl_free_ast(hl_get_ast());
    yyuninitparse();
    fclose(yyin);
    return static_cast<int>(get_error_count());
}

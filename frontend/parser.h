// The parser of one translation unit: opened, run once, closed.
#pragma once

// Opens the scanner and the file scope; non-zero on failure.
int yyinitparse();
// Parses the whole unit; the tree is then available from hl_get_ast.
int yyparse();
void yyuninitparse();

#include "frontend/pragma_config.h"

#include <cstdlib>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "frontend/lexer.h"
#include "frontend/pragma.h"

extern char *yytext;

// No device has its configuration tables yet, so no setting name is known.
int s_parse_pragma_config(pragma_record *record)
{
    if (!match(TK_EOL) && !match(0))
        post_error_at(record->line, record->file, 1224, (match(TK_IDENTIFIER) || match(TK_TYPEDEF_NAME)) ? lex_value().name : yytext);
    while (!match(TK_EOL) && !match(0))
        advance();
    return 0;
}

void config_choice_free(config_choice *list)
{
    while (list) {
        config_choice *next = list->next;
        free(list);
        list = next;
    }
}

// Token codes and the token value that the scanner hands to the parser and
// to the directive parsers.
#pragma once
#include <cstdint>

#include "frontend/constant.h"
#include "frontend/pragma.h"

struct typehl;

enum token_code : int {
    TK_EOL = 10,
    TK_CONSTANT = 257,
    TK_FCONSTANT = 258,
    TK_IDENTIFIER = 259,
    TK_STRING = 260,
    TK_SIZEOF = 261,
    TK_ARROW = 262, TK_INC, TK_DEC, TK_SHL, TK_SHR, TK_LE, TK_GE, TK_EQ, TK_NE, TK_ANDAND, TK_OROR,
    TK_MULA, TK_DIVA, TK_MODA, TK_ADDA, TK_SUBA, TK_SHLA, TK_SHRA, TK_ANDA, TK_XORA, TK_ORA, // to 282
    TK_TYPEDEF = 284, TK_EXTERN, TK_STATIC, TK_AUTO, TK_REGISTER, TK_CHAR, TK_SHORT, TK_INT, TK_LONG,
    TK_SIGNED, TK_UNSIGNED, TK_FLOAT, TK_DOUBLE, TK_CONST, TK_VOLATILE, TK_VOID, TK_STRUCT, TK_UNION,
    TK_ENUM, TK_ELLIPSIS, TK_CASE, TK_DEFAULT, TK_IF, TK_SWITCH, TK_WHILE, TK_DO, TK_FOR, TK_GOTO,
    TK_CONTINUE, TK_BREAK, TK_RETURN, TK_ELSE, TK_OVERLAY, // to 316
    TK_TYPEDEF_NAME = 700,
    TK_SCOPE = 701,
    TK_NEAR = 806, TK_FAR, TK_RAM, TK_ROM,
    TK_ASM = 900, TK_ENDASM, TK_MNEMONIC, TK_ASM_LABEL,
    TK_PRAGMA = 1000,
    TK_BUILTIN_ENUM_LABEL = 2001,
    TK_BUILTIN_ITTYPE = 2002,
};

// What a token carries, by token: identifiers, built-ins and typedef names
// their spelling (own copy), keywords the keyword table's spelling, and a
// typedef name its type; constants the
// constant record; string literals the bytes (own, zero-terminated) and
// their count; a mnemonic its spelling and position (own copies); a label
// its name; a pragma the whole record.
struct token_value {
    char *name;
    const typehl *type;
    constant_record constant;
    char *bytes;
    uint32_t count;
    int32_t line;
    char *file;
    pragma_record pragma;
};

// The position of a token for the grammar: its first line and the current
// file's name, which lives for the run.  The parser's generic code also
// initialises the column and end fields, which nothing reads.
struct source_location {
    int first_line;
    int first_column;
    int last_line;
    int last_column;
    const char *file;
};

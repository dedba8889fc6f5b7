// The scanner of the preprocessed text.
#pragma once
#include <cstdio>

#include "frontend/token.h"
#include "support/hash.h"

struct builtin_info {
    const char *name;
    int token;
};

extern int yycolumn;
extern int in_asm;
extern hash_table *dependent_file_hash;

int yylex();
void yyinitlex();
void yyuninitlex();
int check_type();
// Fill the constant of the token value from the current text.
void integer_constant();
void character_constant();
void float_constant();
void count();
const builtin_info *getBuiltinInfo(const char *name);

// The value and position of the token that yylex returned last.
token_value &lex_value();
const source_location &lex_location();

// The name of the current file as it lives for the run, for positions that
// outlive a line directive.
const char *lex_current_file();
// Called when a line directive has changed `yyfilename`.
void lex_filename_changed();

// Scans `text` instead of `yyin` until the next yyinitlex.
void lex_scan_string(const char *text);

// Token values own their spellings: releases the strings of a token value
// that no one took.
void token_value_free(int token, token_value *value);
bool token_has_name(int token);

// The seams between the sources of the symbol table (symbols, scopes,
// sections, generated names); not for use outside them.
#pragma once
#include "translate/symbols.h"

void scopes_open_file();
void scopes_free_all();
void scope_open_symbols_and_tags();
void scope_close_symbols_and_tags();
void scope_open_labels();
void scope_close_labels();
void scope_enter(symbol *sym, bool at_file_scope);

void sections_begin_module();
void sections_end_module();
// The object file's name without its directory, which names the default
// sections and the activation-record sections.
const char *sections_object_file_name();

void names_reset_counters();

// What `#pragma varlocate` promises about where a variable lives: the bank
// or the section that the bank-selection optimizer may rely on.
#pragma once
#include <string>

struct symbol;

struct symbol_placement {
    bool has_known_bank;
    unsigned bank;
    bool has_known_section;
    std::string section;
};

// Records the promises of the unit's varlocate list on its symbols; a name
// that is no symbol of the file scope is only warned about.
void opt_apply_varlocate();
// Null when nothing is promised for `sym`.
const symbol_placement *opt_symbol_placement(const symbol *sym);

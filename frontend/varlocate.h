// Variable-location facts from `#pragma varlocate`: the bank or section
// that the user promises a variable lives in.  The banking optimizer reads
// the list newest first.
#pragma once

enum varlocate_kind { VARLOCATE_BANK = 0, VARLOCATE_SECTION = 1 };

struct varlocate_item {
    int kind;       // a varlocate_kind
    unsigned bank;  // VARLOCATE_BANK
    char *section;  // VARLOCATE_SECTION: own copy
    char *name;     // own copy
    varlocate_item *next;
};

extern varlocate_item *varlocate_list;

void opt_varlocate_bank(const char *name, unsigned bank);
void opt_varlocate_section(const char *name, const char *section);
void varlocate_free();

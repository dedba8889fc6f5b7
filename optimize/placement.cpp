#include "optimize/placement.h"

#include <unordered_map>

#include "driver/diag.h"
#include "frontend/varlocate.h"
#include "support/vxassert.h"
#include "translate/symbols.h"

namespace {

// A symbol record has no room for these facts, so they are kept here.
std::unordered_map<const symbol *, symbol_placement> s_placements;

} // namespace

void opt_apply_varlocate()
{
    s_placements.clear();
    // The list is newest first: the earliest pragma for a name has the last word.
    for (const varlocate_item *item = varlocate_list; item; item = item->next) {
        symbol *sym = sym_lookup_sym(item->name, LOOKUP_FILE);
        if (!sym) {
            yywarning("symbol '%s' unknown in varlocate", item->name);
            continue;
        }
        symbol_placement &placement = s_placements[sym];
        if (item->kind == VARLOCATE_BANK) {
            placement.has_known_bank = true;
            placement.bank = item->bank;
        } else {
            VX_ASSERT(item->kind == VARLOCATE_SECTION);
            placement.has_known_section = true;
            placement.section = item->section;
        }
    }
}

const symbol_placement *opt_symbol_placement(const symbol *sym)
{
    auto found = s_placements.find(sym);
    return found == s_placements.end() ? nullptr : &found->second;
}

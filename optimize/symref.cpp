#include "optimize/symref.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "codegen/ocode.h"
#include "codegen/regsyms.h"
#include "optimize/optimize.h"
#include "translate/symbols.h"

namespace {

struct byte_name {
    std::string name;
    int32_t offset;
};

struct symref_row {
    byte_name alias;
    byte_name canonical;
};

std::string s_numbered(const char *family, int n) { return family + std::to_string(n); }

// The math-library registers of one family are consecutive bytes at
// descending addresses, so byte k above the n-th is the (n-k)-th, and the
// one past the family's base is its exponent byte.
void s_add_descending_family(std::vector<symref_row> &rows, const char *family, int last, const char *exponent)
{
    for (int n = 0; n <= last; ++n) {
        for (int k = 1; k <= n; ++k)
            rows.push_back({{s_numbered(family, n), k}, {s_numbered(family, n - k), 0}});
        rows.push_back({{s_numbered(family, n), n + 1}, {exponent, 0}});
    }
}

// One table for every alias of a register byte; the first matching row wins.
const std::vector<symref_row> &s_symref_table()
{
    static const std::vector<symref_row> rows = [] {
        std::vector<symref_row> table;
        for (int n = 0; n <= 2; ++n) {
            std::string low = s_numbered("FSR", n) + "L";
            table.push_back({{s_numbered("FSR", n) + "H", 0}, {low, 1}});
            table.push_back({{s_numbered("FSR", n), 0}, {low, 0}});
            table.push_back({{s_numbered("FSR", n), 1}, {low, 1}});
        }
        table.push_back({{"PRODH", 0}, {"PRODL", 1}});
        table.push_back({{"PROD", 0}, {"PRODL", 0}});
        table.push_back({{"PROD", 1}, {"PRODL", 1}});
        table.push_back({{"TBLPTRH", 0}, {"TBLPTRL", 1}});
        table.push_back({{"TBLPTRU", 0}, {"TBLPTRL", 2}});
        table.push_back({{"POSTINC0", 1}, {"INDF0", 0}});
        table.push_back({{"POSTDEC0", 1}, {"POSTINC0", 0}});
        table.push_back({{"POSTDEC0", 2}, {"INDF0", 0}});
        s_add_descending_family(table, "__AARGB", 7, "__AEXP");
        // The remainder bytes overlay the upper argument bytes.
        for (int m = 0; m <= 3; ++m)
            for (int k = 0; k <= m; ++k)
                table.push_back({{s_numbered("__REMB", m), k}, {s_numbered("__AARGB", 4 + m - k), 0}});
        s_add_descending_family(table, "__BARGB", 3, "__BEXP");
        return table;
    }();
    return rows;
}

using symref = std::pair<const symbol *, int32_t>;
using symref_map = std::map<symref, std::pair<symbol *, int32_t>>;

// The table for the register symbols that this unit has entered.
symref_map s_resolve_table()
{
    symref_map resolved;
    for (const symref_row &row : s_symref_table()) {
        const symbol *alias = gen_register_symbol(row.alias.name.c_str());
        symbol *canonical = gen_register_symbol(row.canonical.name.c_str());
        if (alias && canonical)
            resolved.emplace(symref{alias, row.alias.offset}, std::make_pair(canonical, row.canonical.offset));
    }
    return resolved;
}

void s_normalize_symref(symbol *&sym, int32_t &offset, const symref_map &table)
{
    auto found = table.find(symref{sym, offset});
    if (found == table.end())
        return;
    sym = found->second.first;
    offset = found->second.second;
}

} // namespace

void s_normalize_all_symrefs()
{
    symref_map table = s_resolve_table();
    for (section *scn : opt_code_sections())
        for (ocode *oc = scn->code; oc; oc = oc->next) {
            if (oc->type == OC_INST) {
                for (inst_operand &operand : oc->data.inst.ins->operand)
                    if (operand.type == SYMBOL_OP)
                        s_normalize_symref(operand.value.sym, operand.offset, table);
            } else if (oc->type == OC_BTFBS || oc->type == OC_BTFBC) {
                s_normalize_symref(oc->data.branch.freg, oc->data.branch.freg_offset, table);
            }
        }
}

#include "codegen/regsyms.h"

#include <string>
#include <unordered_map>

#include "support/vxassert.h"
#include "translate/symbols.h"

namespace {

std::unordered_map<std::string, symbol *> s_register_symbols;

} // namespace

void gen_register_symbol_enter(symbol *sym)
{
    VX_ASSERT(sym && sym->name);
    s_register_symbols[sym->name] = sym;
}

symbol *gen_register_symbol(const char *name)
{
    auto found = s_register_symbols.find(name);
    return found == s_register_symbols.end() ? nullptr : found->second;
}

void gen_register_symbols_clear() { s_register_symbols.clear(); }

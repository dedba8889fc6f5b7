#include "codegen/regs.h"

#include <unordered_map>

#include "codegen/regsyms.h"
#include "driver/options.h"
#include "translate/ranges.h"
#include "translate/symbols.h"
#include "translate/types.h"

namespace {

enum runtime_kind { REGISTER, MATH_DATA, MATH_ROUTINE };

struct runtime_name {
    const char *name;
    runtime_kind kind;
};

constexpr runtime_name RUNTIME_NAMES[] = {
    {"STATUS", REGISTER},         {"WREG", REGISTER},         {"BSR", REGISTER},          {"FSR0", REGISTER},
    {"FSR0L", REGISTER},          {"FSR0H", REGISTER},        {"INDF0", REGISTER},        {"PREINC0", REGISTER},
    {"POSTINC0", REGISTER},       {"POSTDEC0", REGISTER},     {"FSR1", REGISTER},         {"FSR1L", REGISTER},
    {"FSR1H", REGISTER},          {"INDF1", REGISTER},        {"POSTDEC1", REGISTER},     {"PREINC1", REGISTER},
    {"POSTINC1", REGISTER},       {"FSR2", REGISTER},         {"FSR2L", REGISTER},        {"FSR2H", REGISTER},
    {"INDF2", REGISTER},          {"PREINC2", REGISTER},      {"POSTINC2", REGISTER},     {"POSTDEC2", REGISTER},
    {"PLUSW0", REGISTER},         {"PLUSW1", REGISTER},       {"PLUSW2", REGISTER},       {"PROD", REGISTER},
    {"PRODL", REGISTER},          {"PRODH", REGISTER},        {"TBLPTR", REGISTER},       {"TBLPTRL", REGISTER},
    {"TBLPTRH", REGISTER},        {"TBLPTRU", REGISTER},      {"TABLAT", REGISTER},       {"PCL", REGISTER},
    {"PCLATH", REGISTER},         {"PCLATU", REGISTER},       {"STKPTR", REGISTER},       {"_stack", REGISTER},

    {"__AEXP", MATH_DATA},        {"__BEXP", MATH_DATA},      {"__AARGB0", MATH_DATA},    {"__AARGB1", MATH_DATA},
    {"__AARGB2", MATH_DATA},      {"__AARGB3", MATH_DATA},    {"__AARGB4", MATH_DATA},    {"__AARGB5", MATH_DATA},
    {"__AARGB6", MATH_DATA},      {"__AARGB7", MATH_DATA},    {"__BARGB0", MATH_DATA},    {"__BARGB1", MATH_DATA},
    {"__BARGB2", MATH_DATA},      {"__BARGB3", MATH_DATA},    {"__REMB0", MATH_DATA},     {"__REMB1", MATH_DATA},
    {"__REMB2", MATH_DATA},       {"__REMB3", MATH_DATA},     {"__TEMP", MATH_DATA},      {"__TEMPB0", MATH_DATA},
    {"__TEMPB1", MATH_DATA},      {"__TEMPB2", MATH_DATA},    {"__TEMPB3", MATH_DATA},    {"__FPFLAGS", MATH_DATA},
    {"__FPFLAGSbits", MATH_DATA},

    {"FXD0808U", MATH_ROUTINE},   {"FXD0808S", MATH_ROUTINE}, {"FXD1616U", MATH_ROUTINE}, {"FXD1616S", MATH_ROUTINE},
    {"FXD2424U", MATH_ROUTINE},   {"FXD2424S", MATH_ROUTINE}, {"FXD3232U", MATH_ROUTINE}, {"FXD3232S", MATH_ROUTINE},
    {"FXM0808U", MATH_ROUTINE},   {"FXM0808S", MATH_ROUTINE}, {"FXM1616U", MATH_ROUTINE}, {"FXM1616S", MATH_ROUTINE},
    {"FXM2424U", MATH_ROUTINE},   {"FXM2424S", MATH_ROUTINE}, {"FXM3232U", MATH_ROUTINE}, {"FXM3232S", MATH_ROUTINE},
    {"FXM3232", MATH_ROUTINE},    {"FPA32", MATH_ROUTINE},    {"FPS32", MATH_ROUTINE},    {"FPM32", MATH_ROUTINE},
    {"FPD32", MATH_ROUTINE},      {"INT3232", MATH_ROUTINE},  {"INT3224", MATH_ROUTINE},  {"INT3216", MATH_ROUTINE},
    {"INT3208", MATH_ROUTINE},    {"FLO3232S", MATH_ROUTINE}, {"FLO2432S", MATH_ROUTINE}, {"FLO1632S", MATH_ROUTINE},
    {"FLO0832S", MATH_ROUTINE},   {"FLO3232U", MATH_ROUTINE}, {"FLO2432U", MATH_ROUTINE}, {"FLO1632U", MATH_ROUTINE},
    {"FLO0832U", MATH_ROUTINE},   {"TALTB32", MATH_ROUTINE},  {"TALEB32", MATH_ROUTINE},  {"TAGTB32", MATH_ROUTINE},
    {"TAGEB32", MATH_ROUTINE},    {"TAEQB32", MATH_ROUTINE},  {"pow2x16", MATH_ROUTINE},
};

// Rebuilt for every unit: the records of the previous unit went with it.
std::unordered_map<const symbol *, runtime_kind> s_runtime_symbols;

// The linker supplies the address; near gives every instruction on it the
// access bank, where the registers and the math library's data live.
typell *s_byte_in_access_ram()
{
    typell *type = type_copy(unsigned_char_type);
    type->memory = MEMORY_RAM;
    type->range = RANGE_NEAR;
    return type;
}

// A name the source gave to a type or an enumeration constant is no
// register.
bool s_is_object_or_function(const symbol *sym)
{
    return sym && sym->kind == VARIABLE && sym->storage_class != SC_TYPEDEF && !sym->is_enum_constant;
}

symbol *s_make(const runtime_name &entry)
{
    typell *type = entry.kind == MATH_ROUTINE ? type_copy(void_function_type) : s_byte_in_access_ram();
    symbol *sym = sym_create_symbol(entry.name, type, LINK_EXTERNAL, SC_EXTERN);
    sym_declare_symbol(sym, true, 0, "");
    return sym;
}

} // namespace

void genInitSymbols()
{
    gen_register_symbols_clear();
    s_runtime_symbols.clear();
    for (const runtime_name &entry : RUNTIME_NAMES) {
        symbol *sym = sym_lookup_sym(entry.name, LOOKUP_FILE);
        if (!s_is_object_or_function(sym))
            sym = s_make(entry);
        gen_register_symbol_enter(sym);
        s_runtime_symbols[sym] = entry.kind;
    }
}

bool s_is_math_symbol(const symbol *sym)
{
    auto found = s_runtime_symbols.find(sym);
    return found != s_runtime_symbols.end() && found->second == MATH_DATA;
}

bool s_is_math_function(const symbol *sym)
{
    auto found = s_runtime_symbols.find(sym);
    return found != s_runtime_symbols.end() && found->second == MATH_ROUTINE;
}

// Macro definitions and the table of them.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "vexpp/ident.h"
#include "vexpp/token.h"

namespace vexpp {

enum class Builtin : uint8_t { None, File, Line, Date, Time, PragmaOperator };

struct Macro {
    Ident *name = nullptr;
    bool function_like = false;
    bool variadic = false;     // the last parameter takes the variable arguments
    bool has_paste = false;    // the replacement list uses ##
    bool predefined = false;   // may be neither redefined nor removed
    Builtin builtin = Builtin::None;
    std::vector<Ident *> params;
    std::vector<Token> body;   // parameters appear as TK_MACRO_ARG
    uint32_t file = 0, line = 0;
};

class MacroTable {
public:
    Macro *create();
    // Installs `m` as the definition of its name.  Returns false, leaving the
    // previous definition in force, when a different definition exists.
    bool install(Macro *m);
    void remove(Ident *name);

private:
    std::vector<std::unique_ptr<Macro>> macros_;
};

bool same_definition(const Macro &a, const Macro &b);

// Parses the name, parameters and replacement list of a #define from the
// directive's tokens (after the word "define"); posts the diagnostics and
// returns null when the definition is malformed.  `position` locates
// diagnostics.
Macro *parse_definition(MacroTable &table, IdentTable &idents, const std::vector<Token> &tokens,
                        const Token &position);

// The spelling of a token for messages.
std::string spelling(const Token &t);

} // namespace vexpp

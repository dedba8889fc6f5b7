// Evaluation of the controlling expression of #if and #elif: integer
// constant expressions in the host's widest integers, with `defined`.
#pragma once
#include <cstdint>
#include "vexpp/token.h"

namespace vexpp {

// The tokens of one directive line.  `expand` is false only for the operand
// of `defined`, which must be read as written.  The end of the line reads
// as TK_EOD, repeatedly.
class ExprTokens {
public:
    virtual ~ExprTokens() = default;
    virtual void next(Token &t, bool expand) = 0;
};

struct PPValue {
    int64_t value = 0;
    bool is_unsigned = false;
};

// Reads the expression up to the end of the line.  Returns false after
// posting a diagnostic at `where` (the line consumed all the same);
// `directive` names the directive in messages ("#if", "#elif").
bool evaluate_expression(ExprTokens &tokens, const char *directive, const Token &where, PPValue &result);

} // namespace vexpp

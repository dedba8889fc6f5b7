#include "vexpp/expr.h"
#include <cctype>
#include <cstring>
#include <string>
#include "driver/diag.h"
#include "vexpp/ident.h"
#include "vexpp/report.h"

namespace vexpp {

namespace {

PPValue make_signed(int64_t v) { return PPValue{v, false}; }
PPValue make_bool(bool b) { return PPValue{b ? 1 : 0, false}; }

uint64_t u(const PPValue &v) { return static_cast<uint64_t>(v.value); }

class Evaluator {
public:
    Evaluator(ExprTokens &tokens, const char *directive, const Token &where)
        : tokens_(tokens), directive_(directive), where_(where), errors_before_(get_error_count()) {}

    bool run(PPValue &result);

private:
    void advance() { tokens_.next(tok_, true); }
    void fail();
    PPValue comma(bool live);
    PPValue conditional(bool live);
    PPValue binary(int min_prec, bool live);
    PPValue unary(bool live);
    PPValue primary(bool live);
    PPValue defined_operator();
    PPValue number();
    PPValue character();
    PPValue apply(unsigned op, PPValue a, PPValue b, bool live);

    bool enter_nesting();

    ExprTokens &tokens_;
    const char *directive_;
    const Token &where_;
    Token tok_;
    bool failed_ = false;
    unsigned errors_before_;
    unsigned depth_ = 0; // nested parentheses, unary operators and conditionals
};

// The parser is recursive; this bounds its depth.
constexpr unsigned MAX_EXPRESSION_NESTING = 1000;

// Binary operators by precedence; 0 for tokens that are none.
int precedence(const Token &t) {
    if (t.kind != TK_PUNCT)
        return 0;
    switch (t.punct) {
    case '*': case '/': case '%': return 10;
    case '+': case '-': return 9;
    case P_SHL: case P_SHR: return 8;
    case '<': case '>': case P_LE: case P_GE: return 7;
    case P_EQ: case P_NE: return 6;
    case '&': return 5;
    case '^': return 4;
    case '|': return 3;
    case P_ANDAND: return 2;
    case P_OROR: return 1;
    default: return 0;
    }
}

} // namespace

// An expression already reported while its macros were expanded (a call
// cut off by the end of the line, say) is not reported again as malformed.
void Evaluator::fail() {
    if (!failed_ && get_error_count() == errors_before_)
        report(where_.file, where_.line, 1029, directive_);
    failed_ = true;
}

bool Evaluator::run(PPValue &result) {
    advance();
    if (tok_.kind == TK_EOD) {
        fail();
    } else {
        result = comma(true);
        if (!failed_ && tok_.kind != TK_EOD)
            fail();
    }
    while (tok_.kind != TK_EOD)
        advance();
    return !failed_;
}

bool Evaluator::enter_nesting() {
    if (++depth_ <= MAX_EXPRESSION_NESTING)
        return true;
    if (!failed_) {
        std::string text = std::string("expression in '") + directive_ + "' nested more than " +
                           std::to_string(MAX_EXPRESSION_NESTING) + " levels deep";
        report(where_.file, where_.line, 1000, text.c_str());
    }
    failed_ = true;
    return false;
}

PPValue Evaluator::comma(bool live) {
    PPValue v = conditional(live);
    while (!failed_ && tok_.is_punct(',')) {
        advance();
        v = conditional(live);
    }
    return v;
}

PPValue Evaluator::conditional(bool live) {
    PPValue c = binary(1, live);
    if (failed_ || !tok_.is_punct('?'))
        return c;
    if (!enter_nesting())
        return c;
    advance();
    bool take_first = c.value != 0;
    PPValue a = comma(live && take_first);
    if (failed_)
        return a;
    if (!tok_.is_punct(':')) {
        fail();
        return a;
    }
    advance();
    PPValue b = conditional(live && !take_first);
    --depth_;
    PPValue r = take_first ? a : b;
    r.is_unsigned = a.is_unsigned || b.is_unsigned;
    return r;
}

PPValue Evaluator::binary(int min_prec, bool live) {
    PPValue lhs = unary(live);
    for (;;) {
        if (failed_)
            return lhs;
        int prec = precedence(tok_);
        if (prec < min_prec || prec == 0)
            return lhs;
        unsigned op = tok_.punct;
        advance();
        bool rhs_live = live;
        if (op == P_ANDAND)
            rhs_live = live && lhs.value != 0;
        else if (op == P_OROR)
            rhs_live = live && lhs.value == 0;
        PPValue rhs = binary(prec + 1, rhs_live);
        if (failed_)
            return lhs;
        lhs = apply(op, lhs, rhs, live && rhs_live);
    }
}

PPValue Evaluator::apply(unsigned op, PPValue a, PPValue b, bool live) {
    bool uns = a.is_unsigned || b.is_unsigned;
    PPValue r;
    r.is_unsigned = uns;
    switch (op) {
    case '*': r.value = static_cast<int64_t>(u(a) * u(b)); break;
    case '+': r.value = static_cast<int64_t>(u(a) + u(b)); break;
    case '-': r.value = static_cast<int64_t>(u(a) - u(b)); break;
    case '/':
    case '%':
        if (b.value == 0) {
            if (live && !failed_) {
                report(where_.file, where_.line, 1104);
                failed_ = true;
            }
            r.value = 0;
        } else if (uns) {
            r.value = static_cast<int64_t>(op == '/' ? u(a) / u(b) : u(a) % u(b));
        } else if (b.value == -1) {
            // Avoids the one quotient that does not fit.
            r.value = op == '/' ? static_cast<int64_t>(0 - u(a)) : 0;
        } else {
            r.value = op == '/' ? a.value / b.value : a.value % b.value;
        }
        break;
    case P_SHL:
    case P_SHR: {
        r.is_unsigned = a.is_unsigned;
        bool left = op == P_SHL;
        uint64_t count = u(b);
        if (!b.is_unsigned && b.value < 0) {
            left = !left;
            count = 0 - count;
        }
        if (left)
            r.value = count >= 64 ? 0 : static_cast<int64_t>(u(a) << count);
        else if (a.is_unsigned)
            r.value = count >= 64 ? 0 : static_cast<int64_t>(u(a) >> count);
        else
            r.value = count >= 64 ? (a.value < 0 ? -1 : 0) : a.value >> count;
        break;
    }
    case '<': return make_bool(uns ? u(a) < u(b) : a.value < b.value);
    case '>': return make_bool(uns ? u(a) > u(b) : a.value > b.value);
    case P_LE: return make_bool(uns ? u(a) <= u(b) : a.value <= b.value);
    case P_GE: return make_bool(uns ? u(a) >= u(b) : a.value >= b.value);
    case P_EQ: return make_bool(a.value == b.value);
    case P_NE: return make_bool(a.value != b.value);
    case '&': r.value = static_cast<int64_t>(u(a) & u(b)); break;
    case '^': r.value = static_cast<int64_t>(u(a) ^ u(b)); break;
    case '|': r.value = static_cast<int64_t>(u(a) | u(b)); break;
    case P_ANDAND: return make_bool(a.value != 0 && b.value != 0);
    case P_OROR: return make_bool(a.value != 0 || b.value != 0);
    default: break;
    }
    return r;
}

PPValue Evaluator::unary(bool live) {
    if (tok_.kind == TK_PUNCT) {
        unsigned op = tok_.punct;
        if (op == '+' || op == '-' || op == '~' || op == '!') {
            if (!enter_nesting())
                return PPValue{};
            advance();
            PPValue v = unary(live);
            --depth_;
            switch (op) {
            case '-': v.value = static_cast<int64_t>(0 - u(v)); break;
            case '~': v.value = ~v.value; break;
            case '!': return make_bool(v.value == 0);
            default: break;
            }
            return v;
        }
    }
    return primary(live);
}

PPValue Evaluator::primary(bool live) {
    PPValue v;
    switch (tok_.kind) {
    case TK_PUNCT:
        if (tok_.punct == '(') {
            if (!enter_nesting())
                return v;
            advance();
            v = comma(live);
            --depth_;
            if (failed_)
                return v;
            if (!tok_.is_punct(')')) {
                fail();
                return v;
            }
            advance();
            return v;
        }
        break;
    case TK_NUMBER:
        v = number();
        advance();
        return v;
    case TK_CHAR:
        v = character();
        advance();
        return v;
    case TK_IDENT:
        if (tok_.len == 7 && memcmp(tok_.text, "defined", 7) == 0)
            v = defined_operator();
        if (!failed_)
            advance();
        // Any other identifier left after expansion counts as 0.
        return v;
    default:
        break;
    }
    fail();
    return v;
}

PPValue Evaluator::defined_operator() {
    Token t;
    tokens_.next(t, false);
    bool paren = t.is_punct('(');
    if (paren)
        tokens_.next(t, false);
    if (t.kind != TK_IDENT) {
        if (!failed_)
            report(where_.file, where_.line, 1030, "'defined'");
        failed_ = true;
        tok_ = t;
        return PPValue{};
    }
    PPValue v = make_bool(t.ident->macro != nullptr);
    if (paren) {
        Token close;
        tokens_.next(close, false);
        if (!close.is_punct(')')) {
            if (!failed_)
                report(where_.file, where_.line, 1031, ')');
            failed_ = true;
            tok_ = close;
        }
    }
    return v;
}

PPValue Evaluator::number() {
    const char *p = tok_.text, *end = tok_.text + tok_.len;
    unsigned base = 10;
    if (p[0] == '0' && p + 1 < end && (p[1] == 'x' || p[1] == 'X')) {
        base = 16;
        p += 2;
    } else if (p[0] == '0' && p + 1 < end && (p[1] == 'b' || p[1] == 'B')) {
        base = 2;
        p += 2;
    } else if (p[0] == '0') {
        base = 8;
    }
    const char *digits = p;
    uint64_t value = 0;
    bool overflow = false;
    for (; p < end; ++p) {
        unsigned d;
        char c = *p;
        if (c >= '0' && c <= '9') d = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') d = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') d = static_cast<unsigned>(c - 'A' + 10);
        else break;
        if (d >= base)
            break;
        if (value > (UINT64_MAX - d) / base)
            overflow = true;
        value = value * base + d;
    }
    if (p == digits && base != 8) {
        fail();
        return PPValue{};
    }
    bool is_unsigned = false;
    int longs = 0;
    for (; p < end; ++p) {
        char c = *p;
        if ((c == 'u' || c == 'U') && !is_unsigned)
            is_unsigned = true;
        else if ((c == 'l' || c == 'L') && longs < 2)
            ++longs;
        else
            break;
    }
    if (p != end || overflow) {
        fail();
        return PPValue{};
    }
    // A constant too large for the signed type becomes unsigned.
    if (value > static_cast<uint64_t>(INT64_MAX))
        is_unsigned = true;
    return PPValue{static_cast<int64_t>(value), is_unsigned};
}

PPValue Evaluator::character() {
    const char *p = tok_.text;
    const char *end = tok_.text + tok_.len;
    if (*p == 'L')
        ++p;
    ++p; // the opening quote
    if (end - p < 2 || end[-1] != '\'' || p == end - 1) {
        fail();
        return PPValue{};
    }
    --end; // the closing quote
    unsigned value;
    if (*p != '\\') {
        value = static_cast<unsigned char>(*p);
    } else {
        ++p;
        char c = p < end ? *p : '\0';
        switch (c) {
        case 'n': value = '\n'; break;
        case 't': value = '\t'; break;
        case 'r': value = '\r'; break;
        case 'b': value = '\b'; break;
        case 'f': value = '\f'; break;
        case 'a': value = '\a'; break;
        case 'v': value = '\v'; break;
        case '\\': case '\'': case '"': case '?': value = static_cast<unsigned char>(c); break;
        case 'x': {
            value = 0;
            for (++p; p < end && isxdigit(static_cast<unsigned char>(*p)); ++p)
                value = value * 16 + static_cast<unsigned>(isdigit(static_cast<unsigned char>(*p)) ? *p - '0' : (*p | 0x20) - 'a' + 10);
            value &= 0xff;
            break;
        }
        default:
            if (c >= '0' && c <= '7') {
                value = 0;
                for (int n = 0; n < 3 && p < end && *p >= '0' && *p <= '7'; ++n, ++p)
                    value = value * 8 + static_cast<unsigned>(*p - '0');
                value &= 0xff;
            } else {
                fail();
                return PPValue{};
            }
        }
    }
    return make_signed(value);
}

bool evaluate_expression(ExprTokens &tokens, const char *directive, const Token &where, PPValue &result) {
    result = PPValue{};
    return Evaluator(tokens, directive, where).run(result);
}

} // namespace vexpp

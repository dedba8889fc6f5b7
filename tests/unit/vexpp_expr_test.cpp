// The #if evaluator over tokens lexed from text, without macro expansion.
#include <gtest/gtest.h>
#include <string>
#include "driver/diag.h"
#include "vexpp/expr.h"
#include "vexpp/ident.h"
#include "vexpp/lexer.h"
#include "vexpp/macro.h"
#include "vexpp/source_file.h"

using namespace vexpp;

namespace {

class TextTokens : public ExprTokens {
public:
    TextTokens(const std::string &text, IdentTable &idents) {
        buffer_from_text(text, buffer_);
        lexer_ = std::make_unique<Lexer>(buffer_, idents, 0);
    }
    void next(Token &t, bool) override {
        if (!done_) {
            lexer_->lex(t);
            if (t.kind != TK_NEWLINE && t.kind != TK_EOF)
                return;
            done_ = true;
        }
        t = Token{};
        t.kind = TK_EOD;
    }

private:
    SourceBuffer buffer_;
    std::unique_ptr<Lexer> lexer_;
    bool done_ = false;
};

struct Outcome {
    bool ok;
    PPValue value;
    unsigned errors; // diagnostics posted
};

Outcome evaluate(const std::string &text) {
    static IdentTable idents;
    static Macro defined_macro;
    idents.intern("DEFINED")->macro = &defined_macro;
    TextTokens tokens(text, idents);
    Token where;
    // Every malformed case posts an error; the limit must not end the run.
    maxerror = UINT32_MAX;
    unsigned before = get_error_count();
    Outcome o;
    o.ok = evaluate_expression(tokens, "#if", where, o.value);
    o.errors = get_error_count() - before;
    return o;
}

struct ValueCase {
    const char *text;
    int64_t value;
    bool is_unsigned;
};

class ExprValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ExprValue, Evaluates) {
    const ValueCase &c = GetParam();
    Outcome o = evaluate(c.text);
    EXPECT_TRUE(o.ok) << c.text;
    EXPECT_EQ(o.errors, 0u) << c.text;
    EXPECT_EQ(o.value.value, c.value) << c.text;
    EXPECT_EQ(o.value.is_unsigned, c.is_unsigned) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ExprValue,
    ::testing::Values(ValueCase{"1 + 2 * 3", 7, false}, ValueCase{"(1 + 2) * 3", 9, false},
                      ValueCase{"10 - 4 - 3", 3, false}, ValueCase{"-7 / 2", -3, false}, ValueCase{"-7 % 2", -1, false},
                      ValueCase{"0x7fffffffffffffff + 1", INT64_MIN, false},
                      ValueCase{"-9223372036854775807 - 1", INT64_MIN, false},
                      ValueCase{"(-9223372036854775807 - 1) / -1", INT64_MIN, false},
                      ValueCase{"(-9223372036854775807 - 1) % -1", 0, false}, ValueCase{"~0", -1, false},
                      ValueCase{"!5", 0, false}, ValueCase{"- - 3", 3, false}, ValueCase{"+3", 3, false}));

INSTANTIATE_TEST_SUITE_P(
    Constants, ExprValue,
    ::testing::Values(ValueCase{"0x1F", 31, false}, ValueCase{"017", 15, false}, ValueCase{"0b101", 5, false},
                      ValueCase{"0", 0, false}, ValueCase{"10u", 10, true}, ValueCase{"10UL", 10, true},
                      ValueCase{"10lu", 10, true}, ValueCase{"10LL", 10, false},
                      ValueCase{"18446744073709551615", -1, true}, ValueCase{"'a'", 97, false},
                      ValueCase{"'\\0'", 0, false}, ValueCase{"'\\377'", 255, false}, ValueCase{"'\\xff'", 255, false},
                      ValueCase{"'\\''", 39, false}, ValueCase{"L'A'", 65, false}, ValueCase{"'ab'", 97, false}));

INSTANTIATE_TEST_SUITE_P(
    Conversions, ExprValue,
    ::testing::Values(ValueCase{"-1 < 0", 1, false}, ValueCase{"-1 < 0u", 0, false}, ValueCase{"-1 > 0u", 1, false},
                      ValueCase{"1u - 2", -1, true}, ValueCase{"-1 / 2u", INT64_MAX, true},
                      ValueCase{"1 ? -1 : 0u", -1, true}, ValueCase{"0 ? 1 : 2", 2, false},
                      ValueCase{"1 ? 2 : 3 ? 4 : 5", 2, false}, ValueCase{"-1 >> 1", -1, false},
                      ValueCase{"-1u >> 63", 1, true}, ValueCase{"1 << 63 >> 63", -1, false},
                      ValueCase{"1 << 64", 0, false}, ValueCase{"1 << -1", 0, false}, ValueCase{"8 >> -1", 16, false},
                      ValueCase{"-8 >> 100", -1, false}, ValueCase{"3 == 3u", 1, false}));

INSTANTIATE_TEST_SUITE_P(
    LogicAndNames, ExprValue,
    ::testing::Values(ValueCase{"1 && 2", 1, false}, ValueCase{"0 || 0", 0, false}, ValueCase{"0 && 1 / 0", 0, false},
                      ValueCase{"1 || 1 / 0", 1, false}, ValueCase{"0 ? 1 / 0 : 4", 4, false},
                      ValueCase{"1 ? 4 : 1 % 0", 4, false}, ValueCase{"(0 && (1 / 0)) + 2", 2, false},
                      ValueCase{"defined DEFINED", 1, false}, ValueCase{"defined(DEFINED)", 1, false},
                      ValueCase{"defined ( UNDEFINED )", 0, false}, ValueCase{"UNDEFINED + 5", 5, false},
                      ValueCase{"1 | 2 ^ 3 & 4", 3, false}, ValueCase{"1 < 2 == 1", 1, false}, ValueCase{"(1, 2)", 2, false},
                      ValueCase{"5 >= 5 && 4 <= 3 || 2 != 2", 0, false}));

class ExprError : public ::testing::TestWithParam<const char *> {};

// One diagnostic however the expression is malformed, and the result false.
TEST_P(ExprError, ReportsOnce) {
    Outcome o = evaluate(GetParam());
    EXPECT_FALSE(o.ok) << GetParam();
    EXPECT_EQ(o.errors, 1u) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Malformed, ExprError,
                         ::testing::Values("", "1 +", "(1", "1)", "1 2", "1 ? 2", "1.0", "\"s\"", "0x", "08",
                                           "1e5", "12abc", "''", "'\\q'", "99999999999999999999", "defined",
                                           "defined(", "defined(X", "defined 3", "1 / 0", "5 % (2 - 2)",
                                           "0 || 1 / 0", "1 ? 1 / 0 : 0", "+", "== 1"));

} // namespace

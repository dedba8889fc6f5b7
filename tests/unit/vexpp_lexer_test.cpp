// The tokenizer: token kinds and spellings, punctuators, comments and the
// physical line of every token across splices.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "vexpp/ident.h"
#include "vexpp/lexer.h"
#include "vexpp/source_file.h"

using namespace vexpp;

namespace {

struct Lexed {
    TokenKind kind;
    std::string text;
    uint32_t line;
    bool white;
};

std::vector<Lexed> lex_all(const std::string &text) {
    static IdentTable idents;
    SourceBuffer buffer;
    buffer_from_text(text, buffer);
    Lexer lexer(buffer, idents, 0);
    std::vector<Lexed> out;
    for (Token t; lexer.lex(t), t.kind != TK_EOF;)
        if (t.kind != TK_NEWLINE)
            out.push_back({t.kind, std::string(t.text, t.len), t.line, (t.flags & TF_PREV_WHITE) != 0});
    return out;
}

std::string spellings(const std::string &text) {
    std::string joined;
    for (const Lexed &l : lex_all(text))
        joined += (joined.empty() ? "" : "|") + l.text;
    return joined;
}

struct SpellingCase {
    const char *input;
    const char *tokens;
};

class LexerSpelling : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(LexerSpelling, SplitsAsC) { EXPECT_EQ(spellings(GetParam().input), GetParam().tokens) << GetParam().input; }

INSTANTIATE_TEST_SUITE_P(
    Tokens, LexerSpelling,
    ::testing::Values(SpellingCase{"a+++++b", "a|++|++|+|b"}, SpellingCase{"x<<=y>>=z", "x|<<=|y|>>=|z"},
                      SpellingCase{"p->q...r", "p|->|q|...|r"}, SpellingCase{"a..b", "a|.|.|b"},
                      SpellingCase{"1.5e+3f .5 0x1p-2 1e", "1.5e+3f|.5|0x1p-2|1e"},
                      SpellingCase{"12ab_3.x", "12ab_3.x"}, SpellingCase{"L'a' L\"s\" La", "L'a'|L\"s\"|La"},
                      SpellingCase{"\"a\\\"b\" 'c\\''", "\"a\\\"b\"|'c\\''"}, SpellingCase{"# ## #x", "#|##|#|x"},
                      SpellingCase{"<: :> <% %> %: %:%:", "[|]|{|}|#|##"}, SpellingCase{"a/**/b//c\nd", "a|b|d"},
                      SpellingCase{"a/*\n*/b", "a|b"}, SpellingCase{"@ $ `", "@|$|`"},
                      SpellingCase{"\"unterminated\nnext", "\"unterminated|next"},
                      SpellingCase{"ab\\\ncd", "abcd"}, SpellingCase{"a\\\r\nb", "ab"}));

TEST(Lexer, TokensKeepTheirPhysicalLines) {
    std::vector<Lexed> t = lex_all("one\ntwo /* a\nb */ three\nfo\\\nur five\\\n\n six\n");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].line, 1u);
    EXPECT_EQ(t[1].line, 2u);
    EXPECT_EQ(t[2].text, "three");
    EXPECT_EQ(t[2].line, 3u);
    EXPECT_TRUE(t[2].white);
    EXPECT_EQ(t[3].text, "four");
    EXPECT_EQ(t[3].line, 4u);
    EXPECT_EQ(t[4].text, "five");
    EXPECT_EQ(t[4].line, 5u);
    EXPECT_EQ(t[5].text, "six");
    EXPECT_EQ(t[5].line, 7u);
}

TEST(Lexer, KindsAndInterning) {
    std::vector<Lexed> t = lex_all("name 42 'c' \"s\" + \\");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].kind, TK_IDENT);
    EXPECT_EQ(t[1].kind, TK_NUMBER);
    EXPECT_EQ(t[2].kind, TK_CHAR);
    EXPECT_EQ(t[3].kind, TK_STRING);
    EXPECT_EQ(t[4].kind, TK_PUNCT);
    EXPECT_EQ(t[5].kind, TK_OTHER);
    IdentTable idents;
    EXPECT_EQ(idents.intern("abc"), idents.intern("abc", 3));
    EXPECT_NE(idents.intern("abc"), idents.intern("abd"));
    for (int i = 0; i < 10000; ++i)
        idents.intern(("n" + std::to_string(i)).c_str());
    EXPECT_STREQ(idents.intern("n9999")->name, "n9999");
    EXPECT_EQ(idents.intern("abc")->len, 3u);
}

TEST(Lexer, AngledHeaderName) {
    IdentTable idents;
    SourceBuffer buffer;
    buffer_from_text(" <sys/a b.h> x\n <open\n", buffer);
    Lexer lexer(buffer, idents, 0);
    const char *name;
    uint32_t len;
    bool closed;
    ASSERT_TRUE(lexer.lex_angled_header(name, len, closed));
    EXPECT_TRUE(closed);
    EXPECT_EQ(std::string(name, len), "sys/a b.h");
    Token t;
    lexer.lex(t);
    EXPECT_EQ(std::string(t.text, t.len), "x");
    lexer.lex(t);
    EXPECT_EQ(t.kind, TK_NEWLINE);
    ASSERT_TRUE(lexer.lex_angled_header(name, len, closed));
    EXPECT_FALSE(closed);
    EXPECT_EQ(std::string(name, len), "open");
}

} // namespace

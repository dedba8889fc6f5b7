// The scanner on its own: the line and file macros, labels only inside
// assembly blocks, and the positions across odd characters and tabs.
#include "frontend/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/diag.h"
#include "frontend/parser.h"
#include "support/position.h"

namespace {

struct scanned {
    int token;
    std::string text; // name or string bytes
    int line;
};

// Scans `source` from line 1 to the end.
std::vector<scanned> scan(const char *source)
{
    yyinitparse();
    lex_scan_string(source);
    yylineno = 1;
    std::vector<scanned> tokens;
    for (int token; (token = yylex()) != 0;) {
        token_value &v = lex_value();
        scanned s{token, "", lex_location().first_line};
        if (token == TK_STRING)
            s.text.assign(v.bytes, v.count);
        else if (token >= TK_IDENTIFIER && token != TK_STRING && v.name && token != TK_PRAGMA)
            s.text = v.name;
        token_value_free(token, &v);
        tokens.push_back(s);
    }
    yyuninitparse();
    return tokens;
}

std::vector<int> codes(const std::vector<scanned> &tokens)
{
    std::vector<int> result;
    for (const scanned &s : tokens)
        result.push_back(s.token);
    return result;
}

TEST(FrontendLexer, LineMacroIsTheCurrentLine)
{
    yyinitparse();
    lex_scan_string("\n\n  __LINE__");
    yylineno = 1;
    EXPECT_EQ(yylex(), TK_CONSTANT);
    EXPECT_EQ(lex_value().constant.type, CT_SCHAR);
    EXPECT_EQ(lex_value().constant.value, 3u);
    EXPECT_EQ(yylex(), 0);
    yyuninitparse();
}

TEST(FrontendLexer, FileMacroIsTheCurrentFileName)
{
    snprintf(yyfilename, sizeof yyfilename, "%s", "src/main.c");
    auto tokens = scan("__FILE__");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].text, "src/main.c");
}

TEST(FrontendLexer, LabelsOnlyInsideAssemblyBlocks)
{
    auto outside = scan("label: x");
    std::vector<int> want_outside = {259, ':', 259};
    EXPECT_EQ(codes(outside), want_outside);
    EXPECT_EQ(outside[0].text, "label");

    auto inside = scan("_asm loop: movlw 5 goto loop return _endasm return");
    std::vector<int> want_inside = {900, 903, 902, 257, 902, 259, 902, 901, 314};
    EXPECT_EQ(codes(inside), want_inside);
    EXPECT_EQ(inside[1].text, "loop");
    EXPECT_EQ(inside[2].text, "movlw");
}

TEST(FrontendLexer, HashInMidLineIsSkipped)
{
    auto tokens = scan("x # pragma list\n   #  pragma nolist\ny");
    // The first "#" is not at the start of a line: it is skipped and
    // "pragma" and "list" are plain identifiers.
    std::vector<int> want = {259, 259, 259, 259};
    EXPECT_EQ(codes(tokens), want);
    EXPECT_EQ(tokens[3].text, "y");
    EXPECT_EQ(tokens[3].line, 3);
}

TEST(FrontendLexer, TabsAdvanceColumnsToMultiplesOfFour)
{
    yyinitparse();
    lex_scan_string("abcde\tx\n\ty");
    ASSERT_EQ(yylex(), TK_IDENTIFIER);
    free(lex_value().name);
    EXPECT_EQ(yycolumn, 5);
    ASSERT_EQ(yylex(), TK_IDENTIFIER);
    free(lex_value().name);
    EXPECT_EQ(yycolumn, 9); // the tab at 5 moved to 8, then "x"
    ASSERT_EQ(yylex(), TK_IDENTIFIER);
    free(lex_value().name);
    EXPECT_EQ(yycolumn, 5);
    yyuninitparse();
}

TEST(FrontendLexer, LinesCountNewlinesAndOtherCharactersAreSkipped)
{
    auto tokens = scan("a\r\n\v\fb\n@\nc`");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].line, 1);
    EXPECT_EQ(tokens[1].line, 2);
    EXPECT_EQ(tokens[2].line, 4);
}

} // namespace

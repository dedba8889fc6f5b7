// The scanner on its own: token codes, classification of identifiers,
// positions, columns, and the values that tokens carry.
#include "frontend/lexer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "frontend/ast.h"
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

TEST(FrontendLexer, OperatorsAndPunctuation)
{
    auto tokens = scan("-> ++ -- << >> <= >= == != && || *= /= %= += -= <<= >>= &= ^= |= ... :: "
                       "; { } , : = ( ) [ ] . & ! ~ - + * / % < > ^ | ? $");
    std::vector<int> want = {262, 263, 264, 265, 266, 267, 268, 269, 270, 271, 272, 273, 274, 275, 276, 277,
                             278, 279, 280, 281, 282, 303, 701, ';', '{', '}', ',', ':', '=', '(', ')', '[',
                             ']', '.', '&', '!', '~', '-', '+', '*', '/', '%', '<', '>', '^', '|', '?', '$'};
    EXPECT_EQ(codes(tokens), want);
}

TEST(FrontendLexer, KeywordsTargetWordsAndBuiltins)
{
    struct {
        const char *text;
        int token;
    } cases[] = {
        {"auto", 287},     {"break", 313},   {"case", 304},    {"char", 289},     {"const", 297},
        {"continue", 312}, {"default", 305}, {"do", 309},      {"double", 296},   {"else", 315},
        {"enum", 302},     {"extern", 285},  {"far", 807},     {"float", 295},    {"for", 310},
        {"goto", 311},     {"if", 306},      {"int", 291},     {"long", 292},     {"near", 806},
        {"overlay", 316},  {"ram", 808},     {"register", 288}, {"return", 314},  {"rom", 809},
        {"short", 290},    {"signed", 293},  {"sizeof", 261},  {"static", 286},   {"struct", 300},
        {"switch", 307},   {"typedef", 284}, {"union", 301},   {"unsigned", 294}, {"void", 299},
        {"volatile", 298}, {"while", 308},   {"__builtin_enum_label", 2001}, {"__builtin_ittype", 2002},
        {"_asm", 900},     {"_endasm", 901}, {"Int", 259},     {"nearby", 259},
    };
    for (const auto &c : cases) {
        auto tokens = scan(c.text);
        ASSERT_EQ(tokens.size(), 1u) << c.text;
        EXPECT_EQ(tokens[0].token, c.token) << c.text;
    }
    EXPECT_EQ(getBuiltinInfo("__builtin_ittype")->token, 2002);
    EXPECT_EQ(getBuiltinInfo("__builtin_other"), nullptr);
}

TEST(FrontendLexer, ConstantsAndStrings)
{
    auto tokens = scan("200 0xC8 'a' 1.5 \"a\\tb\" L\"w\" __FILE__");
    std::vector<int> want = {257, 257, 257, 258, 260, 259, 260, 260};
    EXPECT_EQ(codes(tokens), want);
    EXPECT_EQ(tokens[4].text, "a\tb");
    EXPECT_EQ(tokens[5].text, "L");
    EXPECT_EQ(tokens[6].text, "w");
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

TEST(FrontendLexer, TypedefNamesComeFromTheScopes)
{
    yyinitparse();
    typehl *type = new_typehl();
    typehl_append(type, new_typenodehl(TN_INT));
    s_declare_typedef("byte", type);
    typehl_free(type);
    lex_scan_string("byte word");
    EXPECT_EQ(yylex(), TK_TYPEDEF_NAME);
    ASSERT_NE(lex_value().type, nullptr);
    EXPECT_EQ(lex_value().type->head->kind, TN_INT);
    free(lex_value().name);
    EXPECT_EQ(yylex(), TK_IDENTIFIER);
    free(lex_value().name);
    yyuninitparse();
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

TEST(FrontendLexer, MnemonicsCarryTheirPosition)
{
    snprintf(yyfilename, sizeof yyfilename, "%s", "isr.c");
    yyinitparse();
    lex_scan_string("_asm\n  NOP\n_endasm");
    yylineno = 10;
    EXPECT_EQ(yylex(), TK_ASM);
    EXPECT_EQ(yylex(), TK_MNEMONIC);
    EXPECT_STREQ(lex_value().name, "NOP");
    EXPECT_EQ(lex_value().line, 11);
    EXPECT_STREQ(lex_value().file, "isr.c");
    token_value_free(TK_MNEMONIC, &lex_value());
    EXPECT_EQ(yylex(), TK_ENDASM);
    yyuninitparse();
}

} // namespace

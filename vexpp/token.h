// Preprocessing tokens.  A token's spelling points into a file buffer or the
// run's arena; both live until the end of the run, so tokens are copied
// freely by value.
#pragma once
#include <cstdint>

namespace vexpp {

struct Ident;

enum TokenKind : uint8_t {
    TK_EOF,        // end of the main input
    TK_EOD,        // end of a directive line, or of an argument being pre-expanded
    TK_NEWLINE,
    TK_IDENT,
    TK_NUMBER,
    TK_CHAR,
    TK_STRING,
    TK_PUNCT,
    TK_OTHER,      // a character that begins no other token
    TK_MACRO_ARG,  // inside a replacement list: a parameter, `punct` is its index
    TK_PLACEMARKER // an empty operand of ##
};

enum TokenFlag : uint8_t {
    TF_PREV_WHITE = 1, // white space (or a comment) came before the token
    TF_BOL = 2,        // first token of a physical line
    TF_NO_EXPAND = 4,  // a macro name met inside its own expansion: never expands again
    TF_STRINGIFY = 8,  // replacement list: the parameter is the operand of #
    TF_PASTE_LEFT = 16 // replacement list: the token is the left operand of ##
};

// Multi-character punctuators; a single-character punctuator is its own
// character code.
enum Punct : uint16_t {
    P_ARROW = 256, P_INC, P_DEC, P_SHL, P_SHR, P_LE, P_GE, P_EQ, P_NE, P_ANDAND, P_OROR,
    P_MULEQ, P_DIVEQ, P_MODEQ, P_ADDEQ, P_SUBEQ, P_SHLEQ, P_SHREQ, P_ANDEQ, P_XOREQ, P_OREQ,
    P_ELLIPSIS, P_HASHHASH
};

struct Token {
    const char *text = nullptr;
    uint32_t len = 0;
    TokenKind kind = TK_EOF;
    uint8_t flags = 0;
    uint16_t punct = 0; // punctuator code, or the parameter index of TK_MACRO_ARG
    Ident *ident = nullptr;
    uint32_t line = 0; // presumed line
    uint32_t file = 0; // presumed file, an index into the file-name table

    bool is_punct(unsigned p) const { return kind == TK_PUNCT && punct == p; }
};

} // namespace vexpp

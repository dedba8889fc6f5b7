#include "vexpp/lexer.h"
#include <cstring>
#include "vexpp/report.h"

namespace vexpp {

namespace {

enum : uint8_t { C_ID = 1, C_DIGIT = 2, C_SPACE = 4 };

struct CharClasses {
    uint8_t table[256] = {};
    constexpr CharClasses() {
        for (int c = 'a'; c <= 'z'; ++c)
            table[c] = C_ID;
        for (int c = 'A'; c <= 'Z'; ++c)
            table[c] = C_ID;
        table['_'] = C_ID;
        for (int c = '0'; c <= '9'; ++c)
            table[c] = C_ID | C_DIGIT;
        table[' '] = table['\t'] = table['\r'] = table['\f'] = table['\v'] = C_SPACE;
    }
};
constexpr CharClasses classes;

inline bool is_id(char c) { return classes.table[static_cast<unsigned char>(c)] & C_ID; }
inline bool is_digit(char c) { return classes.table[static_cast<unsigned char>(c)] & C_DIGIT; }
inline bool is_space(char c) { return classes.table[static_cast<unsigned char>(c)] & C_SPACE; }

} // namespace

Lexer::Lexer(const SourceBuffer &buffer, IdentTable &idents, uint32_t file)
    : base_(buffer.data.get()), cur_(base_), end_(base_ + buffer.size), splice_(buffer.splices.data()),
      splice_end_(buffer.splices.data() + buffer.splices.size()), idents_(idents), file_(file) {}

Lexer::Lexer(const char *text, size_t len, IdentTable &idents, uint32_t file)
    : base_(text), cur_(text), end_(text + len), splice_(nullptr), splice_end_(nullptr), idents_(idents),
      file_(file) {}

void Lexer::set_presumed(uint32_t next_line, uint32_t file) {
    line_delta_ = static_cast<int64_t>(next_line) - physical_line_;
    file_ = file;
}

inline void Lexer::catch_up_splices(const char *p) {
    uint32_t offset = static_cast<uint32_t>(p - base_);
    while (splice_ != splice_end_ && *splice_ <= offset) {
        ++physical_line_;
        ++splice_;
    }
}

const char *Lexer::skip_block_comment(const char *p) {
    uint32_t start_line = line();
    for (p += 2; p < end_; ++p) {
        if (*p == '\n')
            ++physical_line_;
        else if (*p == '*' && p[1] == '/')
            return p + 2;
    }
    report(file_, start_line, 1021);
    return end_;
}

void Lexer::lex(Token &t) {
    uint8_t flags = bol_ ? TF_BOL : 0;
    const char *p = cur_;
    for (;;) {
        if (is_space(*p)) {
            ++p;
            flags |= TF_PREV_WHITE;
        } else if (*p == '/' && p[1] == '*') {
            catch_up_splices(p);
            p = skip_block_comment(p);
            flags |= TF_PREV_WHITE;
        } else if (*p == '/' && p[1] == '/') {
            while (p < end_ && *p != '\n')
                ++p;
            flags |= TF_PREV_WHITE;
        } else {
            break;
        }
    }
    catch_up_splices(p);
    t.flags = flags;
    t.line = static_cast<uint32_t>(physical_line_ + line_delta_);
    t.file = file_;
    t.text = p;
    t.ident = nullptr;
    t.punct = 0;
    bol_ = false;
    char c = *p;
    if (is_id(c) && !is_digit(c)) {
        if (c == 'L' && (p[1] == '\'' || p[1] == '"')) {
            const char *e = scan_quoted(p + 1, p[1]);
            t.kind = p[1] == '"' ? TK_STRING : TK_CHAR;
            t.len = static_cast<uint32_t>(e - p);
            cur_ = e;
            return;
        }
        uint32_t h = 2166136261u;
        const char *s = p;
        do {
            h = (h ^ static_cast<unsigned char>(*p)) * 16777619u;
            ++p;
        } while (is_id(*p));
        t.kind = TK_IDENT;
        t.len = static_cast<uint32_t>(p - s);
        t.ident = idents_.intern(s, t.len, h);
        cur_ = p;
        return;
    }
    if (is_digit(c) || (c == '.' && is_digit(p[1]))) {
        lex_number(t, p);
        return;
    }
    switch (c) {
    case '\n':
        t.kind = TK_NEWLINE;
        t.len = 1;
        ++physical_line_;
        bol_ = true;
        cur_ = p + 1;
        return;
    case '"':
    case '\'': {
        const char *e = scan_quoted(p, c);
        t.kind = c == '"' ? TK_STRING : TK_CHAR;
        t.len = static_cast<uint32_t>(e - p);
        cur_ = e;
        return;
    }
    case '\0':
        if (p >= end_) {
            t.kind = TK_EOF;
            t.len = 0;
            bol_ = true;
            cur_ = p;
            return;
        }
        break;
    default:
        break;
    }
    lex_punct(t, p);
}

void Lexer::lex_number(Token &t, const char *p) {
    const char *s = p;
    for (;;) {
        char c = *p;
        if ((c == 'e' || c == 'E' || c == 'p' || c == 'P') && (p[1] == '+' || p[1] == '-'))
            p += 2;
        else if (is_id(c) || c == '.')
            ++p;
        else
            break;
    }
    t.kind = TK_NUMBER;
    t.len = static_cast<uint32_t>(p - s);
    cur_ = p;
}

// An unterminated literal ends at the end of its line; the compiler proper
// decides what to make of it.
const char *Lexer::scan_quoted(const char *p, char quote) {
    ++p;
    while (p < end_ && *p != '\n') {
        if (*p == quote)
            return p + 1;
        if (*p == '\\' && p + 1 < end_ && p[1] != '\n')
            ++p;
        ++p;
    }
    return p;
}

void Lexer::lex_punct(Token &t, const char *p) {
    char c = p[0], c1 = p[1], c2 = c1 ? p[2] : '\0';
    unsigned code = static_cast<unsigned char>(c);
    uint32_t len = 1;
    const char *canonical = nullptr; // the spelling a digraph stands for
    switch (c) {
    case '-':
        if (c1 == '>') code = P_ARROW, len = 2;
        else if (c1 == '-') code = P_DEC, len = 2;
        else if (c1 == '=') code = P_SUBEQ, len = 2;
        break;
    case '+':
        if (c1 == '+') code = P_INC, len = 2;
        else if (c1 == '=') code = P_ADDEQ, len = 2;
        break;
    case '<':
        if (c1 == '<') {
            if (c2 == '=') code = P_SHLEQ, len = 3;
            else code = P_SHL, len = 2;
        } else if (c1 == '=') code = P_LE, len = 2;
        else if (c1 == ':') code = '[', len = 2, canonical = "[";
        else if (c1 == '%') code = '{', len = 2, canonical = "{";
        break;
    case '>':
        if (c1 == '>') {
            if (c2 == '=') code = P_SHREQ, len = 3;
            else code = P_SHR, len = 2;
        } else if (c1 == '=') code = P_GE, len = 2;
        break;
    case '=':
        if (c1 == '=') code = P_EQ, len = 2;
        break;
    case '!':
        if (c1 == '=') code = P_NE, len = 2;
        break;
    case '&':
        if (c1 == '&') code = P_ANDAND, len = 2;
        else if (c1 == '=') code = P_ANDEQ, len = 2;
        break;
    case '|':
        if (c1 == '|') code = P_OROR, len = 2;
        else if (c1 == '=') code = P_OREQ, len = 2;
        break;
    case '*':
        if (c1 == '=') code = P_MULEQ, len = 2;
        break;
    case '/':
        if (c1 == '=') code = P_DIVEQ, len = 2;
        break;
    case '%':
        if (c1 == '=') code = P_MODEQ, len = 2;
        else if (c1 == '>') code = '}', len = 2, canonical = "}";
        else if (c1 == ':') {
            if (c2 == '%' && p[3] == ':') code = P_HASHHASH, len = 4, canonical = "##";
            else code = '#', len = 2, canonical = "#";
        }
        break;
    case '^':
        if (c1 == '=') code = P_XOREQ, len = 2;
        break;
    case '#':
        if (c1 == '#') code = P_HASHHASH, len = 2;
        break;
    case '.':
        if (c1 == '.' && c2 == '.') code = P_ELLIPSIS, len = 3;
        break;
    case ':':
        if (c1 == '>') code = ']', len = 2, canonical = "]";
        break;
    case '(': case ')': case '[': case ']': case '{': case '}': case ',': case ';': case '?': case '~':
        break;
    default:
        t.kind = TK_OTHER;
        t.len = 1;
        cur_ = p + 1;
        return;
    }
    t.kind = TK_PUNCT;
    t.punct = static_cast<uint16_t>(code);
    cur_ = p + len;
    if (canonical) {
        t.text = canonical;
        t.len = static_cast<uint32_t>(strlen(canonical));
    } else {
        t.len = len;
    }
}

void Lexer::skip_line() {
    const char *p = cur_;
    while (p < end_) {
        char c = *p;
        if (c == '\n') {
            ++p;
            ++physical_line_;
            break;
        }
        if (c == '/' && p[1] == '*') {
            catch_up_splices(p);
            p = skip_block_comment(p);
        } else if (c == '/' && p[1] == '/') {
            while (p < end_ && *p != '\n')
                ++p;
        } else if (c == '"' || c == '\'') {
            p = scan_quoted(p, c);
        } else {
            ++p;
        }
    }
    catch_up_splices(p);
    cur_ = p;
    bol_ = true;
}

bool Lexer::lex_angled_header(const char *&name, uint32_t &len, bool &closed) {
    const char *p = cur_;
    for (;;) {
        if (is_space(*p))
            ++p;
        else if (*p == '/' && p[1] == '*')
            p = skip_block_comment(p);
        else
            break;
    }
    if (*p != '<')
        return false;
    const char *s = ++p;
    while (p < end_ && *p != '>' && *p != '\n')
        ++p;
    name = s;
    len = static_cast<uint32_t>(p - s);
    closed = *p == '>';
    cur_ = closed ? p + 1 : p;
    return true;
}

} // namespace vexpp

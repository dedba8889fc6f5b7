// The tokenizer: turns a source buffer into preprocessing tokens, removing
// comments and counting physical lines.
#pragma once
#include <cstdint>
#include "vexpp/ident.h"
#include "vexpp/source_file.h"
#include "vexpp/token.h"

namespace vexpp {

class Lexer {
public:
    // `buffer` must outlive the lexer and every token it produces.
    Lexer(const SourceBuffer &buffer, IdentTable &idents, uint32_t file);
    // Lexes `len` characters of `text`, which must be followed by a zero byte.
    Lexer(const char *text, size_t len, IdentTable &idents, uint32_t file);

    void lex(Token &t);

    // Skips the rest of the current line, its newline included, without
    // making tokens: the fast path through groups that are skipped.
    void skip_line();

    // When the next token would begin with '<', scans a header name up to '>'
    // on the same line.  `closed` tells whether the '>' was found.
    bool lex_angled_header(const char *&name, uint32_t &len, bool &closed);

    bool at_end() const { return cur_ >= end_; }
    const char *position() const { return cur_; }

    // Presumed position, as changed by #line.
    uint32_t file() const { return file_; }
    uint32_t line() const { return physical_line_ + line_delta_; }
    void set_presumed(uint32_t next_line, uint32_t file);

private:
    const char *skip_block_comment(const char *p);
    void catch_up_splices(const char *p);
    void lex_number(Token &t, const char *p);
    const char *scan_quoted(const char *p, char quote);
    void lex_punct(Token &t, const char *p);

    const char *base_;
    const char *cur_;
    const char *end_;
    const uint32_t *splice_;
    const uint32_t *splice_end_;
    IdentTable &idents_;
    uint32_t physical_line_ = 1;
    int64_t line_delta_ = 0;
    uint32_t file_;
    bool bol_ = true;
};

} // namespace vexpp

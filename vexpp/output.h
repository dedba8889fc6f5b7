// The preprocessed text: tokens on their own source lines, with "#line"
// directives wherever the file changes or lines are left out, written
// through one large buffer.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include "vexpp/token.h"

namespace vexpp {

class Output {
public:
    explicit Output(FILE *stream) : stream_(stream) {}
    ~Output();

    void token(const Token &t);
    // Says at once that the text continues in `file` at `line`.
    void file_change(uint32_t line, uint32_t file);
    void pragma(uint32_t line, uint32_t file, const std::string &text);
    // Ends the last line and writes everything out; false on a write error.
    bool finish();

private:
    void sync(uint32_t line, uint32_t file);
    void marker(uint32_t line, uint32_t file);
    bool avoid_paste(const Token &t) const;
    void put(char c) {
        if (used_ == sizeof buffer_)
            flush();
        buffer_[used_++] = c;
    }
    void write(const char *text, size_t len);
    void flush();

    FILE *stream_;
    char buffer_[1 << 16];
    size_t used_ = 0;
    bool write_failed_ = false;
    uint32_t file_ = UINT32_MAX; // no line started yet
    uint32_t line_ = 0;
    bool bol_ = true;
    TokenKind prev_kind_ = TK_EOF;
    char prev_last_ = 0;
};

} // namespace vexpp

#include "vexpp/output.h"
#include <cstring>
#include "vexpp/report.h"

namespace vexpp {

namespace {
// Up to this many lines are bridged with empty lines rather than a directive.
constexpr uint32_t MAX_BLANK_LINES = 8;
} // namespace

Output::~Output() { flush(); }

void Output::flush() {
    if (used_ && fwrite(buffer_, 1, used_, stream_) != used_)
        write_failed_ = true;
    used_ = 0;
}

void Output::write(const char *text, size_t len) {
    if (len > sizeof buffer_ - used_) {
        flush();
        if (len > sizeof buffer_) {
            if (fwrite(text, 1, len, stream_) != len)
                write_failed_ = true;
            return;
        }
    }
    memcpy(buffer_ + used_, text, len);
    used_ += len;
}

void Output::marker(uint32_t line, uint32_t file) {
    if (!bol_)
        put('\n');
    const std::string &name = file_name(file);
    char number[16];
    int n = snprintf(number, sizeof number, "%u", line);
    write("#line ", 6);
    write(number, static_cast<size_t>(n));
    write(" \"", 2);
    write(name.data(), name.size());
    write("\"\n", 2);
    file_ = file;
    line_ = line;
    bol_ = true;
    prev_kind_ = TK_EOF;
}

void Output::sync(uint32_t line, uint32_t file) {
    if (file == file_ && line == line_)
        return;
    if (file != file_ || line < line_ || line - line_ > MAX_BLANK_LINES) {
        marker(line, file);
        return;
    }
    while (line_ < line) {
        put('\n');
        ++line_;
    }
    bol_ = true;
    prev_kind_ = TK_EOF;
}

void Output::file_change(uint32_t line, uint32_t file) { marker(line, file); }

// Whether writing `t` straight after the previous token would make the
// compiler read them as one token (or a comment).
bool Output::avoid_paste(const Token &t) const {
    char c = t.text[0];
    switch (prev_kind_) {
    case TK_IDENT:
        // L followed by a literal would make it a wide one.
        return t.kind == TK_IDENT || t.kind == TK_NUMBER ||
               ((t.kind == TK_CHAR || t.kind == TK_STRING) && prev_last_ == 'L');
    case TK_NUMBER:
        return t.kind == TK_IDENT || t.kind == TK_NUMBER || (t.kind == TK_PUNCT && (c == '.' || c == '+' || c == '-'));
    case TK_PUNCT:
        switch (prev_last_) {
        case '+': return c == '+' || c == '=';
        case '-': return c == '-' || c == '=' || c == '>';
        case '<': return c == '<' || c == '=' || c == ':' || c == '%';
        case '>': return c == '>' || c == '=';
        case '&': return c == '&' || c == '=';
        case '|': return c == '|' || c == '=';
        case '=': case '!': case '*': case '^': return c == '=';
        case '/': return c == '=' || c == '*' || c == '/';
        case '%': return c == '=' || c == '>' || c == ':';
        case '#': return c == '#';
        case ':': return c == '>' || c == ':';
        case '.': return c == '.' || t.kind == TK_NUMBER;
        default: return false;
        }
    default:
        return false;
    }
}

void Output::token(const Token &t) {
    if (t.len == 0)
        return;
    sync(t.line, t.file);
    if (!bol_ && ((t.flags & TF_PREV_WHITE) || avoid_paste(t)))
        put(' ');
    write(t.text, t.len);
    bol_ = false;
    prev_kind_ = t.kind;
    prev_last_ = t.text[t.len - 1];
}

void Output::pragma(uint32_t line, uint32_t file, const std::string &text) {
    sync(line, file);
    if (!bol_)
        marker(line, file);
    write("#pragma", 7);
    if (!text.empty()) {
        put(' ');
        write(text.data(), text.size());
    }
    put('\n');
    ++line_;
    prev_kind_ = TK_EOF;
}

bool Output::finish() {
    if (!bol_)
        put('\n');
    bol_ = true;
    flush();
    if (fflush(stream_) != 0)
        write_failed_ = true;
    return !write_failed_;
}

} // namespace vexpp

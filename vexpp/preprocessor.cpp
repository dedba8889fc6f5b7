#include "vexpp/preprocessor.h"
#include <cstring>
#include <ctime>
#include "support/platform.h"
#include "vexpp/report.h"

namespace vexpp {

void LineSource::raw(Token &t) {
    if (has_pushback_) {
        t = pushback_;
        has_pushback_ = false;
        return;
    }
    if (!done_) {
        pp_.lexer().lex(t);
        if (t.kind != TK_NEWLINE && t.kind != TK_EOF)
            return;
        done_ = true;
    }
    t = Token{};
    t.kind = TK_EOD;
}

void LineSource::next(Token &t, bool) { raw(t); }

bool LineSource::next_is_lparen() {
    Token t;
    raw(t);
    if (t.is_punct('('))
        return true;
    unread(t);
    return false;
}

void LineSource::pragma_operator(const char *text, size_t len, uint32_t line, uint32_t file) {
    pp_.pragma_operator(text, len, line, file);
}

Preprocessor::Preprocessor(const SearchPath &search, Output &output)
    : search_(search), output_(output), line_(*this), text_(idents_, macros_, arena_, *this),
      line_expander_(idents_, macros_, arena_, line_), expr_tokens_(line_expander_) {
    kw_.define_ = idents_.intern("define");
    kw_.undef_ = idents_.intern("undef");
    kw_.include_ = idents_.intern("include");
    kw_.if_ = idents_.intern("if");
    kw_.ifdef_ = idents_.intern("ifdef");
    kw_.ifndef_ = idents_.intern("ifndef");
    kw_.elif_ = idents_.intern("elif");
    kw_.else_ = idents_.intern("else");
    kw_.endif_ = idents_.intern("endif");
    kw_.line_ = idents_.intern("line");
    kw_.error_ = idents_.intern("error");
    kw_.pragma_ = idents_.intern("pragma");

    struct BuiltinName {
        const char *name;
        Builtin kind;
    };
    static const BuiltinName builtins[] = {{"__FILE__", Builtin::File},
                                           {"__LINE__", Builtin::Line},
                                           {"__DATE__", Builtin::Date},
                                           {"__TIME__", Builtin::Time},
                                           {"_Pragma", Builtin::PragmaOperator}};
    time_t now = time(nullptr);
    struct tm *local = localtime(&now);
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (const BuiltinName &b : builtins) {
        Macro *m = macros_.create();
        m->name = idents_.intern(b.name);
        m->builtin = b.kind;
        m->predefined = true;
        if (b.kind == Builtin::Date || b.kind == Builtin::Time) {
            char text[32];
            if (b.kind == Builtin::Date)
                snprintf(text, sizeof text, "\"%s %2d %d\"", months[local->tm_mon], local->tm_mday,
                         local->tm_year + 1900);
            else
                snprintf(text, sizeof text, "\"%02d:%02d:%02d\"", local->tm_hour, local->tm_min, local->tm_sec);
            Token t;
            t.kind = TK_STRING;
            t.text = arena_.copy(text, strlen(text));
            t.len = static_cast<uint32_t>(strlen(text));
            m->body.push_back(t);
        }
        m->name->macro = m;
    }
}

void Preprocessor::define_predefined(const char *name, const char *value) {
    std::string text = std::string(name) + " " + value;
    auto buffer = std::make_unique<SourceBuffer>();
    buffer_from_text(text, *buffer);
    Lexer lexer(*buffer, idents_, 0);
    std::vector<Token> tokens;
    for (Token t; lexer.lex(t), t.kind != TK_EOF;)
        tokens.push_back(t);
    Token where;
    Macro *m = parse_definition(macros_, idents_, tokens, where);
    if (m) {
        m->predefined = true;
        m->name->macro = m;
    }
    buffers_.push_back(std::move(buffer));
}

void Preprocessor::define_from_command_line(const std::string &definition, uint32_t file) {
    Token where;
    where.file = file;
    where.line = 0;
    size_t name_end = definition.find_first_of("=(");
    std::string name = definition.substr(0, name_end);
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) {
        report(file, 0, 1035, name.c_str());
        return;
    }
    for (char c : name) {
        bool ok = c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!ok) {
            report(file, 0, 1039, c);
            return;
        }
    }
    std::string text;
    if (name_end == std::string::npos) {
        text = name + " 1";
    } else if (definition[name_end] == '=') {
        text = name + " " + definition.substr(name_end + 1);
    } else {
        size_t eq = definition.find('=', name_end);
        text = eq == std::string::npos ? definition : definition.substr(0, eq) + " " + definition.substr(eq + 1);
    }
    auto buffer = std::make_unique<SourceBuffer>();
    buffer_from_text(text, *buffer);
    Lexer lexer(*buffer, idents_, file);
    std::vector<Token> tokens;
    for (Token t; lexer.lex(t), t.kind != TK_EOF;)
        if (t.kind != TK_NEWLINE)
            tokens.push_back(t);
    buffers_.push_back(std::move(buffer));
    Macro *m = parse_definition(macros_, idents_, tokens, where);
    if (m && !macros_.install(m))
        report(file, 0, 1034, m->name->name);
}

bool Preprocessor::enter_file(const std::string &path, uint32_t report_file, uint32_t report_line,
                              const std::string &name, bool announce) {
    // A header read again (one without a guard, say) is not read from disk
    // again: files do not change while they are preprocessed.
    SourceBuffer *&content = contents_[path];
    if (!content) {
        auto buffer = std::make_unique<SourceBuffer>();
        if (!read_source_file(path, *buffer)) {
            report(report_file, report_line, 1027, name.c_str());
            return false;
        }
        content = buffer.get();
        buffers_.push_back(std::move(buffer));
    }
    File f;
    uint32_t id = file_id(path);
    f.lexer = std::make_unique<Lexer>(*content, idents_, id);
    f.path = path;
    f.dir = directory_of(path);
    f.cond_base = conds_.size();
    files_.push_back(std::move(f));
    if (announce)
        output_.file_change(1, id);
    return true;
}

void Preprocessor::leave_file() {
    File &f = files_.back();
    while (conds_.size() > f.cond_base) {
        const Conditional &c = conds_.back();
        std::string text = std::string(c.directive) + " without matching #endif";
        report(c.file, c.line, 1000, text.c_str());
        skipping_ = c.was_skipping;
        conds_.pop_back();
    }
    if (f.guard == Guard::Closed)
        guards_[f.path] = f.guard_macro;
    files_.pop_back();
    has_pushback_ = false;
    if (!files_.empty())
        output_.file_change(lexer().line(), lexer().file());
}

void Preprocessor::next(Token &t, bool in_call) {
    for (;;) {
        if (files_.empty()) {
            t = Token{};
            t.kind = TK_EOF;
            return;
        }
        if (has_pushback_) {
            t = pushback_;
            has_pushback_ = false;
        } else {
            lexer().lex(t);
        }
        switch (t.kind) {
        case TK_NEWLINE:
            continue;
        case TK_EOF:
            if (in_call) {
                unread(t);
                return;
            }
            leave_file();
            continue;
        case TK_PUNCT:
            if (t.punct == '#' && (t.flags & TF_BOL)) {
                handle_directive(t);
                continue;
            }
            break;
        default:
            break;
        }
        if (t.flags & TF_BOL)
            t.flags |= TF_PREV_WHITE;
        File &f = files_.back();
        if (f.guard != Guard::Inside)
            f.guard = Guard::None;
        return;
    }
}

bool Preprocessor::next_is_lparen() {
    Token t;
    do {
        if (files_.empty())
            return false;
        if (has_pushback_) {
            t = pushback_;
            has_pushback_ = false;
        } else {
            lexer().lex(t);
        }
    } while (t.kind == TK_NEWLINE);
    if (t.is_punct('(')) {
        File &f = files_.back();
        if (f.guard != Guard::Inside)
            f.guard = Guard::None;
        return true;
    }
    unread(t);
    return false;
}

void Preprocessor::pragma_operator(const char *text, size_t len, uint32_t line, uint32_t file) {
    handle_pragma_text(std::string(text, len), line, file);
}

void Preprocessor::run(const std::string &source, const std::string &preinclude) {
    uint32_t source_id = file_id(source);
    if (!enter_file(source, source_id, 0, source, preinclude.empty()))
        return;
    if (!preinclude.empty()) {
        bool too_long = false;
        std::string path = is_regular_file(preinclude)
                               ? preinclude
                               : find_include(search_, preinclude, true, files_.back().dir, too_long);
        if (path.empty() || !enter_file(path, source_id, 0, preinclude, true)) {
            if (path.empty())
                report(source_id, 0, 1027, preinclude.c_str());
            return;
        }
    }
    Token t;
    for (;;) {
        text_.get(t);
        if (t.kind == TK_EOF)
            break;
        output_.token(t);
    }
}

} // namespace vexpp

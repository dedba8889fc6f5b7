// The directives other than the conditional ones.
#include <cstring>
#include "support/position.h"
#include "vexpp/preprocessor.h"
#include "vexpp/report.h"

namespace vexpp {

namespace {

void append_spelling(std::string &text, const Token &t) {
    if (!text.empty() && (t.flags & TF_PREV_WHITE))
        text += ' ';
    text.append(t.text, t.len);
}

constexpr size_t MAX_NAME_LENGTH = static_cast<size_t>(MAX_PATH_LENGTH) - 1;

} // namespace

void Preprocessor::skip_rest_of_line() {
    Token t;
    do
        line_.raw(t);
    while (t.kind != TK_EOD);
}

void Preprocessor::finish_line(const char *directive) {
    Token t;
    line_.raw(t);
    if (t.kind != TK_EOD) {
        report(where_.file, where_.line, 1020, directive);
        skip_rest_of_line();
    }
}

std::string Preprocessor::rest_of_line() {
    std::string text;
    Token t;
    for (line_.raw(t); t.kind != TK_EOD; line_.raw(t))
        append_spelling(text, t);
    return text;
}

void Preprocessor::handle_directive(const Token &hash) {
    where_ = hash;
    line_.start();
    Token name;
    line_.raw(name);
    if (name.kind == TK_EOD)
        return;
    File &f = files_.back();
    Ident *id = name.kind == TK_IDENT ? name.ident : nullptr;
    if (f.guard != Guard::Inside && !(f.guard == Guard::Start && id == kw_.ifndef_ && conds_.size() == f.cond_base))
        f.guard = Guard::None;
    if (id == kw_.ifdef_ || id == kw_.ifndef_) {
        do_ifdef(id == kw_.ifdef_, id == kw_.ifdef_ ? "#ifdef" : "#ifndef");
    } else if (id == kw_.if_) {
        do_if();
    } else if (id == kw_.elif_) {
        do_elif();
    } else if (id == kw_.else_) {
        do_else();
    } else if (id == kw_.endif_) {
        do_endif();
    } else if (id == kw_.define_) {
        do_define();
    } else if (id == kw_.undef_) {
        do_undef();
    } else if (id == kw_.include_) {
        do_include();
    } else if (id == kw_.line_) {
        do_line(false, name);
    } else if (id == kw_.error_) {
        do_error();
    } else if (id == kw_.pragma_) {
        do_pragma();
    } else if (name.kind == TK_NUMBER) {
        // The "# 12 "file"" form that preprocessed text carries.
        do_line(true, name);
    } else {
        std::string text = "unknown preprocessor directive '#" + spelling(name) + "'";
        report(where_.file, where_.line, 1000, text.c_str());
        skip_rest_of_line();
    }
    if (skipping_)
        skip_group();
}

void Preprocessor::do_define() {
    line_tokens_.clear();
    Token t;
    for (line_.raw(t); t.kind != TK_EOD; line_.raw(t))
        line_tokens_.push_back(t);
    Macro *m = parse_definition(macros_, idents_, line_tokens_, where_);
    if (m && !macros_.install(m))
        report(where_.file, where_.line, 1034, m->name->name);
}

void Preprocessor::do_undef() {
    Token name;
    line_.raw(name);
    if (name.kind != TK_IDENT) {
        report(where_.file, where_.line, 1030, "#undef");
        if (name.kind != TK_EOD)
            skip_rest_of_line();
        return;
    }
    if ((name.ident->macro && name.ident->macro->predefined) || strcmp(name.ident->name, "defined") == 0) {
        report(where_.file, where_.line, 1035, name.ident->name);
        skip_rest_of_line();
        return;
    }
    macros_.remove(name.ident);
    finish_line("#undef");
}

// Reads the header name of an #include, macro-expanded when it is neither
// "name" nor <name>.  Returns false after reporting a malformed one.
bool Preprocessor::read_header_name(std::string &name, bool &quoted) {
    const char *text;
    uint32_t len;
    bool closed;
    if (lexer().lex_angled_header(text, len, closed)) {
        if (!closed) {
            report(where_.file, where_.line, 1025, '>');
            skip_rest_of_line();
            return false;
        }
        name.assign(text, len);
        quoted = false;
        finish_line("#include");
        return true;
    }
    Token t;
    line_.raw(t);
    if (t.kind == TK_STRING && t.text[0] == '"') {
        if (t.len < 2 || t.text[t.len - 1] != '"') {
            report(where_.file, where_.line, 1025, '"');
            return false;
        }
        name.assign(t.text + 1, t.len - 2);
        quoted = true;
        finish_line("#include");
        return true;
    }
    if (t.kind == TK_EOD) {
        report(where_.file, where_.line, 1026);
        return false;
    }
    // A computed include: the expansion must give one of the two forms.
    line_.unread(t);
    line_expander_.get(t);
    if (t.kind == TK_STRING && t.text[0] == '"' && t.len >= 2 && t.text[t.len - 1] == '"') {
        name.assign(t.text + 1, t.len - 2);
        quoted = true;
    } else if (t.is_punct('<')) {
        name.clear();
        for (line_expander_.get(t); t.kind != TK_EOD && !t.is_punct('>'); line_expander_.get(t)) {
            if (!name.empty() && (t.flags & TF_PREV_WHITE))
                name += ' ';
            name.append(t.text, t.len);
        }
        if (t.kind == TK_EOD) {
            report(where_.file, where_.line, 1025, '>');
            return false;
        }
        quoted = false;
    } else {
        report(where_.file, where_.line, 1026);
        while (t.kind != TK_EOD)
            line_expander_.get(t);
        return false;
    }
    line_expander_.get(t);
    if (t.kind != TK_EOD) {
        report(where_.file, where_.line, 1020, "#include");
        while (t.kind != TK_EOD)
            line_expander_.get(t);
    }
    return true;
}

void Preprocessor::do_include() {
    std::string name;
    bool quoted;
    if (!read_header_name(name, quoted))
        return;
    if (name.empty()) {
        report(where_.file, where_.line, 1026);
        return;
    }
    if (name.size() > MAX_NAME_LENGTH) {
        report(where_.file, where_.line, 1042, "#include");
        return;
    }
    bool too_long = false;
    std::string path = find_include(search_, name, quoted, files_.back().dir, too_long);
    if (path.empty()) {
        if (too_long)
            report(where_.file, where_.line, 1042, "#include");
        else
            report(where_.file, where_.line, 1027, name.c_str());
        return;
    }
    auto guard = guards_.find(path);
    if (guard != guards_.end() && guard->second->macro)
        return;
    if (once_.count(path))
        return;
    if (files_.size() >= MAX_INCLUDE_DEPTH) {
        report(where_.file, where_.line, 1000, "#include nested more than 200 levels deep");
        return;
    }
    enter_file(path, where_.file, where_.line, name, true);
}

void Preprocessor::do_line(bool marker_form, const Token &first) {
    const char *directive = marker_form ? "#" : "#line";
    Token t = first;
    if (!marker_form)
        line_expander_.get(t);
    uint64_t value = 0;
    bool digits = t.kind == TK_NUMBER;
    for (uint32_t i = 0; digits && i < t.len; ++i) {
        if (t.text[i] < '0' || t.text[i] > '9')
            digits = false;
        else
            value = value * 10 + static_cast<unsigned>(t.text[i] - '0');
        if (value > 2147483647u)
            digits = false;
    }
    if (!digits) {
        report(where_.file, where_.line, 1016);
        while (t.kind != TK_EOD)
            line_expander_.get(t);
        return;
    }
    uint32_t file = lexer().file();
    line_expander_.get(t);
    if (t.kind == TK_STRING && t.text[0] == '"') {
        std::string name;
        for (uint32_t i = 1; i + 1 < t.len; ++i) {
            if (t.text[i] == '\\' && i + 2 < t.len)
                ++i;
            name += t.text[i];
        }
        if (name.size() > MAX_NAME_LENGTH) {
            report(where_.file, where_.line, 1042, directive);
            while (t.kind != TK_EOD)
                line_expander_.get(t);
            return;
        }
        file = file_id(name);
        line_expander_.get(t);
        // The flags after the name in the marker form say nothing we use.
        while (marker_form && t.kind == TK_NUMBER)
            line_expander_.get(t);
    }
    if (t.kind != TK_EOD) {
        report(where_.file, where_.line, 1020, directive);
        while (t.kind != TK_EOD)
            line_expander_.get(t);
        return;
    }
    lexer().set_presumed(static_cast<uint32_t>(value), file);
}

void Preprocessor::do_error() {
    std::string text = rest_of_line();
    report(where_.file, where_.line, 1099, text.c_str());
}

void Preprocessor::do_pragma() { handle_pragma_text(rest_of_line(), where_.line, where_.file); }

void Preprocessor::handle_pragma_text(const std::string &text, uint32_t line, uint32_t file) {
    if (text == "once") {
        once_.insert(files_.back().path);
        return;
    }
    output_.pragma(line, file, text);
}

} // namespace vexpp

// Conditional inclusion: #if, #ifdef, #ifndef, #elif, #else, #endif and the
// fast path through the groups they leave out.
#include "vexpp/preprocessor.h"
#include "vexpp/report.h"

namespace vexpp {

void Preprocessor::push_conditional(const char *directive, bool condition) {
    bool keep = condition && !skipping_;
    conds_.push_back(Conditional{where_.file, where_.line, directive, skipping_, keep, false});
    skipping_ = !keep;
}

bool Preprocessor::evaluate(const char *directive) {
    PPValue value;
    if (!evaluate_expression(expr_tokens_, directive, where_, value))
        return false;
    return value.value != 0;
}

void Preprocessor::do_ifdef(bool want_defined, const char *directive) {
    if (skipping_) {
        push_conditional(directive, false);
        skip_rest_of_line();
        return;
    }
    Token name;
    line_.raw(name);
    if (name.kind != TK_IDENT) {
        report(where_.file, where_.line, 1030, directive);
        if (name.kind != TK_EOD)
            skip_rest_of_line();
        push_conditional(directive, false);
        return;
    }
    finish_line(directive);
    bool defined = name.ident->macro != nullptr;
    File &f = files_.back();
    bool starts_guard = !want_defined && f.guard == Guard::Start && conds_.size() == f.cond_base;
    push_conditional(directive, defined == want_defined);
    if (starts_guard) {
        f.guard = Guard::Inside;
        f.guard_macro = name.ident;
        f.guard_depth = conds_.size();
    }
}

void Preprocessor::do_if() {
    if (skipping_) {
        push_conditional("#if", false);
        skip_rest_of_line();
        return;
    }
    push_conditional("#if", evaluate("#if"));
}


void Preprocessor::do_elif() {
    File &f = files_.back();
    if (conds_.size() == f.cond_base) {
        report(where_.file, where_.line, 1028, "#elif");
        skip_rest_of_line();
        return;
    }
    if (f.guard == Guard::Inside && conds_.size() == f.guard_depth)
        f.guard = Guard::None;
    Conditional &c = conds_.back();
    if (c.else_seen) {
        report(where_.file, where_.line, 1000, "#elif following #else");
        skip_rest_of_line();
        skipping_ = true;
        return;
    }
    if (c.was_skipping || c.taken) {
        skip_rest_of_line();
        skipping_ = true;
        return;
    }
    bool keep = evaluate("#elif");
    c.taken = keep;
    skipping_ = !keep;
}

void Preprocessor::do_else() {
    File &f = files_.back();
    if (conds_.size() == f.cond_base) {
        report(where_.file, where_.line, 1028, "#else");
        skip_rest_of_line();
        return;
    }
    if (f.guard == Guard::Inside && conds_.size() == f.guard_depth)
        f.guard = Guard::None;
    Conditional &c = conds_.back();
    if (!c.was_skipping)
        finish_line("#else");
    else
        skip_rest_of_line();
    if (c.else_seen) {
        report(where_.file, where_.line, 1000, "#else following #else");
        skipping_ = true;
        return;
    }
    c.else_seen = true;
    skipping_ = c.was_skipping || c.taken;
    c.taken = true;
}

void Preprocessor::do_endif() {
    File &f = files_.back();
    if (conds_.size() == f.cond_base) {
        report(where_.file, where_.line, 1028, "#endif");
        skip_rest_of_line();
        return;
    }
    if (f.guard == Guard::Inside && conds_.size() == f.guard_depth)
        f.guard = Guard::Closed;
    const Conditional c = conds_.back();
    if (!c.was_skipping)
        finish_line("#endif");
    else
        skip_rest_of_line();
    conds_.pop_back();
    skipping_ = c.was_skipping;
}

void Preprocessor::skipped_directive() {
    line_.start();
    Token name;
    line_.raw(name);
    Ident *id = name.kind == TK_IDENT ? name.ident : nullptr;
    if (id == kw_.if_ || id == kw_.ifdef_ || id == kw_.ifndef_) {
        push_conditional(id == kw_.if_ ? "#if" : id == kw_.ifdef_ ? "#ifdef" : "#ifndef", false);
        if (!line_.done())
            lexer().skip_line();
    } else if (id == kw_.elif_) {
        do_elif();
    } else if (id == kw_.else_) {
        do_else();
    } else if (id == kw_.endif_) {
        do_endif();
    } else if (!line_.done()) {
        lexer().skip_line();
    }
}

void Preprocessor::skip_group() {
    Token t;
    while (skipping_) {
        Lexer &lx = lexer();
        lx.lex(t);
        if (t.kind == TK_EOF)
            return;
        if (t.kind == TK_NEWLINE)
            continue;
        if (t.is_punct('#') && (t.flags & TF_BOL)) {
            where_ = t;
            skipped_directive();
            continue;
        }
        lx.skip_line();
    }
}

} // namespace vexpp

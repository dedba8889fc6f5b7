#include "vexpp/expander.h"
#include <cstring>
#include <string>
#include "vexpp/lexer.h"
#include "vexpp/report.h"

namespace vexpp {

Expander::Expander(IdentTable &idents, MacroTable &macros, Arena &arena, BaseSource &base)
    : idents_(idents), macros_(macros), arena_(arena), base_(base) {}

Expander::Buffer *Expander::acquire() {
    if (free_.empty()) {
        buffers_.push_back(std::make_unique<Buffer>());
        return buffers_.back().get();
    }
    Buffer *b = free_.back();
    free_.pop_back();
    return b;
}

void Expander::release(Buffer *b) {
    b->clear();
    free_.push_back(b);
}

void Expander::push(const Token *begin, const Token *end, Macro *macro, Buffer *owned, bool barrier) {
    contexts_.push_back(Context{begin, end, macro, owned, barrier});
    if (macro)
        macro->name->disabled = true;
}

void Expander::pop_context() {
    Context &c = contexts_.back();
    if (c.macro)
        c.macro->name->disabled = false;
    if (c.owned)
        release(c.owned);
    contexts_.pop_back();
}

void Expander::read_raw(Token &t, bool in_call) {
    while (!contexts_.empty()) {
        Context &c = contexts_.back();
        if (c.cur != c.end) {
            t = *c.cur++;
            // Every token of an expansion appears where the outermost call was.
            t.line = call_line_;
            t.file = call_file_;
            return;
        }
        if (c.barrier) {
            t = Token{};
            t.kind = TK_EOD;
            return;
        }
        pop_context();
    }
    base_.next(t, in_call);
}

bool Expander::peek_lparen() {
    while (!contexts_.empty()) {
        Context &c = contexts_.back();
        if (c.cur != c.end) {
            if (!c.cur->is_punct('('))
                return false;
            ++c.cur;
            return true;
        }
        if (c.barrier)
            return false;
        pop_context();
    }
    return base_.next_is_lparen();
}

void Expander::get_unexpanded(Token &t) { read_raw(t, false); }

void Expander::get(Token &t) {
    try {
        get_nested(t);
    } catch (const TooDeep &) {
        drop_expansion();
        get(t);
    }
}

void Expander::drop_expansion() {
    while (!contexts_.empty())
        pop_context();
    arg_depth_ = 0;
    pending_white_ = 0;
}

void Expander::get_nested(Token &t) {
    for (;;) {
        read_raw(t, false);
        t.flags |= pending_white_;
        pending_white_ = 0;
        if (t.kind != TK_IDENT || (t.flags & TF_NO_EXPAND))
            return;
        Macro *m = t.ident->macro;
        if (!m)
            return;
        if (t.ident->disabled) {
            t.flags |= TF_NO_EXPAND;
            return;
        }
        if (contexts_.empty()) {
            call_line_ = t.line;
            call_file_ = t.file;
        }
        if (!enter_macro(m, t))
            return;
    }
}

bool Expander::enter_macro(Macro *m, const Token &name) {
    if (m->builtin != Builtin::None)
        return expand_builtin(m, name);
    if (!m->function_like) {
        if (!m->has_paste) {
            push(m->body.data(), m->body.data() + m->body.size(), m, nullptr, false);
        } else {
            Buffer *out = acquire();
            std::vector<Buffer *> no_args;
            substitute(m, no_args, *out);
            push(out->data(), out->data() + out->size(), m, out, false);
        }
        pending_white_ = name.flags & TF_PREV_WHITE;
        return true;
    }
    if (!peek_lparen())
        return false;
    std::vector<Buffer *> args;
    bool ok = collect_args(m, args);
    if (ok) {
        Buffer *out = acquire();
        substitute(m, args, *out);
        push(out->data(), out->data() + out->size(), m, out, false);
        pending_white_ = name.flags & TF_PREV_WHITE;
    }
    for (Buffer *a : args)
        release(a);
    return true;
}

bool Expander::collect_args(Macro *m, std::vector<Buffer *> &args) {
    const size_t nparams = m->params.size();
    args.push_back(acquire());
    int depth = 0;
    Token t;
    for (;;) {
        read_raw(t, true);
        if (t.kind == TK_EOF || t.kind == TK_EOD) {
            size_t index = args.size() - 1;
            if (t.kind == TK_EOD || nparams == 0 || index >= nparams)
                report(call_file_, call_line_, 1032, m->name->name);
            else if (m->variadic && index == nparams - 1)
                report(call_file_, call_line_, 1023, m->name->name);
            else
                report(call_file_, call_line_, 1022, m->params[index]->name, m->name->name);
            return false;
        }
        if (t.kind == TK_PUNCT) {
            if (t.punct == '(') {
                ++depth;
            } else if (t.punct == ')') {
                if (depth == 0)
                    break;
                --depth;
            } else if (t.punct == ',' && depth == 0 && !(m->variadic && args.size() == nparams)) {
                args.push_back(acquire());
                continue;
            }
        }
        t.flags &= ~TF_BOL;
        if (args.back()->empty())
            t.flags &= ~TF_PREV_WHITE;
        args.back()->push_back(t);
    }
    size_t given = args.size();
    // "f()" passes one empty argument, which is right for one parameter and
    // means no arguments for none.
    if (nparams == 0 && given == 1 && args[0]->empty())
        return true;
    // The variable arguments may be left out altogether.
    if (m->variadic && given == nparams - 1) {
        args.push_back(acquire());
        return true;
    }
    if (given < nparams) {
        report(call_file_, call_line_, 1024, m->name->name, static_cast<int>(nparams), static_cast<int>(given));
        return false;
    }
    if (given > nparams) {
        std::string text = "macro '" + std::string(m->name->name) + "' takes " + std::to_string(nparams) +
                           (nparams == 1 ? " argument" : " arguments") + ", but " + std::to_string(given) + " were given";
        report(call_file_, call_line_, 1000, text.c_str());
        return false;
    }
    return true;
}

void Expander::expand_arg(const Buffer &arg, Buffer &out) {
    if (arg_depth_ == MAX_ARGUMENT_NESTING) {
        std::string text = "macro arguments nested more than " + std::to_string(MAX_ARGUMENT_NESTING) + " levels deep";
        report(call_file_, call_line_, 1000, text.c_str());
        throw TooDeep{};
    }
    ++arg_depth_;
    uint8_t saved_white = pending_white_;
    pending_white_ = 0;
    push(arg.data(), arg.data() + arg.size(), nullptr, nullptr, true);
    Token t;
    for (;;) {
        get_nested(t);
        if (t.kind == TK_EOD)
            break;
        out.push_back(t);
    }
    pop_context();
    pending_white_ = saved_white;
    --arg_depth_;
}

Token Expander::stringify(const Buffer &arg) {
    std::string s = "\"";
    for (size_t i = 0; i < arg.size(); ++i) {
        const Token &t = arg[i];
        if (i > 0 && (t.flags & TF_PREV_WHITE))
            s += ' ';
        if (t.kind == TK_STRING || t.kind == TK_CHAR) {
            for (uint32_t k = 0; k < t.len; ++k) {
                if (t.text[k] == '"' || t.text[k] == '\\')
                    s += '\\';
                s += t.text[k];
            }
        } else {
            s.append(t.text, t.len);
        }
    }
    s += '"';
    Token result;
    result.kind = TK_STRING;
    result.text = arena_.copy(s.data(), s.size());
    result.len = static_cast<uint32_t>(s.size());
    return result;
}

void Expander::substitute(Macro *m, std::vector<Buffer *> &args, Buffer &out) {
    std::vector<Buffer *> expanded(args.size(), nullptr);
    const std::vector<Token> &body = m->body;
    for (size_t i = 0; i < body.size(); ++i) {
        const Token &bt = body[i];
        if (bt.kind != TK_MACRO_ARG) {
            // ", ## __VA_ARGS__" drops the comma when there are no variable
            // arguments, and pastes nothing otherwise.
            if (bt.is_punct(',') && (bt.flags & TF_PASTE_LEFT) && m->variadic && i + 1 < body.size() &&
                body[i + 1].kind == TK_MACRO_ARG && !(body[i + 1].flags & TF_STRINGIFY) &&
                body[i + 1].punct == m->params.size() - 1) {
                if (!args[body[i + 1].punct]->empty()) {
                    out.push_back(bt);
                    out.back().flags &= ~TF_PASTE_LEFT;
                }
                continue;
            }
            out.push_back(bt);
            continue;
        }
        const Buffer &arg = *args[bt.punct];
        if (bt.flags & TF_STRINGIFY) {
            Token s = stringify(arg);
            s.flags = bt.flags & (TF_PREV_WHITE | TF_PASTE_LEFT);
            out.push_back(s);
            continue;
        }
        bool paste_operand = (bt.flags & TF_PASTE_LEFT) || (i > 0 && (body[i - 1].flags & TF_PASTE_LEFT));
        const Buffer *source = &arg;
        if (!paste_operand) {
            if (!expanded[bt.punct]) {
                expanded[bt.punct] = acquire();
                expand_arg(arg, *expanded[bt.punct]);
            }
            source = expanded[bt.punct];
        }
        if (source->empty()) {
            if (paste_operand) {
                Token placemarker;
                placemarker.kind = TK_PLACEMARKER;
                placemarker.flags = bt.flags & (TF_PREV_WHITE | TF_PASTE_LEFT);
                out.push_back(placemarker);
            }
            continue;
        }
        size_t first = out.size();
        out.insert(out.end(), source->begin(), source->end());
        out[first].flags = static_cast<uint8_t>((out[first].flags & ~TF_PREV_WHITE) | (bt.flags & TF_PREV_WHITE));
        if (bt.flags & TF_PASTE_LEFT)
            out.back().flags |= TF_PASTE_LEFT;
    }
    for (Buffer *e : expanded)
        if (e)
            release(e);
    if (m->has_paste)
        paste_all(out);
}

void Expander::paste_all(Buffer &tokens) {
    size_t w = 0;
    for (size_t r = 0; r < tokens.size(); ++r) {
        Token t = tokens[r];
        if (w > 0 && (tokens[w - 1].flags & TF_PASTE_LEFT)) {
            Token &lhs = tokens[w - 1];
            if (lhs.kind == TK_PLACEMARKER) {
                t.flags = static_cast<uint8_t>((t.flags & ~TF_PREV_WHITE) | (lhs.flags & TF_PREV_WHITE));
                lhs = t;
            } else if (t.kind == TK_PLACEMARKER) {
                lhs.flags = static_cast<uint8_t>((lhs.flags & ~TF_PASTE_LEFT) | (t.flags & TF_PASTE_LEFT));
            } else {
                Token joined;
                if (paste(lhs, t, joined)) {
                    lhs = joined;
                } else {
                    std::string text = "'" + spelling(lhs) + "' ## '" + spelling(t) + "' does not make one token";
                    report(call_file_, call_line_, 1000, text.c_str());
                    lhs.flags &= ~TF_PASTE_LEFT;
                    tokens[w++] = t;
                }
            }
            continue;
        }
        tokens[w++] = t;
    }
    tokens.resize(w);
    // Placemarkers have done their work once every paste is made.
    size_t k = 0;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind != TK_PLACEMARKER)
            tokens[k++] = tokens[i];
    tokens.resize(k);
}

bool Expander::paste(const Token &lhs, const Token &rhs, Token &result) {
    size_t len = lhs.len + rhs.len;
    char *text = arena_.allocate(len + 1);
    memcpy(text, lhs.text, lhs.len);
    memcpy(text + lhs.len, rhs.text, rhs.len);
    text[len] = '\0';
    // "/" and "*" (or "/") would start a comment, which is no token at all.
    if (text[0] == '/' && (text[1] == '*' || text[1] == '/'))
        return false;
    Lexer lexer(text, len, idents_, 0);
    lexer.lex(result);
    if (result.kind == TK_EOF || (result.flags & TF_PREV_WHITE) || !lexer.at_end())
        return false;
    // A digraph keeps the spelling of the token it stands for; anything else
    // must have consumed the whole text.
    if (result.text != text && result.kind != TK_PUNCT)
        return false;
    result.flags = static_cast<uint8_t>((lhs.flags & TF_PREV_WHITE) | (rhs.flags & TF_PASTE_LEFT));
    return true;
}

bool Expander::expand_builtin(Macro *m, const Token &name) {
    Buffer *out = acquire();
    Token t;
    t.flags = name.flags & TF_PREV_WHITE;
    std::string text;
    switch (m->builtin) {
    case Builtin::Line:
        t.kind = TK_NUMBER;
        text = std::to_string(call_line_);
        break;
    case Builtin::File: {
        t.kind = TK_STRING;
        text = "\"";
        for (char c : file_name(call_file_)) {
            if (c == '"' || c == '\\')
                text += '\\';
            text += c;
        }
        text += '"';
        break;
    }
    case Builtin::Date:
    case Builtin::Time:
        t = m->body[0];
        t.flags = name.flags & TF_PREV_WHITE;
        break;
    case Builtin::PragmaOperator: {
        release(out);
        Token open, str, close;
        if (!peek_lparen()) {
            report(call_file_, call_line_, 1000, "_Pragma needs a string literal in parentheses");
            return true;
        }
        read_raw(str, true);
        if (str.kind == TK_STRING)
            read_raw(close, true);
        if (str.kind != TK_STRING || !close.is_punct(')')) {
            report(call_file_, call_line_, 1000, "_Pragma needs a string literal in parentheses");
            return true;
        }
        std::string body;
        uint32_t start = str.text[0] == 'L' ? 2 : 1;
        for (uint32_t i = start; i + 1 < str.len; ++i) {
            if (str.text[i] == '\\' && (str.text[i + 1] == '"' || str.text[i + 1] == '\\'))
                ++i;
            body += str.text[i];
        }
        base_.pragma_operator(body.data(), body.size(), call_line_, call_file_);
        return true;
    }
    case Builtin::None:
        break;
    }
    if (!text.empty()) {
        t.text = arena_.copy(text.data(), text.size());
        t.len = static_cast<uint32_t>(text.size());
    }
    out->push_back(t);
    push(out->data(), out->data() + out->size(), nullptr, out, false);
    return true;
}

} // namespace vexpp

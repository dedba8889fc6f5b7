#include "vexpp/macro.h"
#include <cstring>
#include "vexpp/report.h"

namespace vexpp {

Macro *MacroTable::create() {
    macros_.push_back(std::make_unique<Macro>());
    return macros_.back().get();
}

bool MacroTable::install(Macro *m) {
    Macro *old = m->name->macro;
    if (old && !same_definition(*old, *m))
        return false;
    m->name->macro = m;
    return true;
}

void MacroTable::remove(Ident *name) { name->macro = nullptr; }

std::string spelling(const Token &t) {
    if (t.kind == TK_EOD || t.kind == TK_EOF || t.kind == TK_NEWLINE)
        return "end of line";
    return std::string(t.text, t.len);
}

namespace {

constexpr uint8_t COMPARED_FLAGS = TF_PREV_WHITE | TF_STRINGIFY | TF_PASTE_LEFT;

bool same_token(const Token &a, const Token &b) {
    if (a.kind != b.kind || (a.flags & COMPARED_FLAGS) != (b.flags & COMPARED_FLAGS))
        return false;
    if (a.kind == TK_MACRO_ARG)
        return a.punct == b.punct;
    return a.len == b.len && memcmp(a.text, b.text, a.len) == 0;
}

class DefinitionParser {
public:
    DefinitionParser(MacroTable &table, IdentTable &idents, const std::vector<Token> &tokens, const Token &where)
        : table_(table), idents_(idents), tokens_(tokens), where_(where) {}

    Macro *parse();

private:
    bool parse_parameters(Macro &m);
    bool parse_body(Macro &m);
    int parameter_index(const Macro &m, const Ident *id) const;
    const Token &at(size_t i) const { return i < tokens_.size() ? tokens_[i] : end_; }

    MacroTable &table_;
    IdentTable &idents_;
    const std::vector<Token> &tokens_;
    const Token &where_;
    Token end_{nullptr, 0, TK_EOD};
    size_t pos_ = 0;
};

Macro *DefinitionParser::parse() {
    const Token &name = at(0);
    if (name.kind != TK_IDENT) {
        report(where_.file, where_.line, 1035, spelling(name).c_str());
        return nullptr;
    }
    Macro *old = name.ident->macro;
    if ((old && old->predefined) || strcmp(name.ident->name, "defined") == 0) {
        report(where_.file, where_.line, 1035, name.ident->name);
        return nullptr;
    }
    Macro m;
    m.name = name.ident;
    m.file = where_.file;
    m.line = where_.line;
    pos_ = 1;
    const Token &next = at(pos_);
    if (next.is_punct('(') && !(next.flags & TF_PREV_WHITE)) {
        m.function_like = true;
        ++pos_;
        if (!parse_parameters(m))
            return nullptr;
    } else if (next.kind != TK_EOD && !(next.flags & TF_PREV_WHITE)) {
        report(where_.file, where_.line, 1039, next.text[0]);
        return nullptr;
    }
    if (!parse_body(m))
        return nullptr;
    Macro *result = table_.create();
    *result = std::move(m);
    return result;
}

int DefinitionParser::parameter_index(const Macro &m, const Ident *id) const {
    for (size_t i = 0; i < m.params.size(); ++i)
        if (m.params[i] == id)
            return static_cast<int>(i);
    return -1;
}

bool DefinitionParser::parse_parameters(Macro &m) {
    Ident *va_args = idents_.intern("__VA_ARGS__");
    if (at(pos_).is_punct(')')) {
        ++pos_;
        return true;
    }
    for (;;) {
        const Token &t = at(pos_++);
        if (t.is_punct(P_ELLIPSIS)) {
            m.params.push_back(va_args);
            m.variadic = true;
        } else if (t.kind == TK_IDENT && t.ident != va_args) {
            if (parameter_index(m, t.ident) >= 0) {
                report(where_.file, where_.line, 1037, t.ident->name, m.name->name);
                return false;
            }
            m.params.push_back(t.ident);
            // A named variable-argument parameter: "args..."
            if (at(pos_).is_punct(P_ELLIPSIS)) {
                ++pos_;
                m.variadic = true;
            }
        } else if (t.kind == TK_EOD) {
            report(where_.file, where_.line, 1036);
            return false;
        } else {
            report(where_.file, where_.line, 1038);
            return false;
        }
        const Token &sep = at(pos_++);
        if (sep.is_punct(')'))
            return true;
        if (sep.kind == TK_EOD) {
            report(where_.file, where_.line, 1036);
            return false;
        }
        if (!sep.is_punct(',') || m.variadic) {
            report(where_.file, where_.line, m.variadic ? 1036 : 1038);
            return false;
        }
    }
}

bool DefinitionParser::parse_body(Macro &m) {
    bool stringify_next = false;
    for (size_t i = pos_; i < tokens_.size(); ++i) {
        Token t = tokens_[i];
        t.flags &= TF_PREV_WHITE;
        if (m.body.empty())
            t.flags = 0;
        int param = t.kind == TK_IDENT && m.function_like ? parameter_index(m, t.ident) : -1;
        if (stringify_next) {
            if (param < 0) {
                report(where_.file, where_.line, 1041);
                return false;
            }
            stringify_next = false;
        }
        if (param >= 0) {
            t.kind = TK_MACRO_ARG;
            t.punct = static_cast<uint16_t>(param);
            if (i > pos_ && tokens_[i - 1].is_punct('#') && m.function_like)
                t.flags |= TF_STRINGIFY;
        } else if (t.is_punct('#') && m.function_like) {
            stringify_next = true;
            // The operand takes the operator's leading white space.
            if (i + 1 < tokens_.size())
                continue;
            report(where_.file, where_.line, 1041);
            return false;
        } else if (t.is_punct(P_HASHHASH)) {
            if (m.body.empty() || i + 1 == tokens_.size()) {
                if (m.function_like) {
                    std::string text = "## needs an operand on each side in macro '" + std::string(m.name->name) + "'";
                    report(where_.file, where_.line, 1000, text.c_str());
                } else {
                    report(where_.file, where_.line, 1040, m.name->name);
                }
                return false;
            }
            m.body.back().flags |= TF_PASTE_LEFT;
            m.has_paste = true;
            continue;
        }
        if (t.flags & TF_STRINGIFY) {
            // The white space before '#' belongs to the stringified operand.
            t.flags = static_cast<uint8_t>((t.flags & ~TF_PREV_WHITE) | (tokens_[i - 1].flags & TF_PREV_WHITE));
            if (m.body.empty())
                t.flags &= ~TF_PREV_WHITE;
        }
        m.body.push_back(t);
    }
    return true;
}

} // namespace

bool same_definition(const Macro &a, const Macro &b) {
    if (a.function_like != b.function_like || a.variadic != b.variadic || a.params != b.params ||
        a.body.size() != b.body.size() || a.builtin != b.builtin)
        return false;
    for (size_t i = 0; i < a.body.size(); ++i)
        if (!same_token(a.body[i], b.body[i]))
            return false;
    return true;
}

Macro *parse_definition(MacroTable &table, IdentTable &idents, const std::vector<Token> &tokens,
                        const Token &position) {
    return DefinitionParser(table, idents, tokens, position).parse();
}

} // namespace vexpp

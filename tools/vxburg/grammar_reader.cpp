#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/vxburg/grammar.h"

namespace {

struct source_line {
    std::string text;
    int number;
};

struct reader {
    const char *path;
    grammar *g;
    bool ok = true;

    bool fail(int line, const std::string &message)
    {
        fprintf(stderr, "%s:%d: %s\n", path, line, message.c_str());
        ok = false;
        return false;
    }
};

std::string trim(const std::string &s)
{
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return "";
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

std::vector<std::string> words(const std::string &s)
{
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

bool is_identifier(const std::string &s)
{
    if (s.empty() || !(isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_'))
        return false;
    for (char c : s)
        if (!(isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return true;
}

// Expands %for ... %end blocks: each body line once per value, with ${NAME}
// and $NAME replaced by the value.
bool expand(reader &r, const std::vector<source_line> &in, size_t &at, std::vector<source_line> &out,
            bool nested)
{
    while (at < in.size()) {
        const source_line &line = in[at++];
        std::string text = trim(line.text);
        if (text.rfind("%end", 0) == 0) {
            if (!nested)
                return r.fail(line.number, "%end without %for");
            return true;
        }
        if (text.rfind("%for", 0) != 0) {
            out.push_back(line);
            continue;
        }
        std::vector<std::string> w = words(text);
        if (w.size() < 4 || w[2] != "in" || !is_identifier(w[1]))
            return r.fail(line.number, "expected '%for NAME in VALUE...'");
        std::vector<source_line> body;
        if (!expand(r, in, at, body, true))
            return false;
        if (at > in.size() || trim(in[at - 1].text).rfind("%end", 0) != 0)
            return r.fail(line.number, "%for without %end");
        for (size_t v = 3; v < w.size(); ++v)
            for (const source_line &b : body) {
                std::string t = b.text;
                for (const std::string &variable : {"${" + w[1] + "}", "$" + w[1]})
                    for (size_t p; (p = t.find(variable)) != std::string::npos;)
                        t.replace(p, variable.size(), w[v]);
                out.push_back({t, b.number});
            }
    }
    if (nested)
        return r.fail(in.empty() ? 0 : in.back().number, "%for without %end");
    return true;
}

struct cursor {
    const std::string &s;
    size_t at = 0;
    void blanks()
    {
        while (at < s.size() && isspace(static_cast<unsigned char>(s[at])))
            ++at;
    }
    std::string identifier()
    {
        blanks();
        size_t b = at;
        while (at < s.size() && (isalnum(static_cast<unsigned char>(s[at])) || s[at] == '_'))
            ++at;
        return s.substr(b, at - b);
    }
    bool take(char c)
    {
        blanks();
        if (at < s.size() && s[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
};

std::unique_ptr<pattern> parse_pattern(reader &r, cursor &c, int line, std::string &text)
{
    std::string name = c.identifier();
    if (name.empty()) {
        r.fail(line, "expected an operator or a nonterminal in the pattern");
        return nullptr;
    }
    auto node = std::make_unique<pattern>();
    node->name = name;
    node->is_operator = name.rfind("I_", 0) == 0;
    text += name;
    if (!c.take('(')) {
        if (!node->is_operator && !r.g->nonterminal_number.count(name)) {
            r.fail(line, "'" + name + "' is not a declared nonterminal");
            return nullptr;
        }
        return node;
    }
    if (!node->is_operator) {
        r.fail(line, "nonterminal '" + name + "' cannot have sub-patterns");
        return nullptr;
    }
    text += "(";
    do {
        if (node->kids.size() == 2) {
            r.fail(line, "an operator has at most two sub-patterns");
            return nullptr;
        }
        if (!node->kids.empty())
            text += ",";
        auto kid = parse_pattern(r, c, line, text);
        if (!kid)
            return nullptr;
        node->kids.push_back(std::move(kid));
    } while (c.take(','));
    if (!c.take(')')) {
        r.fail(line, "expected ')' in the pattern");
        return nullptr;
    }
    text += ")";
    return node;
}

bool parse_rule(reader &r, const source_line &line)
{
    cursor c{line.text};
    rule ru;
    std::string lhs = c.identifier();
    if (lhs.empty() || !c.take(':'))
        return r.fail(line.number, "expected 'nonterminal: pattern cost actions'");
    auto found = r.g->nonterminal_number.find(lhs);
    if (found == r.g->nonterminal_number.end())
        return r.fail(line.number, "'" + lhs + "' is not a declared nonterminal");
    ru.lhs = found->second;
    std::string text;
    ru.tree = parse_pattern(r, c, line.number, text);
    if (!ru.tree)
        return false;
    if (!ru.tree->is_operator && ru.tree->name == lhs)
        return r.fail(line.number, "a chain rule cannot derive a nonterminal from itself");
    ru.text = lhs + ": " + text;
    c.blanks();
    if (c.take('[')) {
        size_t depth = 1, b = c.at;
        while (c.at < c.s.size() && depth) {
            depth += c.s[c.at] == '[' ? 1 : c.s[c.at] == ']' ? -1 : 0;
            ++c.at;
        }
        if (depth)
            return r.fail(line.number, "unterminated cost expression");
        ru.cost = "(" + c.s.substr(b, c.at - 1 - b) + ")";
    } else {
        size_t b = c.at;
        while (c.at < c.s.size() && isdigit(static_cast<unsigned char>(c.s[c.at])))
            ++c.at;
        if (b == c.at)
            return r.fail(line.number, "expected a cost: a number or [expression]");
        ru.cost = c.s.substr(b, c.at - b);
    }
    for (std::string w : words(c.s.substr(c.at))) {
        if (w.size() < 3 || w[1] != ':' || w[0] < '0' || w[0] > '2' || !is_identifier(w.substr(2)))
            return r.fail(line.number, "expected an action 'PHASE:routine' with PHASE 0, 1 or 2, not '" + w + "'");
        std::string &slot = ru.actions[w[0] - '0'];
        if (!slot.empty())
            return r.fail(line.number, "two actions for one phase");
        slot = w.substr(2);
    }
    if (ru.actions[2].empty())
        return r.fail(line.number, "every rule needs a phase-2 action");
    ru.where = std::string(r.path) + ":" + std::to_string(line.number);
    ru.number = static_cast<int>(r.g->rules.size()) + 1;
    r.g->rules.push_back(std::move(ru));
    return true;
}

} // namespace

bool read_grammar(const char *path, grammar *g)
{
    reader r{path, g};
    std::ifstream in(path);
    if (!in) {
        fprintf(stderr, "%s: cannot open the grammar\n", path);
        return false;
    }
    std::vector<source_line> lines;
    bool in_prologue = false;
    int number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        std::string t = trim(text);
        if (in_prologue) {
            if (t == "%}")
                in_prologue = false;
            else
                g->prologue.push_back(text);
            continue;
        }
        if (t == "%{") {
            in_prologue = true;
            continue;
        }
        if (t.empty() || t[0] == '#')
            continue;
        lines.push_back({text, number});
    }
    if (in_prologue)
        return r.fail(number, "%{ without %}");
    std::vector<source_line> expanded;
    size_t at = 0;
    if (!expand(r, lines, at, expanded, false))
        return false;
    for (const source_line &line : expanded) {
        std::string t = trim(line.text);
        if (t.rfind("%nonterm", 0) == 0) {
            for (size_t i = 1; const std::string &w : words(t)) {
                if (i++ == 1)
                    continue;
                if (!is_identifier(w) || w.rfind("I_", 0) == 0)
                    r.fail(line.number, "'" + w + "' cannot name a nonterminal");
                else if (!g->nonterminal_number.emplace(w, static_cast<int>(g->nonterminals.size()) + 1).second)
                    r.fail(line.number, "nonterminal '" + w + "' declared twice");
                else
                    g->nonterminals.push_back(w);
            }
            continue;
        }
        if (t.rfind("%unlabelled", 0) == 0) {
            std::vector<std::string> w = words(t);
            g->unlabelled.insert(g->unlabelled.end(), w.begin() + 1, w.end());
            continue;
        }
        if (t[0] == '%') {
            r.fail(line.number, "unknown directive '" + words(t)[0] + "'");
            continue;
        }
        parse_rule(r, line);
    }
    if (r.ok && g->nonterminals.empty())
        r.fail(number, "no %nonterm declarations");
    return r.ok;
}

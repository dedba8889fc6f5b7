// The preprocessor proper: the stack of open files, the directives, the
// conditional groups, and the loop that sends the expanded text to the
// output.
#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include "vexpp/arena.h"
#include "vexpp/expander.h"
#include "vexpp/expr.h"
#include "vexpp/ident.h"
#include "vexpp/include_search.h"
#include "vexpp/lexer.h"
#include "vexpp/macro.h"
#include "vexpp/output.h"

namespace vexpp {

constexpr size_t MAX_INCLUDE_DEPTH = 200;

class Preprocessor;

// The tokens of the directive line being read, straight from the lexer.
class LineSource : public BaseSource {
public:
    explicit LineSource(Preprocessor &pp) : pp_(pp) {}
    void start() {
        done_ = false;
        has_pushback_ = false;
    }
    void raw(Token &t);
    void unread(const Token &t) {
        pushback_ = t;
        has_pushback_ = true;
    }
    bool done() const { return done_ && !has_pushback_; }

    void next(Token &t, bool in_call) override;
    bool next_is_lparen() override;
    void pragma_operator(const char *text, size_t len, uint32_t line, uint32_t file) override;

private:
    Preprocessor &pp_;
    Token pushback_;
    bool has_pushback_ = false;
    bool done_ = false;
};

class Preprocessor : public BaseSource {
public:
    Preprocessor(const SearchPath &search, Output &output);

    // A definition given on the command line: "NAME", "NAME=TEXT" or
    // "NAME(PARAMS)=TEXT".  Its diagnostics are reported at line 0 of `file`.
    void define_from_command_line(const std::string &definition, uint32_t file);
    void define_predefined(const char *name, const char *value);

    // Preprocesses `source`, after `preinclude` when that is not empty.
    void run(const std::string &source, const std::string &preinclude);

    void next(Token &t, bool in_call) override;
    bool next_is_lparen() override;
    void pragma_operator(const char *text, size_t len, uint32_t line, uint32_t file) override;

    Lexer &lexer() { return *files_.back().lexer; }

private:
    friend class LineSource;

    enum class Guard { Start, Inside, Closed, None };

    struct File {
        std::unique_ptr<Lexer> lexer;
        std::string path; // as opened
        std::string dir;  // where its quoted includes are looked for first
        size_t cond_base; // conditionals open when the file was entered
        Guard guard = Guard::Start;
        Ident *guard_macro = nullptr;
        size_t guard_depth = 0;
    };

    struct Conditional {
        uint32_t file, line;
        const char *directive;
        bool was_skipping; // the enclosing group is skipped
        bool taken;        // some group of this conditional was kept
        bool else_seen;
    };

    struct Keywords {
        Ident *define_, *undef_, *include_, *if_, *ifdef_, *ifndef_, *elif_, *else_, *endif_, *line_, *error_,
            *pragma_;
    };

    class ExprAdapter : public ExprTokens {
    public:
        explicit ExprAdapter(Expander &e) : e_(e) {}
        void next(Token &t, bool expand) override { expand ? e_.get(t) : e_.get_unexpanded(t); }

    private:
        Expander &e_;
    };

    bool enter_file(const std::string &path, uint32_t report_file, uint32_t report_line, const std::string &name,
                    bool announce);
    void leave_file();
    void unread(const Token &t) {
        pushback_ = t;
        has_pushback_ = true;
    }

    // directives.cpp
    void handle_directive(const Token &hash);
    void do_define();
    void do_undef();
    void do_include();
    void do_line(bool marker_form, const Token &first);
    void do_error();
    void do_pragma();
    void handle_pragma_text(const std::string &text, uint32_t line, uint32_t file);
    void finish_line(const char *directive);
    void skip_rest_of_line();
    std::string rest_of_line();
    bool read_header_name(std::string &name, bool &quoted);

    // conditionals.cpp
    void push_conditional(const char *directive, bool condition);
    void do_ifdef(bool want_defined, const char *directive);
    void do_if();
    void do_elif();
    void do_else();
    void do_endif();
    bool evaluate(const char *directive);
    void skip_group();
    void skipped_directive();

    SearchPath search_;
    Output &output_;
    IdentTable idents_;
    MacroTable macros_;
    Arena arena_;
    LineSource line_;
    Expander text_;
    Expander line_expander_;
    ExprAdapter expr_tokens_;
    Keywords kw_;
    std::vector<std::unique_ptr<SourceBuffer>> buffers_; // kept: tokens point into them
    std::vector<File> files_;
    std::vector<Conditional> conds_;
    bool skipping_ = false;
    Token pushback_;
    bool has_pushback_ = false;
    Token where_; // the '#' of the directive being handled
    std::vector<Token> line_tokens_;
    std::unordered_map<std::string, SourceBuffer *> contents_; // by path as opened
    std::unordered_map<std::string, Ident *> guards_;
    std::unordered_set<std::string> once_;
};

} // namespace vexpp

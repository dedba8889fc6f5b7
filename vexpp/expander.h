// Macro expansion: a stack of contexts, each the rest of one macro's
// replacement, read before the base token source.  A macro is disabled while
// its context is on the stack, and a name met while its macro is disabled is
// marked so that it never expands again.
#pragma once
#include <memory>
#include <vector>
#include "vexpp/arena.h"
#include "vexpp/ident.h"
#include "vexpp/macro.h"
#include "vexpp/token.h"

namespace vexpp {

// Where unexpanded tokens come from: the files, or one directive line.
class BaseSource {
public:
    virtual ~BaseSource() = default;
    // The next token.  Inside a macro call's arguments (`in_call`) the end of
    // the current file ends the call.  At the end returns TK_EOF, or TK_EOD at
    // the end of a directive line; both repeat when read again.
    virtual void next(Token &t, bool in_call) = 0;
    // Consumes the next token when it is '('; otherwise leaves it unread.
    virtual bool next_is_lparen() = 0;
    virtual void pragma_operator(const char *text, size_t len, uint32_t line, uint32_t file) = 0;
};

// Arguments are expanded recursively; this bounds the depth of calls inside
// arguments (f(f(f(...)))) so that the stack cannot overflow.
constexpr unsigned MAX_ARGUMENT_NESTING = 1000;

class Expander {
public:
    Expander(IdentTable &idents, MacroTable &macros, Arena &arena, BaseSource &base);

    void get(Token &t);            // the next token after macro expansion
    void get_unexpanded(Token &t); // the next token as it stands (operand of `defined`)

private:
    struct Context {
        const Token *cur;
        const Token *end;
        Macro *macro;              // re-enabled when the context is left
        std::vector<Token> *owned; // returned to the pool when the context is left
        bool barrier;              // an argument being pre-expanded: reads end here
    };
    using Buffer = std::vector<Token>;

    void read_raw(Token &t, bool in_call);
    bool peek_lparen();
    void pop_context();
    void push(const Token *begin, const Token *end, Macro *macro, Buffer *owned, bool barrier);
    Buffer *acquire();
    void release(Buffer *b);

    bool enter_macro(Macro *m, const Token &name);
    bool expand_builtin(Macro *m, const Token &name);
    bool collect_args(Macro *m, std::vector<Buffer *> &args);
    void substitute(Macro *m, std::vector<Buffer *> &args, Buffer &out);
    void expand_arg(const Buffer &arg, Buffer &out);
    void paste_all(Buffer &tokens);
    bool paste(const Token &lhs, const Token &rhs, Token &result);
    Token stringify(const Buffer &arg);

    // Thrown when arguments nest too deeply to expand; unwinds to the
    // outermost `get`, which drops the whole expansion.
    struct TooDeep {};
    void get_nested(Token &t);
    void drop_expansion();

    IdentTable &idents_;
    MacroTable &macros_;
    Arena &arena_;
    BaseSource &base_;
    std::vector<Context> contexts_;
    std::vector<std::unique_ptr<Buffer>> buffers_; // every buffer ever made
    std::vector<Buffer *> free_;
    uint8_t pending_white_ = 0;
    unsigned arg_depth_ = 0; // arguments being pre-expanded, one inside another
    uint32_t call_line_ = 0, call_file_ = 0; // position of the outermost macro call
};

} // namespace vexpp

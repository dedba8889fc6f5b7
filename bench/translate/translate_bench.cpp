// Translation throughput: preprocesses (with vexpp), parses and translates
// a generated unit of ordinary embedded C, and times the host's
// `gcc -fsyntax-only` on the same source in the same run.
//
//   translate_bench [LINES]      (default 60000)
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/common/bench_support.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "support/position.h"
#include "translate/translate.h"

namespace {

// One unit of about forty lines: a macro, a structure with bit-fields, a
// table, a function with loops, a switch, pointer and member arithmetic,
// calls and a string literal.
void s_unit(std::string &out, int i)
{
    static const char unit[] =
        "#define LIMIT@ (16 + @ % 7)\n"
        "struct chan@ { unsigned char id; unsigned ready : 1; unsigned mode : 3; int level; struct chan@ *next; };\n"
        "static int table@[8] = { 1, 2, 3, 4, 5, 6, 7, @ };\n"
        "static const rom char name@[] = \"channel\";\n"
        "unsigned int counter@;\n"
        "void emit@(const rom char *text, int value);\n"
        "int work@(struct chan@ *p, int x, unsigned char *buf)\n"
        "{\n"
        "    int i, sum = 0;\n"
        "    unsigned char c;\n"
        "    struct chan@ local;\n"
        "    for (i = 0; i < 8; i++) {\n"
        "        sum += table@[i] * x + (p->level << 2) - (sum >> 1);\n"
        "        if (sum > 1000 && x != 0)\n"
        "            sum = sum / x % 17;\n"
        "        else if (buf[i] == 'a' || buf[i] == '\\n')\n"
        "            sum ^= 0x55;\n"
        "    }\n"
        "    switch (x & 7) {\n"
        "    case 0: c = (unsigned char)sum; break;\n"
        "    case 1: c = buf[x & 3]; break;\n"
        "    case 5: c = (unsigned char)(sizeof(struct chan@) + sizeof local); break;\n"
        "    default: c = 0;\n"
        "    }\n"
        "    while (p != 0 && p->level > 0) {\n"
        "        p->level--;\n"
        "        if (p->ready)\n"
        "            p->mode = 2;\n"
        "        p = p->next;\n"
        "    }\n"
        "    do {\n"
        "        counter@ += c;\n"
        "    } while (--x > LIMIT@);\n"
        "    local.level = x ? sum : -sum;\n"
        "    local.ready = 1;\n"
        "    buf += 2;\n"
        "    emit@(name@, local.level);\n"
        "    emit@(\"done\", (int)(buf - (unsigned char *)0));\n"
        "    return sum + c + (local.level > 0 ? 1 : 2);\n"
        "}\n";
    bench::append_instance(out, unit, i);
}

std::string s_generate(int lines)
{
    std::string text = "typedef unsigned char byte;\n";
    for (int i = 0; static_cast<int>(std::count(text.begin(), text.end(), '\n')) < lines; ++i)
        s_unit(text, i);
    return text;
}

struct timing {
    double preprocess, parse, translate;
    double total() const { return preprocess + parse + translate; }
};

// Preprocesses `source` into `preprocessed`, then parses and translates
// it; false when any step posted a diagnostic.
bool s_compile(const char *source, const char *preprocessed, timing *t)
{
    auto start = bench::clock_type::now();
    const char *const vexpp[] = {VX_VEXPP, "-o", preprocessed, source, nullptr};
    if (!bench::run_quietly(VX_VEXPP, vexpp))
        return false;
    t->preprocess = bench::seconds_since(start);
    yyin = fopen(preprocessed, "r");
    if (!yyin)
        return false;
    snprintf(yyfilename, sizeof yyfilename, "%s", source);
    yylineno = 1;
    unsigned before = get_error_count() + get_warning_count();
    start = bench::clock_type::now();
    yyinitparse();
    int status = yyparse();
    t->parse = bench::seconds_since(start);
    start = bench::clock_type::now();
    stmt *unit = status == 0 ? trnTranslateAST(hl_get_ast()) : nullptr;
    t->translate = bench::seconds_since(start);
    trnFreeUnit(unit);
    yyuninitparse();
    fclose(yyin);
    yyin = nullptr;
    return status == 0 && get_error_count() + get_warning_count() == before;
}

// Each compile runs in a fresh process, as the compiler and gcc do, so no
// run inherits the heap that an earlier run left behind.
bool s_compile_in_child(const char *source, const char *preprocessed, timing *t)
{
    int channel[2];
    if (pipe(channel) != 0)
        return false;
    fflush(stdout);
    pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        timing measured{};
        bool clean = s_compile(source, preprocessed, &measured);
        bool written = clean && write(channel[1], &measured, sizeof measured) == sizeof measured;
        _exit(written ? 0 : 1);
    }
    close(channel[1]);
    bool received = pid > 0 && read(channel[0], t, sizeof *t) == sizeof *t;
    close(channel[0]);
    int status = 0;
    bool exited = pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return received && exited;
}

} // namespace

int main(int argc, char **argv)
{
    int lines = argc > 1 ? atoi(argv[1]) : 60000;
    if (lines < 1000)
        lines = 1000;
    const char *source = "translate_bench.c";
    const char *preprocessed = "translate_bench.i";
    std::string text = s_generate(lines);
    lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    if (!bench::write_file(source, text)) {
        fprintf(stderr, "translate_bench: cannot write %s\n", source);
        return 1;
    }
    error_level = 3;
    timing best = {1e9, 1e9, 1e9};
    double ours = 1e9, host = 1e9;
    for (int run = 0; run < 5; ++run) {
        timing t;
        if (!s_compile_in_child(source, preprocessed, &t)) {
            fprintf(stderr, "translate_bench: the generated unit did not compile cleanly\n");
            return 1;
        }
        if (t.total() < ours) {
            ours = t.total();
            best = t;
        }
        double g = bench::time_gcc_syntax_only(source);
        if (g < 0) {
            fprintf(stderr, "translate_bench: gcc -fsyntax-only failed on the generated unit\n");
            return 1;
        }
        host = std::min(host, g);
    }
    printf("input: %d lines, %zu bytes (best of 5 runs)\n", lines, text.size());
    printf("preprocess + parse + translate: %.4f s, %.0f lines/s\n", ours, lines / ours);
    printf("gcc -fsyntax-only:              %.4f s, %.0f lines/s\n", host, lines / host);
    printf("ratio ours / gcc:               %.2f\n", ours / host);
    printf("of which preprocess %.4f s, parse %.4f s, translate %.4f s\n", best.preprocess, best.parse,
           best.translate);
    remove(source);
    remove(preprocessed);
    return 0;
}

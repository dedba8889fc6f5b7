// Front-end throughput: scans, parses and builds the tree of a generated
// translation unit of ordinary C, and times the host's `gcc -fsyntax-only`
// on the same text in the same run.  Also prints the heap that the tree
// holds for three input sizes, to show that it grows linearly.
//
//   frontend_bench [LINES]      (default 60000)
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/common/bench_support.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "support/position.h"

namespace {

// One unit of about thirty lines: a typedef'd structure, an enumeration, a
// table and a function with loops, a switch and mixed expressions.
void s_unit(std::string &out, int i)
{
    static const char unit[] =
        "typedef struct node@ { int a; unsigned char b[4]; struct node@ *next; long total; } node@_t;\n"
        "enum colour@ { RED@, GREEN@ = 5, BLUE@, LAST@ = BLUE@ + 10 };\n"
        "static int table@[8] = { 1, 2, 3, 4, 5, 6, 7, @ };\n"
        "extern unsigned int counter@;\n"
        "int work@(node@_t *p, int x, const char *s)\n"
        "{\n"
        "    int i, sum = 0;\n"
        "    unsigned char c;\n"
        "    node@_t local;\n"
        "    for (i = 0; i < 8; i++) {\n"
        "        sum += table@[i] * x + (p->a << 2) - (sum >> 1);\n"
        "        if (sum > 1000 && x != 0)\n"
        "            sum = sum / x % 17;\n"
        "        else if (s[i] == 'a' || s[i] == '\\n')\n"
        "            sum ^= 0x55;\n"
        "    }\n"
        "    switch (x & 7) {\n"
        "    case 0: c = (unsigned char)sum; break;\n"
        "    case 1: c = p->b[x & 3]; break;\n"
        "    case GREEN@: c = (unsigned char)(sizeof(node@_t) + sizeof local); break;\n"
        "    default: c = 0;\n"
        "    }\n"
        "    while (p != 0 && p->a > 0) {\n"
        "        p->a--;\n"
        "        p->total += (long)p->a * 3L;\n"
        "        p = p->next;\n"
        "    }\n"
        "    local.a = x ? sum : -sum;\n"
        "    counter@ += (unsigned int)local.a;\n"
        "    return sum + c + (local.a > 0 ? 1 : 2);\n"
        "}\n";
    bench::append_instance(out, unit, i);
}

std::string s_generate(int lines)
{
    std::string text;
    int count = 0;
    for (int i = 0; count < lines; ++i) {
        s_unit(text, i);
        count += 31;
    }
    return text;
}

int s_line_count(const std::string &text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Parses `path` once; returns the seconds taken, or a negative value when
// the unit did not parse cleanly.  With `heap` the bytes held by the tree.
double s_parse(const char *path, size_t *heap = nullptr)
{
    yyin = fopen(path, "r");
    if (!yyin)
        return -1;
    snprintf(yyfilename, sizeof yyfilename, "%s", path);
    yylineno = 1;
    unsigned errors = get_error_count();
    size_t before = mallinfo2().uordblks;
    auto start = bench::clock_type::now();
    yyinitparse();
    int status = yyparse();
    double seconds = bench::seconds_since(start);
    if (heap)
        *heap = mallinfo2().uordblks - before;
    hl_free_ast(hl_get_ast());
    hl_set_ast(nullptr);
    yyuninitparse();
    fclose(yyin);
    yyin = nullptr;
    return status == 0 && get_error_count() == errors ? seconds : -1;
}

} // namespace

int main(int argc, char **argv)
{
    int lines = argc > 1 ? atoi(argv[1]) : 60000;
    if (lines < 1000)
        lines = 1000;
    const char *path = "frontend_bench.i";
    std::string text = s_generate(lines);
    lines = s_line_count(text);
    if (!bench::write_file(path, text)) {
        fprintf(stderr, "frontend_bench: cannot write %s\n", path);
        return 1;
    }

    double ours = 1e9, host = 1e9;
    for (int run = 0; run < 5; ++run) {
        double t = s_parse(path);
        if (t < 0) {
            fprintf(stderr, "frontend_bench: the generated unit did not parse cleanly\n");
            return 1;
        }
        ours = std::min(ours, t);
        double g = bench::time_gcc_syntax_only(path);
        if (g < 0) {
            fprintf(stderr, "frontend_bench: gcc -fsyntax-only failed on the generated unit\n");
            return 1;
        }
        host = std::min(host, g);
    }
    printf("input: %d lines, %zu bytes (best of 5 runs)\n", lines, text.size());
    printf("front end (scan + parse + tree): %.4f s, %.0f lines/s\n", ours, lines / ours);
    printf("gcc -fsyntax-only:               %.4f s, %.0f lines/s\n", host, lines / host);
    printf("ratio front end / gcc:           %.2f\n", ours / host);

    for (int part : {4, 2, 1}) {
        std::string piece = s_generate(lines / part);
        int piece_lines = s_line_count(piece);
        bench::write_file(path, piece);
        size_t heap = 0;
        s_parse(path, &heap);
        printf("tree heap for %6d lines: %9zu bytes, %.0f bytes/line\n", piece_lines, heap,
               static_cast<double>(heap) / piece_lines);
    }
    remove(path);
    return 0;
}

// Object emission: a unit of 10,000 variables and tables of 25,000
// initialized pointers (50,000 relocations) is parsed and translated, then
// the optimizer pass and the emitter that writes its object file are timed.
//
//   object_bench [VARIABLES] [POINTERS]      (default 10000 25000)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/common/bench_support.h"
#include "codegen/codegen.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "frontend/ast.h"
#include "frontend/parser.h"
#include "object/coff.h"
#include "object/emit.h"
#include "optimize/optimize.h"
#include "support/position.h"
#include "target/procdb.h"
#include "translate/translate.h"

namespace {

constexpr int POINTERS_PER_TABLE = 500;

std::string s_generate(int variables, int pointers)
{
    std::string text;
    for (int i = 0; i < variables; ++i)
        text += "char v" + std::to_string(i) + ";\n";
    for (int table = 0; table * POINTERS_PER_TABLE < pointers; ++table) {
        int count = std::min(POINTERS_PER_TABLE, pointers - table * POINTERS_PER_TABLE);
        text += "char *t" + std::to_string(table) + "[] = {";
        for (int i = 0; i < count; ++i)
            text += (i ? ", &v" : "&v") + std::to_string((table * POINTERS_PER_TABLE + i) * 7 % variables);
        text += "};\n";
    }
    return text;
}

struct timing {
    double translate, emit;
};

// Parses and translates `source`, then optimizes and writes the object;
// false when any step posted a diagnostic.
bool s_compile(const char *source, const char *object, timing *t)
{
    yyin = fopen(source, "r");
    if (!yyin)
        return false;
    snprintf(yyfilename, sizeof yyfilename, "%s", source);
    snprintf(ofile, sizeof ofile, "%s", object);
    yylineno = 1;
    auto start = bench::clock_type::now();
    yyinitparse();
    int status = yyparse();
    stmt *unit = status == 0 ? trnTranslateAST(hl_get_ast()) : nullptr;
    t->translate = bench::seconds_since(start);
    start = bench::clock_type::now();
    if (status == 0 && get_error_count() == 0) {
        optimize_assembly();
        emit_write_object_file(object);
    }
    t->emit = bench::seconds_since(start);
    genFree();
    trnFreeUnit(unit);
    yyuninitparse();
    fclose(yyin);
    yyin = nullptr;
    return status == 0 && get_error_count() == 0;
}

} // namespace

int main(int argc, char **argv)
{
    int variables = argc > 1 ? std::max(1, atoi(argv[1])) : 10000;
    int pointers = argc > 2 ? std::max(0, atoi(argv[2])) : 25000;
    const char *source = "object_bench.c";
    const char *object = "object_bench.o";
    if (!bench::write_file(source, s_generate(variables, pointers))) {
        fprintf(stderr, "object_bench: cannot write %s\n", source);
        return 1;
    }
    SetProcessor(DEFAULT_PROCESSOR);
    error_level = 3;
    timing t{};
    if (!s_compile(source, object, &t)) {
        fprintf(stderr, "object_bench: the generated unit did not compile cleanly\n");
        return 1;
    }
    coff_file *image = coff_read(object);
    if (!image) {
        fprintf(stderr, "object_bench: the object cannot be read back\n");
        return 1;
    }
    size_t relocations = 0;
    for (const coff_section &section : image->sections)
        relocations += section.relocs.size();
    printf("input: %d variables, %d pointers; object: %zu symbol entries, %zu relocations\n", variables,
           pointers, image->symbols.size(), relocations);
    printf("parse + translate: %.4f s\n", t.translate);
    printf("optimize + emit:   %.4f s\n", t.emit);
    coff_free(image);
    remove(source);
    remove(object);
    return 0;
}

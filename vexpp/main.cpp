// vexpp: the C preprocessor that the compiler runs before compiling.
#include <cstdio>
#include <string>
#include "driver/diag.h"
#include "support/platform.h"
#include "vexpp/options.h"
#include "vexpp/output.h"
#include "vexpp/preprocessor.h"
#include "vexpp/report.h"

using namespace vexpp;

namespace {

void show_search_path(const Options &options) {
    fprintf(stderr, "vexpp: Lumex Tarn preprocessor v3.16\n");
    fprintf(stderr, "#include \"...\" search starts in the including file's directory, then:\n");
    for (const std::string &dir : options.user_dirs)
        fprintf(stderr, " %s\n", dir.c_str());
    for (const std::string &dir : options.default_dirs)
        fprintf(stderr, " %s\n", dir.c_str());
    fprintf(stderr, "End of search list.\n");
}

// The text goes to a file beside the requested one and takes its name only
// when the run succeeds, so a failed run never leaves a partial output (nor
// destroys the source when both names are the same).
int preprocess(const Options &options) {
    const std::string &source = options.sources.front();
    uint32_t source_id = file_id(source);
    if (options.sources.size() > 1) {
        report(source_id, 0, 1033);
        return 1;
    }
    std::string temporary;
    FILE *stream = stdout;
    if (!options.output_file.empty()) {
        temporary = options.output_file + ".vexpp-part";
        stream = host_fopen(temporary.c_str(), "wb");
        if (!stream) {
            report(source_id, 0, 1500, options.output_file.c_str());
            return 1;
        }
    }
    bool written;
    {
        Output output(stream);
        try {
            SearchPath search{options.user_dirs, options.default_dirs};
            Preprocessor pp(search, output);
            pp.define_predefined("__STDC__", "1");
            for (const std::string &definition : options.defines)
                pp.define_from_command_line(definition, source_id);
            pp.run(source, options.preinclude);
        } catch (const compile_abort &) {
            // The error limit was reached; the errors already say why.
        }
        written = output.finish();
    }
    if (!written) {
        try {
            report(source_id, 0, 1000, ("unable to write '" + options.output_file + "'").c_str());
        } catch (const compile_abort &) {
        }
    }
    bool ok = get_error_count() == 0;
    if (stream != stdout) {
        fclose(stream);
        if (!ok || std::rename(host_path(temporary.c_str()).c_str(), host_path(options.output_file.c_str()).c_str()) != 0) {
            host_remove(temporary.c_str());
            if (ok) {
                report(source_id, 0, 1500, options.output_file.c_str());
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    Options options;
    std::string message;
    switch (parse_options(argc, argv, options, message)) {
    case ParseResult::Help:
        fputs(usage_text, stdout);
        return 0;
    case ParseResult::Error:
        fprintf(stderr, "vexpp: %s\n%s", message.c_str(), usage_text);
        return 1;
    case ParseResult::Run:
        break;
    }
    error_level = options.diagnostic_level;
    for (unsigned number : options.suppressed)
        suppress_message(number);
    if (!options.error_file.empty() && error_init(options.error_file.c_str()) != 0) {
        fprintf(stderr, "vexpp: unable to open file %s\n", options.error_file.c_str());
        return 1;
    }
    if (options.verbose)
        show_search_path(options);
    int status;
    try {
        status = preprocess(options);
    } catch (const compile_abort &) {
        status = 1;
    }
    if (!options.error_file.empty())
        error_uninit();
    return status;
}

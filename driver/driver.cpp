// One compiler run: the checks before compiling, the file names, the
// preprocessor child, the guarded stages and the shut-down.
#include "driver/driver.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/options.h"
#include "support/platform.h"
#include "support/vxassert.h"
#include "target/procdb.h"

// Processors 218 to 221 lack the LFSR instruction.
constexpr int FIRST_PROCESSOR_WITHOUT_LFSR = 218;
constexpr int LAST_PROCESSOR_WITHOUT_LFSR = 221;

static const char *s_last_separator(const char *path)
{
    const char *separator = strrchr(path, '/');
    return separator ? separator : strrchr(path, '\\');
}

unsigned pathdir(char *buf, const char *path, unsigned size)
{
    const char *separator = s_last_separator(path);
    const char *dir = separator ? path : ".";
    size_t length = separator ? static_cast<size_t>(separator - path) : 1;
    size_t needed = length + 2;
    if (size < needed)
        return static_cast<unsigned>(needed);
    memcpy(buf, dir, length);
    buf[length] = '\\';
    buf[length + 1] = '\0';
    return static_cast<unsigned>(length + 1);
}

const char *pathfile(const char *path)
{
    const char *separator = s_last_separator(path);
    return separator ? separator + 1 : path;
}

void signon() { printf("Lumex Tarn VxCORE C Compiler v3.16\n"); }

void signoff()
{
    if (error_level > 0)
        printf("Errors:    %u\n", get_error_count());
    if (error_level > 1)
        printf("Warnings:  %u\n", get_warning_count());
    if (error_level > 2)
        printf("Messages:  %u\n", get_message_count());
}

// The inverse of the child's splitting: backslashes count only in front of
// a double quote, so those runs are doubled and the quote escaped; the run
// in front of the closing quote is doubled too.
static std::string s_quote(const char *text)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char *c = text; *c; ++c) {
        if (*c == '\\') {
            ++backslashes;
            continue;
        }
        if (*c == '"')
            quoted.append(2 * backslashes + 1, '\\');
        else
            quoted.append(backslashes, '\\');
        quoted += *c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

char *quote_argument(const char *text)
{
    char *copy = strdup(s_quote(text).c_str());
    VX_ASSERT(copy != nullptr);
    return copy;
}

// A definition travels as given unless blanks or quotes in it would be
// taken apart by the child's splitting of the joined command line.
static std::string s_definition_argument(const char *definition)
{
    return strpbrk(definition, " \t\"") ? s_quote(definition) : std::string(definition);
}

static void s_free_dependent_files()
{
    if (dependent_file_list)
        list_free(dependent_file_list, s_free_object);
    dependent_file_list = nullptr;
}

// Ends the run when a derived name does not fit its buffer, rather than
// cutting it and compiling under a different name.
static void s_store_name(char *buffer, const std::string &name)
{
    if (name.size() >= static_cast<size_t>(MAX_PATH_LENGTH)) {
        printf("Error: file name '%s' is too long\n", name.c_str());
        exit(1);
    }
    memcpy(buffer, name.c_str(), name.size() + 1);
}

void _initialize_compiler(const char *filename, const char *error_file_name, const char *object_file_name,
                          int processor)
{
    SetProcessor(processor);
    if (getInstSet(processor) != _VxCORE) {
        printf("Error: unsupported processor %s\n", getDvsProcName(processor));
        exit(-1);
    }
    stage_config_initialize();

    std::string cwd = host_getcwd();
    split_path parts = _splitpath(filename);
    bool has_extension = !parts.ext.empty();
    s_store_name(yyfilename, has_extension ? std::string(filename) : std::string(filename) + ".c");
    s_store_name(efile, error_file_name ? std::string(error_file_name) : _makepath("", cwd, parts.fname, ".err"));
    s_store_name(ofile, object_file_name ? std::string(object_file_name) : _makepath("", cwd, parts.fname, ".o"));
    s_store_name(sfile, _fullpath(yyfilename));
    s_store_name(basefilename, parts.fname);
    s_store_name(pfile, parts.fname + ".i");

    if (host_access(filename, F_OK) != 0 && (has_extension || host_access(yyfilename, F_OK) != 0)) {
        fflush(stdout);
        fprintf(stderr, "Error: unable to locate '%s'\n", filename);
        exit(1);
    }
    dependent_file_list = list_create(sizeof(char *));
    VX_ASSERT(dependent_file_list != nullptr);
}

void _uninitialize_compiler()
{
    stage_end_parse();
    error_uninit();
    s_free_dependent_files();
}

// The compiler's own directory comes from argv[0] as the shell passed it.
// A bare name there means the shell found the compiler on PATH, so the
// directory is taken from the running image instead of the current one.
static std::string s_compiler_path(const char *argv0)
{
    if (strpbrk(argv0, "/\\"))
        return argv0;
    std::vector<char> image(PATH_MAX);
    ssize_t length = readlink("/proc/self/exe", image.data(), image.size());
    if (length <= 0 || static_cast<size_t>(length) >= image.size())
        return argv0;
    return std::string(image.data(), static_cast<size_t>(length));
}

static std::string s_compiler_directory(const char *argv0)
{
    std::string compiler = s_compiler_path(argv0);
    unsigned size = pathdir(nullptr, compiler.c_str(), 0);
    std::string dir(size, '\0');
    dir.resize(pathdir(dir.data(), compiler.c_str(), size));
    return dir;
}

static std::string s_preprocessor_path(const char *argv0) { return s_compiler_directory(argv0) + "vexpp"; }

// Without VEXC_INCLUDE the library headers of the installation are found
// beside the compiler's directory, in ../include.
static const char *s_default_include_path(const char *argv0)
{
    if (const char *given = getenv("VEXC_INCLUDE"))
        return given;
    static std::string installed;
    installed = s_compiler_directory(argv0) + "../include";
    return host_access(installed.c_str(), F_OK) == 0 ? installed.c_str() : nullptr;
}

static std::vector<std::string> s_preprocessor_arguments(const std::string &executable)
{
    std::vector<std::string> args = {s_quote(executable.c_str())};
    for (unsigned i = 0; i < num_includes; ++i)
        args.insert(args.end(), {"--include", includes[i]});
    for (unsigned i = 0; i < num_defines; ++i)
        args.insert(args.end(), {"--define", s_definition_argument(command_line_defines[i])});
    args.insert(args.end(), {"-o", s_quote(pfile), "-e", s_quote(efile)});
    if (_cmdline_include_file_name)
        args.insert(args.end(), {"-z", s_quote(_cmdline_include_file_name)});
    args.push_back(s_quote(yyfilename));
    args.push_back("--diagnostic-level=" + std::to_string(error_level));
    args.push_back("-d__VxCORE");
    args.push_back(std::string("-d__") + getDvsProcName(GetProcessor()));
    args.push_back(memory_model == 3 ? "-d__LARGE__" : "-d__SMALL__");
    args.push_back("-d__TRADITIONALVx__");
    if (standard_c_flag)
        args.push_back("-d__STANDARD_C__");
    if (!plain_char_signed_flag)
        args.push_back("-d__CHAR_UNSIGNED__");
    if (DefaultIncludePath)
        args.insert(args.end(), {"-i", s_quote(DefaultIncludePath)});
    if (verbose)
        args.push_back("--verbose");
    if (suppress_message_option) {
        std::string words = suppress_message_option;
        for (size_t start = 0; (start = words.find_first_not_of(' ', start)) != std::string::npos;) {
            size_t end = words.find(' ', start);
            args.push_back(words.substr(start, end - start));
            start = end;
        }
    }
    return args;
}

static void s_dump_preprocessor_command(const std::string &executable, const std::vector<std::string> &args)
{
    puts("\n\tPreprocessor command line");
    printf("\tExecutable:   %s\n\n", executable.c_str());
    puts("\tParameters:");
    for (size_t i = 1; i < args.size(); ++i)
        printf("\t\t%s\n", args[i].c_str());
    puts("\n");
}

static void s_report_spawn_failure(const std::string &executable, int error)
{
    printf("Error executing %s.", executable.c_str());
    switch (error) {
    case E2BIG:
        printf("Argument list exceeds 1024 bytes\n");
        break;
    case ENOENT:
        printf("File or path is not found\n");
        break;
    case ENOEXEC:
    case EACCES:
        printf("Specified file is not executable or has invalid executable-file format\n");
        break;
    case ENOMEM:
        printf("Not enough memory is available to execute new process\n");
        break;
    case EINVAL:
        printf("'mode' argument is invalid\n");
        break;
    default:
        printf("Unknown error [errno = %d]\n", error);
        break;
    }
}

// Returns the preprocessor's exit status, or -1 when it could not be run.
static int s_run_preprocessor(const char *argv0)
{
    std::string executable = s_preprocessor_path(argv0);
    std::vector<std::string> args = s_preprocessor_arguments(executable);
    if (dump_preprocessor_cmd_line)
        s_dump_preprocessor_command(executable, args);

    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    argv.push_back(nullptr);
    // The child writes to the same stdout; what was printed so far goes first.
    fflush(stdout);
    int status = spawnvp(_P_WAIT, executable.c_str(), argv.data());
    if (status == -1)
        s_report_spawn_failure(executable, errno);
    return status;
}

// An exit status is a byte; a count of 256 errors must not read as success.
static int s_exit_status(unsigned error_count) { return error_count > 255 ? 255 : static_cast<int>(error_count); }

static int s_preprocess_and_compile(const char *argv0)
{
    if (s_run_preprocessor(argv0) != 0)
        return 1;
    if (preprocess_only)
        return 0;
    if (error_init(efile) != 0) {
        printf("unable to open file %s", efile);
        return 1;
    }
    yyin = host_fopen(pfile, "r");
    if (!yyin) {
        post_error(1500, sfile);
        error_uninit();
        return 1;
    }
    stage_begin_parse();
    host_remove(ofile);

    try {
        run_compilation_stages();
    } catch (const compile_abort &) {
        // A fatal diagnostic or the error limit: skip to the shut-down.
    }

    _uninitialize_compiler();
    fclose(yyin);
    yyin = nullptr;
    host_remove(pfile);
    if (verbose)
        signoff();
    return s_exit_status(get_error_count());
}

int compiler_main(int argc, const char **argv)
{
    int have_context = cmd_init(argc, argv);
    VX_ASSERT(have_context);
    atexit(cmd_free);

    if (argc <= 1) {
        cmd_show_help();
        return 0;
    }
    switch (cmd_parse_args()) {
    case 0:
        return 1;
    case -1:
        return 0;
    }

    if (show_pragma_config_help) {
        fflush(stdout);
        if (!processor_specified_on_cmdline)
            fputs("Must specify a processor with -p to use --help-config\n", stderr);
        else if (generic_processor_flag)
            fputs("Must specify a non-generic processor with -p to use --help-config\n", stderr);
        else
            stage_config_help();
        return 0;
    }

    signon();
    if (dump_version_only)
        return 0;
    if (stack_multi_bank_flag && getInstSet(processor) != _VxCORE) {
        printf("multi-bank stack supported only on VxCORE core");
        return 0;
    }
    lfsr_valid = processor < FIRST_PROCESSOR_WITHOUT_LFSR || processor > LAST_PROCESSOR_WITHOUT_LFSR;

    if (!_source_file_name) {
        puts("no file specified.");
        if (verbose)
            signoff();
        return s_exit_status(get_error_count());
    }

    _initialize_compiler(_source_file_name, _error_file_name, _object_file_name, processor);
    DefaultIncludePath = s_default_include_path(argv[0]);
    int status = s_preprocess_and_compile(argv[0]);
    s_free_dependent_files();
    return status;
}

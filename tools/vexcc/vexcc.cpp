#include "tools/vexcc/vexcc.h"

#include <popt.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>

#include "driver/options.h"

extern char **environ;

namespace fs = std::filesystem;

namespace {

const char USAGE[] =
    "Usage: vexcc [options] FILE.c|FILE.o|FILE.a... [-o PROG.hex]\n"
    "Compiles each C file with vexc, links the objects with vxlink (start-up code\n"
    "and runtime library included) into an Intel HEX program and, with --run,\n"
    "runs it in vxsim.\n"
    "\n"
    "Options:\n"
    "  -o FILE       the program (default: the first input's base name with .hex),\n"
    "                or with -c and one C file, its object\n"
    "  -m FILE       also write the link map\n"
    "  -c            compile only: each C file to its base name with .o\n"
    "  --run         run the program in vxsim; its output goes to standard output\n"
    "                and vexcc exits with its status (the low byte of main's result\n"
    "                or of the value given to exit; 134 after abort)\n"
    "  --cycles N    with --run, the simulator's cycle limit\n"
    "  --stack N     bytes of software stack (vxlink --stack)\n"
    "  -p NAME       the device, for the compiler, the linker and the simulator\n"
    "  -O0           all optimizations off (vexc -O-)\n"
    "  -O2, -Os      all optimizations on (vexc -O+)\n"
    "  -v            show each command before it runs\n"
    "  -h, --help    print this help\n"
    "\n"
    "Every other vexc option (vexc --help), such as -I, -D, -O-, -O<x>+, -ms,\n"
    "-ml, -k, -w, -nw, -sco, -scs and -sca, goes to each compile; vexc's -fo,\n"
    "-fe, -E and help options are vexcc's business or none of it.\n"
    "\n"
    "Messages of every stage go to standard error.  Exit status: 0 after a good\n"
    "build, 1 for bad usage or a failed stage (and then no output is left\n"
    "behind); with --run, the status of vxsim --exit-status.\n";

// gcc-like optimization levels, for build scripts written for a host compiler.
struct level_alias {
    const char *given;
    const char *vexc;
};
constexpr level_alias LEVEL_ALIASES[] = {{"-O0", "-O-"}, {"-O2", "-O+"}, {"-Os", "-O+"}};

// Compiler options that would fight vexcc over the files it names, or that
// make vexc print instead of compile.  vexc's -h and -v never get here:
// vexcc has options of those names.
bool s_refused(const poptOption &entry)
{
    if (entry.longName)
        return std::strcmp(entry.longName, "fo") == 0 || std::strcmp(entry.longName, "fe") == 0 ||
               std::strncmp(entry.longName, "help", 4) == 0;
    return entry.shortName == 'E' || entry.shortName == '?';
}

bool s_takes_value(const poptOption &entry)
{
    unsigned kind = entry.argInfo & POPT_ARG_MASK;
    return kind != POPT_ARG_NONE && kind != POPT_ARG_VAL;
}

struct compiler_match {
    const poptOption *entry = nullptr;
    bool value_follows = false; // the value is the next argument
    std::string value;          // else the value given in the same argument
};

// Finds `arg` in vexc's option table the way popt reads it: "--name",
// "-name" for one-dash names, "=VALUE" after either, and "-xVALUE" for a
// one-letter option with a value.  Whole names are tried first, so that
// "-pa" is the option and not "-p a".
bool s_match_compiler_option(const std::string &arg, compiler_match *match)
{
    bool two_dashes = arg.compare(0, 2, "--") == 0;
    std::string body = arg.substr(two_dashes ? 2 : 1);
    for (const poptOption *entry = options_table; entry->longName || entry->shortName; entry++) {
        if (!entry->longName || (!two_dashes && !(entry->argInfo & POPT_ARGFLAG_ONEDASH)))
            continue;
        std::string name = entry->longName;
        if (body == name) {
            match->entry = entry;
            match->value_follows = s_takes_value(*entry);
            return true;
        }
        if (s_takes_value(*entry) && body.compare(0, name.size() + 1, name + "=") == 0) {
            match->entry = entry;
            match->value = body.substr(name.size() + 1);
            return true;
        }
    }
    if (two_dashes || body.empty())
        return false;
    for (const poptOption *entry = options_table; entry->longName || entry->shortName; entry++) {
        if (entry->shortName != body[0])
            continue;
        if (body.size() == 1) {
            match->entry = entry;
            match->value_follows = s_takes_value(*entry);
            return true;
        }
        if (s_takes_value(*entry)) {
            match->entry = entry;
            match->value = body.substr(body[1] == '=' ? 2 : 1);
            return true;
        }
    }
    return false;
}

bool s_has_extension(const std::string &path, const char *extension)
{
    size_t length = std::strlen(extension);
    return path.size() > length && path.compare(path.size() - length, length, extension) == 0;
}

std::string s_base_name(const std::string &path)
{
    return fs::path(path).stem().string();
}

// Quotes an argument for -v only when a shell would need it.
std::string s_shell_word(const std::string &word)
{
    if (!word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789-_./=+:,@%") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

enum stdout_use { KEEP_STDOUT, STDOUT_TO_STDERR };

// Runs a tool and returns its exit status, 128 + N for a tool killed by
// signal N, or -1 when it could not be started (after saying why).
int s_spawn(const std::vector<std::string> &command, stdout_use use, bool verbose)
{
    if (verbose) {
        std::string line;
        for (const std::string &word : command)
            line += (line.empty() ? "" : " ") + s_shell_word(word);
        std::fprintf(stderr, "%s\n", line.c_str());
    }
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (use == STDOUT_TO_STDERR)
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    std::fflush(stdout);
    std::fflush(stderr);
    pid_t pid = 0;
    int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error) {
        std::fprintf(stderr, "vexcc: cannot run %s: %s\n", argv[0], std::strerror(error));
        return -1;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            std::fprintf(stderr, "vexcc: lost %s: %s\n", argv[0], std::strerror(errno));
            return -1;
        }
    }
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

// The other tools are installed beside vexcc.
std::string s_tool_directory(const char *argv0)
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        self = fs::absolute(argv0, error);
    return self.parent_path().string();
}

// Every file vexcc writes goes first into a directory of its own beside the
// final output, and is renamed into place only when its stage succeeded, so
// a failure anywhere leaves nothing half written.  The directory goes away
// with this object.
class scratch_directory {
public:
    ~scratch_directory()
    {
        if (!path_.empty()) {
            std::error_code error;
            fs::remove_all(path_, error);
        }
    }

    bool create(const std::string &beside)
    {
        fs::path directory = fs::path(beside).parent_path();
        std::string pattern = ((directory.empty() ? fs::path(".") : directory) / ".vexcc-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!mkdtemp(name.data())) {
            std::fprintf(stderr, "vexcc: cannot create a working directory beside '%s': %s\n", beside.c_str(),
                         std::strerror(errno));
            return false;
        }
        path_ = name.data();
        return true;
    }

    // A name in the directory that no earlier call has given.
    std::string file(const std::string &name)
    {
        std::string candidate = name;
        for (unsigned n = 2; !used_.insert(candidate).second; n++)
            candidate = fs::path(name).stem().string() + "-" + std::to_string(n) + fs::path(name).extension().string();
        return (fs::path(path_) / candidate).string();
    }

private:
    std::string path_;
    std::set<std::string> used_;
};

bool s_move(const std::string &from, const std::string &to)
{
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    std::fprintf(stderr, "vexcc: cannot write '%s': %s\n", to.c_str(), std::strerror(errno));
    return false;
}

int s_usage_error(const std::string &message)
{
    std::fprintf(stderr, "vexcc: %s\nTry 'vexcc --help' for more information.\n", message.c_str());
    return 1;
}

struct build {
    const vexcc_options &options;
    std::string tools;
    scratch_directory scratch;
    std::vector<std::string> objects; // the scratch object of each C file, in input order

    std::string tool(const char *name) const { return (fs::path(tools) / name).string(); }

    void add_processor(std::vector<std::string> *command) const
    {
        if (!options.processor.empty())
            command->insert(command->end(), {"-p", options.processor});
    }

    bool compile()
    {
        for (const vexcc_input &input : options.inputs) {
            if (input.kind != INPUT_SOURCE)
                continue;
            std::string object = scratch.file(s_base_name(input.path) + ".o");
            std::string errors = scratch.file(s_base_name(input.path) + ".err");
            std::vector<std::string> command{tool("vexc")};
            command.insert(command.end(), options.compiler.begin(), options.compiler.end());
            command.insert(command.end(), {input.path, "-fo", object, "-fe", errors});
            int status = s_spawn(command, STDOUT_TO_STDERR, options.verbose);
            if (status != 0 || !fs::exists(object)) {
                if (status >= 0)
                    std::fprintf(stderr, "vexcc: compiling '%s' failed\n", input.path.c_str());
                return false;
            }
            objects.push_back(object);
        }
        return true;
    }

    bool link(const std::string &hex, const std::string &map)
    {
        std::vector<std::string> command{tool("vxlink")};
        add_processor(&command);
        if (!options.stack.empty())
            command.insert(command.end(), {"--stack", options.stack});
        size_t next_object = 0;
        for (const vexcc_input &input : options.inputs)
            command.push_back(input.kind == INPUT_SOURCE ? objects[next_object++] : input.path);
        command.insert(command.end(), {"-o", hex});
        if (!map.empty())
            command.insert(command.end(), {"-m", map});
        int status = s_spawn(command, STDOUT_TO_STDERR, options.verbose);
        if (status != 0) {
            if (status >= 0)
                std::fprintf(stderr, "vexcc: linking failed\n");
            return false;
        }
        return true;
    }

    int run(const std::string &hex, const std::string &map)
    {
        std::vector<std::string> command{tool("vxsim")};
        add_processor(&command);
        command.insert(command.end(), {"-m", map, "--exit-status"});
        if (!options.cycles.empty())
            command.insert(command.end(), {"--cycles", options.cycles});
        command.push_back(hex);
        int status = s_spawn(command, KEEP_STDOUT, options.verbose);
        return status < 0 ? 1 : status;
    }
};

// The object that -c writes for each C file.
std::vector<std::string> s_object_names(const vexcc_options &options)
{
    std::vector<std::string> names;
    for (const vexcc_input &input : options.inputs)
        names.push_back(options.output.empty() ? s_base_name(input.path) + ".o" : options.output);
    return names;
}

int s_compile_only(build *b)
{
    std::vector<std::string> names = s_object_names(b->options);
    if (!b->scratch.create(names.front()) || !b->compile())
        return 1;
    for (size_t i = 0; i < names.size(); i++) {
        if (!s_move(b->objects[i], names[i]))
            return 1;
    }
    return 0;
}

int s_build(build *b)
{
    const vexcc_options &options = b->options;
    std::string hex = options.output.empty() ? s_base_name(options.inputs.front().path) + ".hex" : options.output;
    if (!b->scratch.create(hex) || !b->compile())
        return 1;
    std::string scratch_hex = b->scratch.file(fs::path(hex).filename().string());
    std::string scratch_map;
    if (!options.map.empty() || options.run)
        scratch_map = b->scratch.file(fs::path(hex).stem().string() + ".map");
    if (!b->link(scratch_hex, scratch_map))
        return 1;
    std::string map = scratch_map;
    if (!options.map.empty()) {
        if (!s_move(scratch_map, options.map))
            return 1;
        map = options.map;
    }
    if (!s_move(scratch_hex, hex)) {
        if (!options.map.empty())
            std::remove(options.map.c_str());
        return 1;
    }
    return options.run ? b->run(hex, map) : 0;
}

// Checks what parsing cannot: the combinations of options and inputs.
std::string s_check(const vexcc_options &options)
{
    if (options.inputs.empty())
        return "no input files given";
    if (options.compile_only) {
        for (const vexcc_input &input : options.inputs) {
            if (input.kind != INPUT_SOURCE)
                return "-c compiles C files only, so '" + input.path + "' would not be used";
        }
        if (!options.map.empty() || options.run || !options.cycles.empty() || !options.stack.empty())
            return "-c stops before linking, so -m, --run, --cycles and --stack do not apply";
        if (!options.output.empty() && options.inputs.size() > 1)
            return "-o with -c names one object, but " + std::to_string(options.inputs.size()) +
                   " C files are given";
        std::set<std::string> seen;
        for (const std::string &name : s_object_names(options)) {
            if (!seen.insert(name).second)
                return "two C files would both be compiled to '" + name + "'";
        }
    } else if (!options.cycles.empty() && !options.run) {
        return "--cycles applies to --run only";
    }
    std::string hex = options.output;
    for (const vexcc_input &input : options.inputs) {
        if (access(input.path.c_str(), R_OK) != 0)
            return "cannot read '" + input.path + "': " + std::strerror(errno);
        if (!options.compile_only && (input.path == hex || input.path == options.map))
            return "output file '" + input.path + "' is also an input";
    }
    if (!options.map.empty() && options.map == hex)
        return "the map and the program cannot be the same file";
    return "";
}

} // namespace

std::string vexcc_parse(const std::vector<std::string> &args, vexcc_options *options)
{
    for (size_t i = 0; i < args.size(); i++) {
        const std::string &arg = args[i];
        // The options of vexcc's own that take a value.
        struct own_value {
            const char *name;
            std::string *value;
        };
        const own_value own_values[] = {
            {"-o", &options->output}, {"-m", &options->map}, {"--cycles", &options->cycles},
            {"--stack", &options->stack},
        };
        bool taken = false;
        for (const own_value &own : own_values) {
            if (arg != own.name)
                continue;
            if (i + 1 >= args.size() || args[i + 1].empty())
                return std::string("option ") + own.name + " needs a value";
            *own.value = args[++i];
            taken = true;
        }
        if (taken)
            continue;
        if (arg == "-h" || arg == "--help") {
            options->help = true;
            continue;
        }
        if (arg == "-c") {
            options->compile_only = true;
            continue;
        }
        if (arg == "--run") {
            options->run = true;
            continue;
        }
        if (arg == "-v") {
            options->verbose = true;
            continue;
        }
        const level_alias *alias = nullptr;
        for (const level_alias &candidate : LEVEL_ALIASES) {
            if (arg == candidate.given)
                alias = &candidate;
        }
        if (alias) {
            options->compiler.push_back(alias->vexc);
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            compiler_match match;
            if (!s_match_compiler_option(arg, &match))
                return "unknown option '" + arg + "'";
            if (s_refused(*match.entry))
                return "option '" + arg + "' is not for vexcc; run vexc for it";
            if (match.value_follows && i + 1 >= args.size())
                return "option '" + arg + "' needs a value";
            options->compiler.push_back(arg);
            if (match.value_follows)
                options->compiler.push_back(args[++i]);
            if (match.entry->shortName == 'p')
                options->processor = match.value_follows ? options->compiler.back() : match.value;
            continue;
        }
        if (s_has_extension(arg, ".c"))
            options->inputs.push_back({arg, INPUT_SOURCE});
        else if (s_has_extension(arg, ".o"))
            options->inputs.push_back({arg, INPUT_OBJECT});
        else if (s_has_extension(arg, ".a"))
            options->inputs.push_back({arg, INPUT_ARCHIVE});
        else
            return "'" + arg + "' is no C file (.c), object (.o) or archive (.a)";
    }
    return "";
}

int vexcc_main(int argc, char **argv)
{
    vexcc_options options;
    std::string error = vexcc_parse(std::vector<std::string>(argv + 1, argv + argc), &options);
    if (!error.empty())
        return s_usage_error(error);
    if (options.help) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    error = s_check(options);
    if (!error.empty())
        return s_usage_error(error);
    build b{options, s_tool_directory(argv[0]), {}, {}};
    return options.compile_only ? s_compile_only(&b) : s_build(&b);
}

#include "support/platform.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

std::string host_path(const char *path)
{
    std::string result = path;
    for (char &c : result)
        if (c == '\\')
            c = '/';
    return result;
}

// The child of a joined command line sees its arguments the way the host's
// C runtime splits that line: white space separates arguments, double quotes
// group and disappear, and backslashes only matter in front of a quote.
static std::vector<std::string> split_command_line(const std::string &line)
{
    std::vector<std::string> args;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i == line.size())
            break;
        std::string arg;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                arg.append(backslashes / 2, '\\');
                if (backslashes % 2) {
                    arg += '"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
                    arg += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                arg.append(backslashes, '\\');
                if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')))
                    arg += line[i++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

int spawnvp(int mode, const char *cmdname, const char *const *argv)
{
    if (mode != _P_WAIT) {
        errno = EINVAL;
        return -1;
    }
    std::string line;
    for (const char *const *arg = argv; *arg; ++arg) {
        if (arg != argv)
            line += ' ';
        line += *arg;
    }
    std::vector<std::string> args = split_command_line(line);
    std::vector<char *> child_argv;
    for (std::string &arg : args)
        child_argv.push_back(arg.data());
    child_argv.push_back(nullptr);

    std::string program = host_path(cmdname);
    pid_t pid;
    int error = posix_spawn(&pid, program.c_str(), nullptr, nullptr, child_argv.data(), environ);
    if (error != 0) {
        errno = error;
        return -1;
    }
    int status;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 128 + WTERMSIG(status);
}

static bool is_separator(char c) { return c == '/' || c == '\\'; }

split_path _splitpath(const char *path)
{
    split_path parts;
    std::string rest = path;
    if (rest.size() >= 2 && rest[1] == ':' && isalpha(static_cast<unsigned char>(rest[0]))) {
        parts.drive = rest.substr(0, 2);
        rest.erase(0, 2);
    }
    size_t last_separator = rest.find_last_of("/\\");
    size_t name_start = last_separator == std::string::npos ? 0 : last_separator + 1;
    parts.dir = rest.substr(0, name_start);
    std::string name = rest.substr(name_start);
    size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) {
        parts.fname = name;
    } else {
        parts.fname = name.substr(0, dot);
        parts.ext = name.substr(dot);
    }
    return parts;
}

std::string _makepath(const std::string &drive, const std::string &dir, const std::string &fname,
                      const std::string &ext)
{
    std::string path = drive + dir;
    if (!dir.empty() && !is_separator(dir.back()))
        path += '/';
    path += fname;
    if (!ext.empty() && ext[0] != '.')
        path += '.';
    return path + ext;
}

std::string host_getcwd()
{
    std::vector<char> buffer(PATH_MAX);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string _fullpath(const char *path)
{
    std::string native = host_path(path);
    if (native.empty() || native[0] != '/')
        native = host_getcwd() + "/" + native;
    std::vector<std::string> components;
    size_t start = 0;
    while (start <= native.size()) {
        size_t end = native.find('/', start);
        if (end == std::string::npos)
            end = native.size();
        std::string component = native.substr(start, end - start);
        if (component == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!component.empty() && component != ".") {
            components.push_back(component);
        }
        start = end + 1;
    }
    std::string full;
    for (const std::string &component : components)
        full += "/" + component;
    return full.empty() ? "/" : full;
}

int host_access(const char *path, int mode) { return access(host_path(path).c_str(), mode); }
int host_remove(const char *path) { return remove(host_path(path).c_str()); }
FILE *host_fopen(const char *path, const char *mode) { return fopen(host_path(path).c_str(), mode); }

// Pieces every compiler benchmark needs: generated source text, files,
// timing and quietly run host programs.
#pragma once
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

namespace bench {

using clock_type = std::chrono::steady_clock;

inline double seconds_since(clock_type::time_point start)
{
    return std::chrono::duration<double>(clock_type::now() - start).count();
}

// Appends `unit` with every '@' replaced by the instance number `i`, so
// that each copy declares names of its own.
inline void append_instance(std::string &out, const char *unit, int i)
{
    std::string number = std::to_string(i);
    for (const char *p = unit; *p; ++p) {
        if (*p == '@')
            out += number;
        else
            out += *p;
    }
}

inline bool write_file(const char *path, const std::string &text)
{
    FILE *f = fopen(path, "w");
    if (!f)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && ok;
}

// Runs a host program with its output discarded; true when it exits with 0.
inline bool run_quietly(const char *program, const char *const *argv)
{
    pid_t pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stderr) || !freopen("/dev/null", "w", stdout))
            _exit(127);
        execvp(program, const_cast<char *const *>(argv));
        _exit(127);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Seconds that `gcc -fsyntax-only` takes over the C file `path`, or a
// negative value when it fails.
inline double time_gcc_syntax_only(const char *path)
{
    auto start = clock_type::now();
    const char *const gcc[] = {"gcc", "-fsyntax-only", "-w", "-x", "c", "-Drom=", path, nullptr};
    if (!run_quietly("gcc", gcc))
        return -1;
    return seconds_since(start);
}

} // namespace bench

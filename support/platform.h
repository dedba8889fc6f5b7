// What the host would do underneath on the system the compiler was designed
// for: process creation with arguments that arrive without their enclosing
// quotes, path splitting and joining, full paths, and file access with either
// separator.  Paths are given in the compiler's own form (backslash or slash);
// everything that touches the file system turns backslashes into slashes.
#pragma once
#include <cstdio>
#include <string>

constexpr int _P_WAIT = 0;

// Runs `cmdname` with `argv` (argv[0] included, null-terminated) and waits.
// Each argument loses one pair of enclosing double quotes, as a child started
// from a joined command line would see it.  Returns the child's exit status,
// or -1 with errno set when it could not be started.
int spawnvp(int mode, const char *cmdname, const char *const *argv);

struct split_path {
    std::string drive, dir, fname, ext;
};
split_path _splitpath(const char *path);
std::string _makepath(const std::string &drive, const std::string &dir, const std::string &fname,
                      const std::string &ext);

// The absolute form of `path`, with "." and ".." resolved lexically; the file
// need not exist.
std::string _fullpath(const char *path);

std::string host_path(const char *path);
std::string host_getcwd();
int host_access(const char *path, int mode);
int host_remove(const char *path);
FILE *host_fopen(const char *path, const char *mode);

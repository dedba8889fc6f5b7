#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "support/platform.h"

TEST(Platform, SplitAndMakePath)
{
    struct Case {
        const char *path, *drive, *dir, *fname, *ext;
    } cases[] = {
        {"prog", "", "", "prog", ""},
        {"src/prog.c", "", "src/", "prog", ".c"},
        {"C:\\work\\main.c", "C:", "\\work\\", "main", ".c"},
        {"a.b/c", "", "a.b/", "c", ""},
        {"archive.tar.gz", "", "", "archive.tar", ".gz"},
    };
    for (const Case &c : cases) {
        split_path parts = _splitpath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.dir, c.dir) << c.path;
        EXPECT_EQ(parts.fname, c.fname) << c.path;
        EXPECT_EQ(parts.ext, c.ext) << c.path;
    }
    EXPECT_EQ(_makepath("", "/tmp/work", "prog", ".err"), "/tmp/work/prog.err");
    EXPECT_EQ(_makepath("", "src/", "prog", "c"), "src/prog.c");
    EXPECT_EQ(_makepath("", "", "prog", ".o"), "prog.o");
}

TEST(Platform, FullPathIsAbsoluteAndNormalised)
{
    std::string cwd = host_getcwd();
    EXPECT_EQ(_fullpath("main.c"), cwd + "/main.c");
    EXPECT_EQ(_fullpath("/a/./b/../c.c"), "/a/c.c");
    EXPECT_EQ(_fullpath("/a\\b\\c.c"), "/a/b/c.c");
    EXPECT_EQ(_fullpath("/.."), "/");
}

TEST(Platform, SpawnDeliversArgumentsWithoutEnclosingQuotes)
{
    std::string out = testing::TempDir() + "spawn_args.txt";
    // A quote inside the quoted script is escaped with a backslash, as on the
    // host's command line.
    std::string script = "printf '%s\\n' \\\"$@\\\" > " + out;
    std::string quoted_script = "\"" + script + "\"";
    const char *args[] = {"\"/bin/sh\"", "-c", quoted_script.c_str(), "sh", "\"/tmp/my dir/x.i\"",
                          "--diagnostic-level=2", "-dNAME=\"v\"", nullptr};
    ASSERT_EQ(spawnvp(_P_WAIT, "/bin\\sh", args), 0);
    FILE *f = fopen(out.c_str(), "r");
    ASSERT_NE(f, nullptr);
    char line[256];
    std::vector<std::string> seen;
    while (fgets(line, sizeof line, f))
        seen.emplace_back(line, strcspn(line, "\n"));
    fclose(f);
    remove(out.c_str());
    EXPECT_EQ(seen, (std::vector<std::string>{"/tmp/my dir/x.i", "--diagnostic-level=2", "-dNAME=v"}));
}

TEST(Platform, SpawnReportsExitStatusAndStartFailure)
{
    const char *exit3[] = {"sh", "-c", "\"exit 3\"", nullptr};
    EXPECT_EQ(spawnvp(_P_WAIT, "/bin/sh", exit3), 3);
    const char *missing[] = {"nothing", nullptr};
    errno = 0;
    EXPECT_EQ(spawnvp(_P_WAIT, "/nonexistent/vexpp", missing), -1);
    EXPECT_EQ(errno, ENOENT);
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"

namespace {

struct pathdir_case {
    const char *path;
    const char *dir;
};

TEST(PathDir, DirectoryEndsInBackslash)
{
    const pathdir_case cases[] = {
        {"vexc", ".\\"},
        {"a/b\\c", "a\\"},
        {"/usr/bin/vexc", "/usr/bin\\"},
        {"C:\\tools\\bin\\vexc", "C:\\tools\\bin\\"},
        {"/vexc", "\\"},
        {"./vexc", ".\\"},
    };
    for (const pathdir_case &c : cases) {
        SCOPED_TRACE(c.path);
        unsigned needed = pathdir(nullptr, c.path, 0);
        EXPECT_EQ(needed, strlen(c.dir) + 1);
        std::vector<char> buf(needed, 'x');
        EXPECT_EQ(pathdir(buf.data(), c.path, needed), strlen(c.dir));
        EXPECT_STREQ(buf.data(), c.dir);
    }
}

TEST(PathDir, TooSmallBufferIsLeftAlone)
{
    char buf[8] = "keep";
    EXPECT_EQ(pathdir(buf, "ab/vexc", 3), 4u);
    EXPECT_STREQ(buf, "keep");
    EXPECT_EQ(pathdir(buf, "ab/vexc", 4), 3u);
    EXPECT_STREQ(buf, "ab\\");
}

TEST(PathFile, NameAfterTheLastSeparator)
{
    const pathdir_case cases[] = {
        {"vexc", "vexc"}, {"a/b\\c", "b\\c"}, {"x\\y", "y"}, {"/usr/bin/vexc", "vexc"}, {"dir/", ""},
    };
    for (const pathdir_case &c : cases)
        EXPECT_STREQ(pathfile(c.path), c.dir) << c.path;
}

TEST(QuoteArgument, SplitsBackIntoTheSameText)
{
    const pathdir_case cases[] = {
        {"prog.c", "\"prog.c\""},
        {"my dir", "\"my dir\""},
        {"", "\"\""},
        {"Q=\"x\"", "\"Q=\\\"x\\\"\""},
        {"C:\\dir\\", "\"C:\\dir\\\\\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},
        {"a\\b", "\"a\\b\""},
    };
    for (const pathdir_case &c : cases) {
        char *quoted = quote_argument(c.path);
        EXPECT_STREQ(quoted, c.dir) << c.path;
        free(quoted);
    }
}

// Every case parses its own command line in a fresh option context.
struct parse_case {
    std::vector<const char *> args;
    int result;
    const char *output;
    std::function<void()> check;
};

class ParseArgs : public ::testing::Test {
protected:
    void TearDown() override { cmd_free(); }

    int parse(const std::vector<const char *> &args, std::string *output)
    {
        std::vector<const char *> argv = {"vexc"};
        argv.insert(argv.end(), args.begin(), args.end());
        argv.push_back(nullptr);
        EXPECT_TRUE(cmd_init(static_cast<int>(argv.size() - 1), argv.data()));
        testing::internal::CaptureStdout();
        int result = cmd_parse_args();
        *output = testing::internal::GetCapturedStdout();
        return result;
    }

    void run(const parse_case &c)
    {
        std::string trace;
        for (const char *arg : c.args)
            trace += std::string(arg) + " ";
        SCOPED_TRACE(trace);
        std::string output;
        EXPECT_EQ(parse(c.args, &output), c.result);
        EXPECT_EQ(output, c.output);
        if (c.check)
            c.check();
        TearDown();
    }
};

TEST_F(ParseArgs, SuppressionNumbers)
{
    const parse_case cases[] = {
        {{"-nw", "2054"}, 1, "", [] { EXPECT_STREQ(suppress_message_option, "--suppress-message=2054 "); }},
        {{"-nw", "0x806", "-nw", "04006"}, 1, "",
         [] { EXPECT_STREQ(suppress_message_option, "--suppress-message=2054 --suppress-message=2054 "); }},
        {{"-nw", "1999"}, 1, "-nw:  error messages cannot be suppressed\n\n",
         [] { EXPECT_EQ(suppress_message_option, nullptr); }},
        {{"-nw", "-3000"}, 1, "-nw:  error messages cannot be suppressed\n\n", nullptr},
        {{"-nw", "2054x"}, 1, "-nw:  invalid numeric value\n", nullptr},
        {{"-nw", "99999999999999999999"}, 1, "-nw:  number too large or too small\n", nullptr},
        {{"-nw", "4294969350"}, 1, "-nw:  number too large or too small\n",
         [] { EXPECT_EQ(suppress_message_option, nullptr); }},
        {{"--help-message", "-1"}, 0, "--help-message:  number too large or too small\n", nullptr},
        {{"--help-message", "x"}, 0, "--help-message:  invalid numeric value\n", nullptr},
    };
    for (const parse_case &c : cases)
        run(c);
    EXPECT_TRUE(is_message_suppressed(2054));
}

} // namespace

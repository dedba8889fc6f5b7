#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/options.h"
#include "target/procdb.h"
#include "translate/ranges.h"

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

TEST(DefaultRange, MemorySpacesKeepTheirOwnRange)
{
    EXPECT_EQ(trnGetDefaultRange(MEMORY_RAM), RANGE_FAR);
    EXPECT_EQ(trnGetDefaultRange(MEMORY_ROM), RANGE_NEAR);
    set_default_range(MEMORY_ROM, RANGE_FAR);
    EXPECT_EQ(trnGetDefaultRange(MEMORY_ROM), RANGE_FAR);
    EXPECT_EQ(trnGetDefaultRange(MEMORY_RAM), RANGE_FAR);
    set_default_range(MEMORY_ROM, RANGE_NEAR);
}

TEST(DefaultRangeDeathTest, OtherMemoryIsAnInternalError)
{
    EXPECT_DEATH(set_default_range(102, RANGE_FAR), "Internal compiler error");
    EXPECT_DEATH(trnGetDefaultRange(0), "Internal compiler error");
}

// Every case parses its own command line in a fresh option context; the
// settings that a case can change are put back afterwards.
struct parse_case {
    std::vector<const char *> args;
    int result;
    const char *output;
    std::function<void()> check;
};

class ParseArgs : public ::testing::Test {
protected:
    void TearDown() override
    {
        cmd_free();
        processor = DEFAULT_PROCESSOR;
        generic_processor_flag = 1;
        processor_specified_on_cmdline = 0;
        memory_model = 0;
        error_level = 2;
        procedural_abstraction_count = 4;
        do_procedural_abstraction = 1;
        do_banking_optimizations = 1;
        default_local_storage_class = SC_AUTO;
        set_default_range(MEMORY_RAM, RANGE_FAR);
        set_default_range(MEMORY_ROM, RANGE_NEAR);
    }

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

TEST_F(ParseArgs, ProcessorSelection)
{
    const parse_case cases[] = {
        {{"-p", " 61c3506 "}, 1, "",
         [] {
             EXPECT_EQ(processor, 222);
             EXPECT_EQ(generic_processor_flag, 0);
             EXPECT_EQ(processor_specified_on_cmdline, 1);
         }},
        {{"-p", "vxCORE"}, 1, "",
         [] {
             EXPECT_EQ(processor, DEFAULT_PROCESSOR);
             EXPECT_EQ(generic_processor_flag, 1);
             EXPECT_EQ(processor_specified_on_cmdline, 1);
         }},
        {{"-p", "KV61C3506"}, 0, "Unknown processor 'KV61C3506'\n",
         [] {
             EXPECT_EQ(processor, DEFAULT_PROCESSOR);
             EXPECT_EQ(generic_processor_flag, 0);
         }},
        {{}, 1, "", [] { EXPECT_EQ(processor_specified_on_cmdline, 0); }},
    };
    for (const parse_case &c : cases)
        run(c);
}

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

TEST_F(ParseArgs, LocalStorageClass)
{
    const char *static_overlay =
        "Warning: conflicting local storage classes of 'static' and 'overlay' specified; will use 'overlay'\n";
    const parse_case cases[] = {
        {{"-scs", "-sco"}, 1, static_overlay, [] { EXPECT_EQ(default_local_storage_class, SC_OVERLAY); }},
        {{"-sco", "-scs"}, 1, static_overlay, [] { EXPECT_EQ(default_local_storage_class, SC_OVERLAY); }},
        {{"-sca", "-scs"}, 1, "", [] { EXPECT_EQ(default_local_storage_class, SC_STATIC); }},
        {{"-Ol+", "-sca"}, 1,
         "Warning: conflicting local storage classes of 'static' and 'auto' specified; will use 'static'\n",
         [] { EXPECT_EQ(default_local_storage_class, SC_STATIC); }},
        {{"-sco", "-sca"}, 1,
         "Warning: conflicting local storage classes of 'overlay' and 'auto' specified; will use 'overlay'\n",
         [] { EXPECT_EQ(default_local_storage_class, SC_OVERLAY); }},
        {{"-Ol", "-Ol-"}, 1, "", [] { EXPECT_EQ(default_local_storage_class, SC_AUTO); }},
        {{"-sco", "-Ol-"}, 1, "", [] { EXPECT_EQ(default_local_storage_class, SC_OVERLAY); }},
    };
    for (const parse_case &c : cases)
        run(c);
}

TEST_F(ParseArgs, MemoryModelAndRanges)
{
    const parse_case cases[] = {
        {{"-ml"}, 1, "",
         [] {
             EXPECT_EQ(memory_model, 3);
             EXPECT_EQ(trnGetDefaultRange(MEMORY_ROM), RANGE_FAR);
         }},
        {{"-ml", "-ms"}, 1, "",
         [] {
             EXPECT_EQ(memory_model, 0);
             EXPECT_EQ(trnGetDefaultRange(MEMORY_ROM), RANGE_NEAR);
         }},
        {{"-Oa+"}, 1, "", [] { EXPECT_EQ(trnGetDefaultRange(MEMORY_RAM), RANGE_NEAR); }},
        {{"-Oa"}, 1, "", [] { EXPECT_EQ(trnGetDefaultRange(MEMORY_RAM), RANGE_NEAR); }},
        {{"-Oa", "-Oa-"}, 1, "", [] { EXPECT_EQ(trnGetDefaultRange(MEMORY_RAM), RANGE_FAR); }},
    };
    for (const parse_case &c : cases)
        run(c);
}

TEST_F(ParseArgs, PostChecksAndSourceFile)
{
    const parse_case cases[] = {
        {{"-w", "4", "-pa", "-1"}, 0, "Warning level must be 1, 2, or 3\n", nullptr},
        {{"-pa", "-1"}, 0, "Procedural abstraction repeat count must be greater than 0\n", nullptr},
        {{"-pa", "0"}, 1, "-pa=0 specified; disabling procedural abstraction\n",
         [] { EXPECT_EQ(do_procedural_abstraction, 0); }},
        {{"-O-", "prog.c", "-w", "1"}, 1, "",
         [] {
             EXPECT_STREQ(_source_file_name, "prog.c");
             EXPECT_EQ(error_level, 1);
         }},
        {{"a.c", "b.c"}, 0, "Error: only one source file can be compiled; 'b.c' is extra\n", nullptr},
        {{"--extended"}, 0, "Fatal [103] --extended cannot be specified to the non-extended mode compiler\n",
         nullptr},
        {{"-On0"}, 1, "-On0:  Option has been deprecated.  Please use -On-.\n",
         [] { EXPECT_EQ(do_banking_optimizations, 0); }},
        {{"--nope", "-fo"}, 0, "--nope:  unknown option\n-fo:  missing argument\n", nullptr},
    };
    for (const parse_case &c : cases)
        run(c);
}

TEST_F(ParseArgs, PreprocessorInputs)
{
    const parse_case cases[] = {
        {{"-I", "inc", "-I", "my dir", "-D", "A", "-D", "B=x y"}, 1, "",
         [] {
             ASSERT_EQ(num_includes, 2u);
             EXPECT_STREQ(includes[0], "\"inc\"");
             EXPECT_STREQ(includes[1], "\"my dir\"");
             ASSERT_EQ(num_defines, 2u);
             EXPECT_STREQ(command_line_defines[0], "A");
             EXPECT_STREQ(command_line_defines[1], "B=x y");
         }},
        {{"-fo", "a.o", "-fo", "b.o", "-fe", "e.err", "--inc", "pre.h"}, 1, "",
         [] {
             EXPECT_STREQ(_object_file_name, "b.o");
             EXPECT_STREQ(_error_file_name, "e.err");
             EXPECT_STREQ(_cmdline_include_file_name, "pre.h");
         }},
    };
    for (const parse_case &c : cases)
        run(c);
}

TEST_F(ParseArgs, HelpEndsTheRun)
{
    std::string output;
    EXPECT_EQ(parse({"prog.c", "-?"}, &output), -1);
    EXPECT_EQ(output.rfind("Usage: vexc [options] file [options]\n", 0), 0u);
    cmd_free();
    EXPECT_EQ(parse({"--nope", "-h"}, &output), 0);
    EXPECT_EQ(output.rfind("--nope:  unknown option\nUsage: vexc [options] file [options]\n", 0), 0u);
}

TEST_F(ParseArgs, LongFileNameIsRefused)
{
    std::string name(MAX_PATH_LENGTH, 'n');
    std::string output;
    EXPECT_EQ(parse({"-fo", name.c_str()}, &output), 0);
    EXPECT_EQ(output, "Error: file name '" + name + "' is too long\n");
    EXPECT_EQ(_object_file_name, nullptr);
    cmd_free();
    name.pop_back();
    EXPECT_EQ(parse({"-fo", name.c_str()}, &output), 1);
    EXPECT_EQ(output, "");
}

} // namespace

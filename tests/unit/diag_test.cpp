// The counts, the suppressions and the error file are run-wide state that
// only grows, so every scenario that posts runs in a child process of its own
// and starts from a fresh run.
#include "driver/diag.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/platform.h"
#include "support/position.h"

namespace fs = std::filesystem;

namespace {

void isolated(const std::function<void()> &scenario)
{
    fflush(stdout);
    fflush(stderr);
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        scenario();
        fflush(stdout);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the scenario died with signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the scenario's failures are reported above";
}

std::string captured_stdout(const std::function<void()> &action)
{
    fflush(stdout);
    FILE *sink = tmpfile();
    int saved = dup(1);
    dup2(fileno(sink), 1);
    action();
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    std::string text;
    rewind(sink);
    for (int c; (c = fgetc(sink)) != EOF;)
        text += static_cast<char>(c);
    fclose(sink);
    return text;
}

std::string file_text(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct scratch_dir {
    fs::path path;
    scratch_dir()
    {
        std::string pattern = (fs::path(::testing::TempDir()) / "diag_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            ADD_FAILURE() << "cannot create " << pattern;
        path = pattern;
    }
    ~scratch_dir() { fs::remove_all(path); }
};

void at_source_line(const char *file, int line)
{
    snprintf(yyfilename, sizeof yyfilename, "%s", file);
    yylineno = line;
}

} // namespace

TEST(RetrieveMessage, CopiesAtMostTheBufferAndLeavesUnknownNumbersAlone)
{
    char buffer[10];
    retrieve_message(1105, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "symbol '%");
    strcpy(buffer, "untouched");
    retrieve_message(1001, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "untouched");
}

TEST(PostError, ClassFollowsTheNumber)
{
    isolated([] {
        error_level = 3;
        at_source_line("/src/main.c", 7);
        struct {
            unsigned number;
            const char *class_name;
            unsigned errors, warnings, messages;
        } cases[] = {
            {999, "Fatal", 1, 0, 0},     {1000, "Error", 1, 0, 0},    {1999, "Error", 1, 0, 0},
            {2000, "Warning", 0, 1, 0},  {2999, "Warning", 0, 1, 0},  {3000, "Message", 0, 0, 1},
            {3999, "Message", 0, 0, 1},  {4000, "Message", 0, 0, 0},  {4500, "Message", 0, 0, 0},
        };
        for (const auto &c : cases) {
            unsigned errors = get_error_count(), warnings = get_warning_count(), messages = get_message_count();
            std::string out = captured_stdout([&] {
                if (c.number < 1000)
                    EXPECT_THROW(post_error(c.number), compile_abort);
                else
                    post_error(c.number, "x");
            });
            std::string prefix = "/src/main.c:7:" + std::string(c.class_name) + " [" + std::to_string(c.number) + "] ";
            EXPECT_EQ(out.substr(0, prefix.size()), prefix) << c.number;
            EXPECT_EQ(get_error_count() - errors, c.errors) << c.number;
            EXPECT_EQ(get_warning_count() - warnings, c.warnings) << c.number;
            EXPECT_EQ(get_message_count() - messages, c.messages) << c.number;
        }
    });
}

TEST(PostError, LevelDecidesWritingButEverythingCounts)
{
    struct {
        int level;
        unsigned number;
        bool written;
    } cases[] = {
        {1, 1105, true}, {1, 2054, false}, {1, 3000, false}, {2, 1105, true}, {2, 2054, true},
        {2, 3000, false}, {3, 1105, true}, {3, 2054, true}, {3, 3000, true},
    };
    for (const auto &c : cases)
        isolated([&] {
            error_level = c.level;
            std::string out = captured_stdout([&] { post_error(c.number, "x"); });
            EXPECT_EQ(!out.empty(), c.written) << "level " << c.level << ", " << c.number;
            EXPECT_EQ(get_error_count() + get_warning_count() + get_message_count(), 1u);
        });
}

TEST(PostError, ConsoleAndErrorFileLines)
{
    isolated([] {
        scratch_dir dir;
        fs::path err = dir.path / "main.err";
        std::ofstream(err) << "Warning[2002] /src/main.c 1 : preprocessor line\n";
        ASSERT_EQ(error_init(err.c_str()), 0);
        at_source_line("/src/main.c", 12);
        std::string out = captured_stdout([] {
            post_error(1105, "x");
            yylineno = 13;
            post_error(2104, "colour", 4);
        });
        EXPECT_EQ(out, "/src/main.c:12:Error [1105] symbol 'x' has not been defined\n"
                       "/src/main.c:13:Warning [2104] Maximum value of enum 'colour' can not fit in 4 bits\n");
        error_uninit();
        EXPECT_EQ(file_text(err), "Warning[2002] /src/main.c 1 : preprocessor line\n"
                                  "Error[1105] /src/main.c 12 : symbol 'x' has not been defined\n"
                                  "Warning[2104] /src/main.c 13 : Maximum value of enum 'colour' can not fit in 4 bits\n");
    });
}

TEST(PostError, LongFormattedTextIsWrittenWhole)
{
    isolated([] {
        at_source_line("/src/main.c", 1);
        std::string word(600, 'w');
        std::string out = captured_stdout([&] { post_error(1000, word.c_str()); });
        EXPECT_EQ(out, "/src/main.c:1:Error [1000] " + word + "\n");
    });
}

TEST(PostError, NumberWithoutRowWritesAnEmptyText)
{
    isolated([] {
        at_source_line("/src/main.c", 5);
        std::string out = captured_stdout([] { post_error(1001, "ignored"); });
        EXPECT_EQ(out, "/src/main.c:5:Error [1001] \n");
        EXPECT_EQ(get_error_count(), 1u);
    });
}

TEST(PostError, UnnumberedErrorsCountButTheNextNumberedDiagnosticJumps)
{
    isolated([] {
        captured_stdout([] {
            for (int i = 0; i < 30; ++i)
                yyerror("syntax error");
        });
        EXPECT_EQ(get_error_count(), 30u);
        error_level = 1;
        EXPECT_THROW(captured_stdout([] { post_error(3000); }), compile_abort);
    });
}

TEST(Suppression, SuppressedWarningIsNeitherWrittenCountedNorLimitChecked)
{
    isolated([] {
        EXPECT_FALSE(is_message_suppressed(2054));
        suppress_message(2054);
        suppress_message(2054);
        EXPECT_TRUE(is_message_suppressed(2054));
        EXPECT_FALSE(is_message_suppressed(2055));
        captured_stdout([] {
            for (int i = 0; i < 25; ++i)
                yyerror("e");
        });
        std::string out = captured_stdout([] { EXPECT_NO_THROW(post_error(2054)); });
        EXPECT_EQ(out, "");
        EXPECT_EQ(get_warning_count(), 0u);
        EXPECT_THROW(captured_stdout([] { post_error(2055); }), compile_abort);
        EXPECT_EQ(get_warning_count(), 1u);
    });
}

TEST(Suppression, ErrorsAndFatalsAlwaysCount)
{
    isolated([] {
        suppress_message(1999);
        suppress_message(100);
        EXPECT_FALSE(is_message_suppressed(1999));
        EXPECT_FALSE(is_message_suppressed(100));
        std::string out = captured_stdout([] { post_error(1999); });
        EXPECT_NE(out, "");
        EXPECT_EQ(get_error_count(), 1u);
    });
}

TEST(Unnumbered, MessageConsoleLineKeepsTheFileNameAsGiven)
{
    isolated([] {
        scratch_dir dir;
        fs::path err = dir.path / "main.err";
        ASSERT_EQ(error_init(err.c_str()), 0);
        error_level = 3;
        at_source_line("main.c", 9);
        std::string out = captured_stdout([] { yymessage("%d bytes", 40); });
        EXPECT_EQ(out, "main.c:9:Message: 40 bytes\n");
        EXPECT_EQ(get_message_count(), 1u);
        error_uninit();
        EXPECT_EQ(file_text(err), "Message[yy] " + _fullpath("main.c") + " 9 : 40 bytes\n");
    });
}

TEST(ErrorFile, KeptOnlyWhenItHoldsAnAdmittedDiagnostic)
{
    struct {
        const char *name;
        int level;
        unsigned number; // 0: nothing posted
        bool kept;
    } cases[] = {
        {"clean", 2, 0, false},          {"error", 1, 1105, true},
        {"warning at 1", 1, 2054, false}, {"warning at 2", 2, 2054, true},
        {"message at 2", 2, 3000, false}, {"message at 3", 3, 3000, true},
        {"beyond 3999", 3, 4500, false},
    };
    for (const auto &c : cases)
        isolated([&] {
            scratch_dir dir;
            fs::path err = dir.path / "main.err";
            ASSERT_EQ(error_init(err.c_str()), 0);
            error_level = c.level;
            if (c.number)
                captured_stdout([&] { post_error(c.number, "x"); });
            error_uninit();
            EXPECT_EQ(fs::exists(err), c.kept) << c.name;
        });
}

TEST(ErrorFile, BackslashNamesOpenAndDelete)
{
    isolated([] {
        scratch_dir dir;
        std::string name = dir.path.string();
        std::replace(name.begin(), name.end(), '/', '\\');
        name += "\\main.err";
        ASSERT_EQ(error_init(name.c_str()), 0);
        EXPECT_TRUE(fs::exists(dir.path / "main.err"));
        error_uninit();
        EXPECT_FALSE(fs::exists(dir.path / "main.err"));
    });
}

TEST(ErrorFile, NameThatCannotBeOpenedIsReportedAndLeftAlone)
{
    isolated([] {
        scratch_dir dir;
        fs::path taken = dir.path / "taken.err";
        fs::create_directory(taken);
        EXPECT_NE(error_init(taken.c_str()), 0);
        std::string out = captured_stdout([] { post_error(2054); });
        EXPECT_NE(out, "");
        error_uninit();
        EXPECT_TRUE(fs::is_directory(taken));

        std::string overlong = (dir.path / std::string(300, 'n')).string();
        EXPECT_NE(error_init(overlong.c_str()), 0);
        error_uninit();
    });
}

#include "tools/vxar/vxar.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "object/coff.h"
#include "object_builder.h"
#include "tools/vxar/archive.h"

namespace fs = std::filesystem;

namespace {

class Archive : public ::testing::Test {
protected:
    fs::path dir;
    std::string errors;

    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(::testing::TempDir()) /
              (std::string("vxar_") + info->name() + "_" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }

    void write_file(const char *name, const std::string &text) const
    {
        std::ofstream(path(name), std::ios::binary) << text;
    }

    // An object that defines `defined`.
    std::string write_object(const char *name, const std::vector<const char *> &defined) const
    {
        object_builder o;
        int code = o.section(".code", SCN_CODE);
        o.words(code, {0x0012});
        for (const char *symbol : defined)
            o.symbol(symbol, 0, code);
        o.symbol("local", 0, code, C_STAT);
        return o.write(path(name));
    }

    int create(const char *archive_name, const std::vector<std::string> &objects)
    {
        std::vector<std::string> paths;
        for (const std::string &object : objects)
            paths.push_back(path(object.c_str()));
        ::testing::internal::CaptureStderr();
        int status = vxar_create(path(archive_name), paths);
        errors = ::testing::internal::GetCapturedStderr();
        return status;
    }

    std::string list(const char *archive_name, int *status)
    {
        char *text = nullptr;
        size_t length = 0;
        FILE *out = open_memstream(&text, &length);
        ::testing::internal::CaptureStderr();
        *status = vxar_list(path(archive_name), out);
        errors = ::testing::internal::GetCapturedStderr();
        std::fclose(out);
        std::string result(text, length);
        std::free(text);
        return result;
    }

    std::vector<std::string> directory_entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Archive, TheFileIsTheDocumentedLayout)
{
    std::vector<archive_input> members = {
        {"one.o", {'A', '\n', 0, 'B'}, {"first", "with blank"}},
        {"two words.o", {}, {}},
        {"three.o", {'C'}, {"third"}},
    };
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(archive_serialize(members, &bytes, &error)) << error;
    std::string expected = std::string("Lumex Tarn archive 1\n"
                                       "member 4 one.o\nA\n") +
                           '\0' +
                           "B"
                           "member 0 two words.o\n"
                           "member 1 three.o\nC"
                           "index 3\n"
                           "1 first\n"
                           "1 with blank\n"
                           "3 third\n"
                           "end\n";
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected);

    ASSERT_TRUE(archive_store(path("hand.a").c_str(), bytes, &error)) << error;
    archive library;
    ASSERT_TRUE(archive_open(path("hand.a").c_str(), &library, &error)) << error;
    ASSERT_EQ(library.members.size(), 3u);
    for (unsigned m = 0; m < 3; m++) {
        std::vector<uint8_t> stored;
        ASSERT_TRUE(archive_member_bytes(library, m, &stored, &error)) << error;
        EXPECT_EQ(library.members[m].name, members[m].name);
        EXPECT_EQ(stored, members[m].bytes);
    }
    ASSERT_EQ(library.index.size(), 3u);
    EXPECT_EQ(library.index[1].name, "with blank");
    EXPECT_EQ(library.index[2].member, 2u);
    EXPECT_TRUE(archive_has_magic(path("hand.a").c_str()));
}

TEST_F(Archive, NamesThatALineCannotHoldAreRefused)
{
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_FALSE(archive_serialize({{"bad\nname.o", {}, {}}}, &bytes, &error));
    EXPECT_NE(error.find("member name"), std::string::npos) << error;
    EXPECT_FALSE(archive_serialize({{"", {}, {}}}, &bytes, &error));
    EXPECT_FALSE(archive_serialize({{"x.o", {}, {"new\nline"}}}, &bytes, &error));
    EXPECT_NE(error.find("member 'x.o' defines a symbol"), std::string::npos) << error;
    EXPECT_FALSE(archive_serialize({{"x.o", {}, {}}, {"x.o", {}, {}}}, &bytes, &error));
    EXPECT_EQ(error, "two members are named 'x.o'");
}

TEST_F(Archive, CreatingAgainReplacesTheArchive)
{
    write_object("a.o", {"a"});
    write_object("b.o", {"b"});
    ASSERT_EQ(create("lib.a", {"a.o", "b.o"}), 0) << errors;
    ASSERT_EQ(create("lib.a", {"b.o"}), 0) << errors;
    archive library;
    std::string error;
    ASSERT_TRUE(archive_open(path("lib.a").c_str(), &library, &error)) << error;
    ASSERT_EQ(library.members.size(), 1u);
    EXPECT_EQ(library.members[0].name, "b.o");
    EXPECT_EQ(directory_entries(), (std::vector<std::string>{"a.o", "b.o", "lib.a"}));
}

TEST_F(Archive, BrokenArchivesAreRefusedWithTheReason)
{
    const std::string magic = "Lumex Tarn archive 1\n";
    struct broken_case {
        std::string text;
        const char *message;
    };
    const broken_case cases[] = {
        {"", "not an archive (it does not start with the line 'Lumex Tarn archive 1')"},
        {"Lumex Tarn archive 2\nindex 0\nend\n", "not an archive"},
        {magic, "at byte 21: the file ends before the symbol index"},
        {magic + "member 3 a.o\nxy", "member 'a.o' of 3 bytes runs past the end of the file"},
        {magic + "member 03 a.o\nxyz", "at byte 21: expected 'member SIZE NAME' or 'index COUNT'"},
        {magic + "member 3\nxyz", "at byte 21: expected 'member SIZE NAME' or 'index COUNT'"},
        {magic + "member -3 a.o\n", "at byte 21: expected 'member SIZE NAME' or 'index COUNT'"},
        {magic + "member 99999999999999999999 a.o\n", "expected 'member SIZE NAME'"},
        {magic + "member 1 a.o\nxmember 1 a.o\ny", "at byte 35: a second member named 'a.o'"},
        {magic + "index 1\n", "at byte 29: the file ends inside the symbol index"},
        {magic + "member 1 a.o\nxindex 1\n2 sym\nend\n", "at byte 43: symbol 'sym' names member 2 of 1"},
        {magic + "member 1 a.o\nxindex 1\n0 sym\nend\n", "symbol 'sym' names member 0 of 1"},
        {magic + "member 1 a.o\nxindex 1\n1\nend\n", "at byte 43: expected an index entry 'NUMBER SYMBOL'"},
        {magic + "index 0\n", "at byte 29: expected the line 'end' after the symbol index"},
        {magic + "index 0\nend", "expected the line 'end' after the symbol index"},
        {magic + "index 0\nend\nmore", "at byte 33: more bytes after the line 'end'"},
        {magic + "index 0 extra\nend\n", "expected 'member SIZE NAME' or 'index COUNT'"},
    };
    for (const broken_case &c : cases) {
        write_file("broken.a", c.text);
        archive library;
        std::string error;
        EXPECT_FALSE(archive_open(path("broken.a").c_str(), &library, &error)) << c.text;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.text << ": " << error;
        int status = 0;
        EXPECT_EQ(list("broken.a", &status), "");
        EXPECT_EQ(status, 1);
        EXPECT_EQ(errors, "vxar: error: " + path("broken.a") + ": " + error + "\n");
    }
    write_file("empty.a", magic + "index 0\nend\n");
    archive library;
    std::string error;
    EXPECT_TRUE(archive_open(path("empty.a").c_str(), &library, &error)) << error;
    EXPECT_TRUE(library.members.empty());
    EXPECT_FALSE(archive_open(path("missing.a").c_str(), &library, &error));
    EXPECT_EQ(error, "cannot open: No such file or directory");
}

} // namespace

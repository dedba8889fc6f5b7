#include <gtest/gtest.h>

#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <malloc.h>
#include <string>
#include <vector>

#include "support/hash.h"
#include "support/intern.h"
#include "support/list.h"
#include "support/platform.h"
#include "support/pool.h"
#include "support/strutil.h"

TEST(Hashpjw, ShiftAndAddOverSignedBytes)
{
    struct Case {
        std::vector<unsigned char> bytes;
        unsigned expected;
    } cases[] = {
        {{0xFF}, 65535},          // the byte counts as -1
        {{'a', 'b'}, 4 * 97 + 98},
        {{}, 0},
        {{0x80, 0x00}, static_cast<unsigned>(4 * -128) % 65536},
        {std::vector<unsigned char>(12, 'z'), 0}, // wraps; computed below
    };
    unsigned long long wide = 0;
    for (int i = 0; i < 12; ++i)
        wide = wide * 4 + 'z';
    cases[4].expected = static_cast<unsigned>(wide % 65536);
    for (const Case &c : cases)
        EXPECT_EQ(hashpjw(c.bytes.data(), static_cast<unsigned>(c.bytes.size())), c.expected);
    EXPECT_EQ(hash_string_pjw("ab"), 486u);
}

TEST(HashTable, LaterEqualKeyHidesEarlierUntilDeleted)
{
    hash_table *table = hash_create(8, 4, 32);
    unsigned key = 2054;
    auto *first = static_cast<unsigned *>(hash_add(table, &key));
    first[1] = 1;
    auto *second = static_cast<unsigned *>(hash_add(table, &key));
    second[1] = 2;
    EXPECT_EQ(table->count, 2u);
    EXPECT_EQ(first[0], 2054u);
    EXPECT_EQ(static_cast<unsigned *>(hash_find(table, &key))[1], 2u);
    EXPECT_EQ(hash_delete(table, &key, nullptr), 0);
    EXPECT_EQ(static_cast<unsigned *>(hash_find(table, &key))[1], 1u);
    EXPECT_EQ(hash_delete(table, &key, nullptr), 0);
    EXPECT_EQ(hash_find(table, &key), nullptr);
    EXPECT_EQ(hash_delete(table, &key, nullptr), -1);
    EXPECT_EQ(table->count, 0u);
    hash_free(table, nullptr);
}

TEST(HashTable, DeletingFromTheMiddleOfAChainKeepsTheRest)
{
    // One bucket puts every element into the same chain.
    hash_table *table = hash_create(4, 4, 1);
    for (unsigned key = 0; key < 5; ++key)
        hash_add(table, &key);
    unsigned middle = 2;
    EXPECT_EQ(hash_delete(table, &middle, nullptr), 0);
    for (unsigned key = 0; key < 5; ++key)
        EXPECT_EQ(hash_find(table, &key) != nullptr, key != middle) << key;
    hash_free(table, nullptr);
}

TEST(HashTable, StringKeysAndFreeFunction)
{
    struct entry {
        char *name;
        int value;
    };
    hash_table *table = hash_create(sizeof(entry), 0, 32);
    hash_set_hash(table, hash_string_key);
    hash_set_compare(table, compare_string_key);
    for (const char *name : {"main.c", "uart.h", "timer.h"}) {
        char *copy = strdup(name);
        auto *e = static_cast<entry *>(hash_add(table, &copy));
        e->name = copy;
        e->value = static_cast<int>(strlen(name));
    }
    const char *probe = "uart.h";
    ASSERT_NE(hash_find(table, &probe), nullptr);
    EXPECT_EQ(static_cast<entry *>(hash_find(table, &probe))->value, 6);
    const char *missing = "adc.h";
    EXPECT_EQ(hash_find(table, &missing), nullptr);
    hash_free(table, s_free_object);
}

static std::vector<char> letters_of(const list *l)
{
    std::vector<char> seen;
    for (void *e = list_first(l); e; e = list_next(e))
        seen.push_back(**static_cast<char **>(e));
    return seen;
}

TEST(List, AppendInsertDeletePop)
{
    list *l = list_create(sizeof(int));
    *static_cast<int *>(list_append(l)) = 2;
    *static_cast<int *>(list_append(l)) = 3;
    *static_cast<int *>(list_insert(l)) = 1;
    EXPECT_EQ(l->count, 3u);
    EXPECT_EQ(*static_cast<int *>(list_first(l)), 1);
    EXPECT_EQ(*static_cast<int *>(list_last(l)), 3);
    int key = 3;
    void *three = list_find(l, &key, [](const void *e, const void *k) {
        return *static_cast<const int *>(e) - *static_cast<const int *>(k);
    });
    ASSERT_NE(three, nullptr);
    list_delete(l, three);
    EXPECT_EQ(*static_cast<int *>(list_last(l)), 2);
    *static_cast<int *>(list_append(l)) = 4; // the tail was repaired by the delete
    EXPECT_EQ(*static_cast<int *>(list_last(l)), 4);
    list_pop(l);
    list_pop(l);
    list_pop(l);
    EXPECT_EQ(list_first(l), nullptr);
    EXPECT_EQ(list_last(l), nullptr);
    list_pop(l);
    list_free(l, nullptr);
}

TEST(List, MoveSymToEnd)
{
    static char a = 'a', b = 'b', c = 'c';
    struct Case {
        std::vector<char *> initial;
        char *value;
        std::vector<char> expected;
    } cases[] = {
        {{&a, &b, &c}, &a, {'b', 'c', 'a'}},
        {{&a, &b, &c}, &b, {'a', 'c', 'b'}},
        {{&a, &b, &c}, &c, {'a', 'b', 'c'}},
        {{&a}, &a, {'a'}},
        {{&a, &b}, &c, {'a', 'b'}},
    };
    for (const Case &test : cases) {
        list *l = list_create(sizeof(char *));
        for (char *p : test.initial)
            *static_cast<char **>(list_append(l)) = p;
        move_sym_to_end(l, test.value);
        EXPECT_EQ(letters_of(l), test.expected);
        // Appending after the move proves the tail is the moved node.
        static char z = 'z';
        *static_cast<char **>(list_append(l)) = &z;
        std::vector<char> with_tail = test.expected;
        with_tail.push_back('z');
        EXPECT_EQ(letters_of(l), with_tail);
        list_free(l, nullptr);
    }
}

TEST(Strings, StrcatdynGrowsInBlocks)
{
    std::string text(600, 'x');
    char *buffer = strcatdyn(nullptr, text.c_str());
    EXPECT_EQ(std::string(buffer), text);
    EXPECT_GE(malloc_usable_size(buffer), 1024u);
    buffer = strcatdyn(buffer, "--suppress-message=2054 ");
    EXPECT_EQ(std::string(buffer), text + "--suppress-message=2054 ");
    free(buffer);

    char *words = strcatdyn(nullptr, "");
    for (int i = 0; i < 100; ++i)
        words = strcatdyn(words, "--suppress-message=2054 ");
    EXPECT_EQ(strlen(words), 100 * strlen("--suppress-message=2054 "));
    free(words);
}

TEST(Strings, Strstrip)
{
    struct Case {
        const char *input, *expected;
    } cases[] = {
        {"  38F2620 \t ", "38F2620"}, {"", ""}, {"   ", ""}, {"x", "x"}, {"\tin ner\n", "in ner"},
    };
    for (const Case &c : cases) {
        std::string buffer = c.input;
        EXPECT_STREQ(strstrip(buffer.data()), c.expected);
    }
}

TEST(Strings, FloatRepresentationIsIeeeSingle)
{
    EXPECT_EQ(get_float_representation(1.0f), 0x3F800000u);
    EXPECT_EQ(get_float_representation(-2.5f), 0xC0200000u);
    EXPECT_EQ(get_float_representation(0.0f), 0u);
}

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

// Enough records to fill several chunks; freed records come back zero-filled
// and in use records keep their contents while others are reused.
TEST(RecordPool, ReusesFreedRecordsZeroFilled)
{
    struct record {
        long words[5];
    };
    record_pool pool(sizeof(record));
    std::vector<record *> records;
    for (long i = 0; i < 200000; ++i) {
        auto *r = pool_new<record>(&pool);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->words[0] | r->words[4], 0);
        r->words[0] = i;
        r->words[4] = ~i;
        records.push_back(r);
    }
    for (size_t i = 0; i < records.size(); i += 2)
        pool_free(&pool, records[i]);
    for (size_t i = 0; i < records.size(); i += 2) {
        records[i] = pool_new<record>(&pool);
        EXPECT_EQ(records[i]->words[0] | records[i]->words[4], 0);
    }
    for (size_t i = 1; i < records.size(); i += 2) {
        EXPECT_EQ(records[i]->words[0], static_cast<long>(i));
        EXPECT_EQ(records[i]->words[4], ~static_cast<long>(i));
    }
    for (record *r : records)
        pool_free(&pool, r);
    EXPECT_EQ(pool.live, 0u);
    auto *again = pool_new<record>(&pool);
    EXPECT_EQ(again->words[2], 0);
    pool_free(&pool, again);
}

TEST(InternName, OneCopyPerNameForTheWholeRun)
{
    std::string first = "src/a.c", same = "src/a.c";
    const char *a = intern_name(first.c_str());
    EXPECT_NE(a, first.c_str());
    EXPECT_EQ(intern_name(same.c_str()), a);
    const char *b = intern_name("src/b.c");
    EXPECT_STREQ(b, "src/b.c");
    EXPECT_EQ(intern_name("src/a.c"), a);
    first.assign(100, 'x');
    EXPECT_STREQ(a, "src/a.c");
    EXPECT_EQ(intern_name(nullptr), nullptr);
}

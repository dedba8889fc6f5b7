#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>
#include "object/coff.h"

namespace {

std::vector<uint8_t> from_hex(const std::string &hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string to_hex(const std::vector<uint8_t> &bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (uint8_t b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

std::string temp_path(const char *name) {
    return (testing::TempDir() + "coff_test_" + std::to_string(getpid()) + "_") + name;
}

std::vector<uint8_t> read_file(const std::string &path) {
    std::vector<uint8_t> bytes;
    if (FILE *f = fopen(path.c_str(), "rb")) {
        int c;
        while ((c = fgetc(f)) != EOF)
            bytes.push_back(static_cast<uint8_t>(c));
        fclose(f);
    }
    return bytes;
}

coff_file *new_image(const std::string &path) {
    coff_file *image = coff_create();
    image->filename = path;
    image->opthdr = {0, COFF_VERSION_STAMP, 0x4520, 8, 8};
    return image;
}

coff_syment &add_symbol(coff_file *image, const char *name, uint32_t value, int16_t scnum, uint32_t type,
                        int8_t sclass, int8_t numaux) {
    coff_syment &s = image->symbols[coff_add_symbol(image)].sym;
    coff_set_symbol_name(image, &s, name);
    s.n_value = value;
    s.n_scnum = scnum;
    s.n_type = type;
    s.n_sclass = sclass;
    s.n_numaux = numaux;
    return s;
}

// Lays the image out, pins the time stamp and writes it.
std::vector<uint8_t> written(coff_file *image) {
    coff_preWrite(image);
    image->header.f_timdat = 0x12345678;
    EXPECT_EQ(coff_write(image), 1);
    std::vector<uint8_t> bytes = read_file(image->filename);
    EXPECT_EQ(bytes, coff_serialize(image));
    return bytes;
}

void expect_same_image(const coff_file *a, const coff_file *b) {
    EXPECT_EQ(a->header, b->header);
    EXPECT_EQ(a->opthdr, b->opthdr);
    EXPECT_EQ(a->sections, b->sections);
    EXPECT_EQ(a->symbols, b->symbols);
    EXPECT_EQ(a->strings, b->strings);
}

// An image with no sections: headers, then straight to symbols and strings.
coff_file *no_sections(const std::string &path) {
    coff_file *image = new_image(path);
    image->header.f_flags = F_GENERIC;
    add_symbol(image, "main", 0x10, N_UNDEF, 0x44, C_EXT, 0);
    return image;
}

const char no_sections_bytes[] =
    "40120000785634122600000001000000120000800000707b0000204500000800"
    "0000080000006d61696e0000000010000000000044000000020004000000";

// A udata section between two data sections; only the last has relocations;
// names at both sides of the inline limits.
coff_file *three_sections(const std::string &path) {
    coff_file *image = new_image(path);
    coff_section *idata = coff_add_section(image);
    coff_set_section_name(image, &idata->header, ".idata");
    set_scn_flags(&idata->header, SCN_TYPE_IDATA, 0, 0, 0, 0);
    idata->data = {1, 2, 3};
    idata->header.s_size = 3;
    coff_section *udata = coff_add_section(image);
    coff_set_section_name(image, &udata->header, ".udata1");
    set_scn_flags(&udata->header, SCN_TYPE_UDATA, 0, 0, 0, 1);
    udata->header.s_size = 10;
    coff_section *rom = coff_add_section(image);
    coff_set_section_name(image, &rom->header, "rom");
    set_scn_flags(&rom->header, SCN_TYPE_ROMDATA, 1, 0, 0, 0);
    rom->header.s_paddr = 0x300;
    rom->data = {0xAA, 0xBB};
    rom->header.s_size = 2;
    rom->relocs.push_back({0, 1, -2, RELOC_LOW});
    add_symbol(image, "abcdefg", 0, 1, T_CHAR, C_STAT, 0);
    add_symbol(image, "abcdefgh", 1, 3, T_UCHAR, C_EXT, 0);
    return image;
}

const char three_sections_bytes[] =
    "4012030078563412af00000002000000120000000000707b0000204500000800"
    "0000080000002e696461746100000000000000000000030000009e0000000000"
    "0000000000000000000040000000000000000400000000000000000000000a00"
    "00000000000000000000000000000000000080800000726f6d00000000000003"
    "00000000000002000000a1000000a30000000000000001000000001100000102"
    "03aabb0000000001000000feff04006162636465666700000000000100020000"
    "000300000000000c0000000100000003000c0000000200150000002e75646174"
    "613100616263646566676800";

// A function with line numbers: the fcn auxiliary entry learns where they are.
coff_file *one_function(const std::string &path) {
    coff_file *image = new_image(path);
    coff_section *code = coff_add_section(image);
    coff_set_section_name(image, &code->header, ".code");
    set_scn_flags(&code->header, SCN_TYPE_CODE, 0, 0, 0, 0);
    for (uint16_t word : {0x0E12, 0x6E01, 0x0012})
        coff_add_word(code, word);
    code->header.s_size = 6;
    code->linenos.push_back({0, 5, 0, 0, 2});
    code->linenos.push_back({0, 6, 2, 0, 2});
    add_symbol(image, ".file", 0, N_DEBUG, T_NULL, C_FILE, 1);
    image->symbols[coff_add_symbol(image)].aux.x_offset = coff_add_string(image, "t.c");
    add_symbol(image, "main", 0, 1, DT_FCN << N_BTSHFT | T_VOID, C_EXT, 1);
    coff_add_symbol(image);
    return image;
}

const char one_function_bytes[] =
    "40120100785634127400000004000000120000000000707b0000204500000800"
    "0000080000002e636f64650000000000000000000000060000004e0000000000"
    "0000540000000000020020000000120e016e1200000000000500000000000000"
    "02000000000000000600020000000000020000002e66696c6500000000000000"
    "feff00000000670104000000000000000000000000000000000000006d61696e"
    "0000000000000000010041000000020100000000000000005400000000000000"
    "0000000008000000742e6300";

struct exact_case {
    const char *name;
    coff_file *(*build)(const std::string &);
    const char *bytes;
};

const exact_case exact_cases[] = {
    {"no_sections", no_sections, no_sections_bytes},
    {"three_sections", three_sections, three_sections_bytes},
    {"one_function", one_function, one_function_bytes},
};

TEST(CoffWrite, BytesAreExact) {
    for (const exact_case &c : exact_cases) {
        SCOPED_TRACE(c.name);
        std::string path = temp_path(c.name);
        coff_file *image = c.build(path);
        EXPECT_EQ(to_hex(written(image)), c.bytes);
        coff_free(image);
        remove(path.c_str());
    }
}

TEST(CoffWrite, ReadingBackGivesTheSameImage) {
    for (const exact_case &c : exact_cases) {
        SCOPED_TRACE(c.name);
        std::string path = temp_path(c.name);
        coff_file *image = c.build(path);
        written(image);
        coff_file *back = coff_read(path.c_str());
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->filename, path);
        expect_same_image(image, back);
        coff_free(back);
        coff_free(image);
        remove(path.c_str());
    }
}

// One symbol of each auxiliary kind, each auxiliary entry filled with
// distinct values in exactly the fields its kind has.
coff_file *every_aux_kind(const std::string &path) {
    coff_file *image = new_image(path);
    const uint32_t fcn = DT_FCN << N_BTSHFT, ary = DT_ARY << N_BTSHFT;
    auto add = [&](const char *name, uint32_t type, int8_t sclass) -> coff_auxent & {
        add_symbol(image, name, 0, 1, type, sclass, 1);
        return image->symbols[coff_add_symbol(image)].aux;
    };
    coff_auxent &file = add(".file", 0, C_FILE);
    file.x_offset = coff_add_string(image, "every.c");
    file.x_incline = 0x01020304;
    coff_auxent &scn = add(".code", 0, C_SCN);
    scn.x_scnlen = 0x11121314, scn.x_nreloc = 0x1516, scn.x_nlinno = 0x1718;
    coff_auxent &tag = add("_tag", T_STRUCT, C_STRTAG);
    tag.x_size = 0x2122, tag.x_endndx = 0x23242526;
    coff_auxent &eos = add(".eos", T_STRUCT, C_EOS);
    eos.x_tagndx = 0x31323334, eos.x_size = 0x3536;
    coff_auxent &func = add("f", fcn | T_INT, C_EXT);
    func.x_tagndx = 0x41424344, func.x_size = 0x45464748, func.x_lnnoptr = 0x494a4b4c;
    func.x_endndx = 0x4d4e4f50, func.x_actscnum = -3;
    coff_auxent &arr = add("a", ary | T_CHAR, C_STAT);
    arr.x_tagndx = 0x51525354, arr.x_lnno = 0x5556, arr.x_size = 0x5758;
    arr.x_dimen[0] = 0x595a, arr.x_dimen[1] = 0x5b5c, arr.x_dimen[2] = 0x5d5e, arr.x_dimen[3] = 0x5f60;
    coff_auxent &eobf = add(".ef", 0, C_FCN);
    eobf.x_srcndx = 0x61626364, eobf.x_lnno = 0x6566;
    coff_auxent &bobf = add(".bb", 0, C_BLOCK);
    bobf.x_srcndx = 0x71727374, bobf.x_lnno = 0x7576, bobf.x_endndx = 0x7778797a;
    coff_auxent &var = add("v", T_UNION, C_STAT);
    var.x_tagndx = 0x01112131, var.x_size = 0x4151;
    coff_auxent &bits = add("b", T_UINT, C_FIELD);
    bits.x_size = 3;
    return image;
}

TEST(CoffWrite, EveryAuxiliaryKindRoundTrips) {
    std::string path = temp_path("aux");
    coff_file *image = every_aux_kind(path);
    std::vector<uint8_t> bytes = written(image);
    // Spot checks of the layouts: the array dimensions at 8 to 15, the
    // function's activation-record section at 16.
    size_t arr = image->header.f_symptr + SYMESZ * 11;
    EXPECT_EQ(to_hex(std::vector<uint8_t>(bytes.begin() + arr, bytes.begin() + arr + SYMESZ)),
              "54535251565558575a595c5b5e5d605f00000000");
    size_t func = image->header.f_symptr + SYMESZ * 9;
    EXPECT_EQ(to_hex(std::vector<uint8_t>(bytes.begin() + func, bytes.begin() + func + SYMESZ)),
              "4443424148474645"
              "4c4b4a49504f4e4dfdff0000");
    coff_file *back = coff_read(path.c_str());
    ASSERT_NE(back, nullptr);
    expect_same_image(image, back);
    coff_free(back);
    coff_free(image);
    remove(path.c_str());
}

TEST(CoffNames, InlineLimitsAndTheEmptyName) {
    coff_file *image = coff_create();
    struct {
        const char *name;
        bool section, in_table;
    } cases[] = {
        {"abcdefg", false, false}, {"abcdefgh", false, true}, {"abcdef", true, false},
        {"abcdefg", true, true},   {"a", false, false},       {"_a_very_long_symbol_name", false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        uint32_t before = coff_string_table_length(image);
        char field[8];
        std::string back;
        if (c.section) {
            coff_scnhdr h{};
            coff_set_section_name(image, &h, c.name);
            memcpy(field, h.s_name, 8);
            back = coff_section_name(image, &h);
        } else {
            coff_syment s{};
            coff_set_symbol_name(image, &s, c.name);
            memcpy(field, s.n_name, 8);
            back = coff_symbol_name(image, &s);
        }
        EXPECT_EQ(back, c.name);
        bool reference = field[0] == 0 && field[1] == 0 && field[2] == 0 && field[3] == 0;
        EXPECT_EQ(reference, c.in_table);
        EXPECT_EQ(coff_string_table_length(image), before + (c.in_table ? strlen(c.name) + 1 : 0));
        if (c.in_table) {
            EXPECT_EQ(static_cast<uint8_t>(field[4]) | static_cast<uint8_t>(field[5]) << 8, static_cast<int>(before));
        }
    }
    coff_syment s{};
    coff_set_symbol_name(image, &s, "");
    const char empty[8] = {0, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(memcmp(s.n_name, empty, 8), 0);
    EXPECT_EQ(coff_symbol_name(image, &s), "");
    // A reference outside the table reads as no name rather than past the end.
    const char outside[8] = {0, 0, 0, 0, 0x10, 0x27, 0, 0};
    memcpy(s.n_name, outside, 8);
    EXPECT_EQ(coff_symbol_name(image, &s), "");
    // Names of exactly 8 characters from other writers have no terminator.
    memcpy(s.n_name, "eightchr", 8);
    EXPECT_EQ(coff_symbol_name(image, &s), "eightchr");
    coff_free(image);
}

TEST(CoffRead, RejectsForeignAndTruncatedFiles) {
    std::vector<uint8_t> good = from_hex(one_function_bytes);
    struct bad {
        const char *what;
        std::vector<uint8_t> bytes;
        const char *message;
    };
    std::vector<bad> cases;
    std::vector<uint8_t> magic = good;
    magic[0] = 0x41;
    cases.push_back({"magic", magic, "does not appear to be a valid COFF file"});
    std::vector<uint8_t> opthdr = good;
    opthdr[16] = 28;
    cases.push_back({"opthdr", opthdr, "missing COFF optional file header"});
    std::vector<uint8_t> huge_symbols = good;
    huge_symbols[12] = huge_symbols[13] = huge_symbols[14] = huge_symbols[15] = 0xFF;
    cases.push_back({"symbols", huge_symbols, "could not read COFF string table length"});
    std::vector<uint8_t> huge_strings = good;
    huge_strings[good.size() - 8] = 0xFF;
    cases.push_back({"strings", huge_strings, "could not read COFF string table"});
    std::vector<uint8_t> huge_lines = good;
    huge_lines[38 + 34] = 0xFF;
    cases.push_back({"lines", huge_lines, "could not read line numbers"});
    std::vector<uint8_t> huge_raw = good;
    huge_raw[38 + 19] = 0x7F;
    cases.push_back({"raw", huge_raw, "could not read raw data"});
    std::vector<uint8_t> huge_relocs = good;
    huge_relocs[38 + 32] = 0xFF;
    huge_relocs[38 + 24] = 0x10;
    cases.push_back({"relocs", huge_relocs, "could not read relocation info"});
    std::vector<uint8_t> many_sections = good;
    many_sections[2] = 0xFF;
    cases.push_back({"sections", many_sections, "could not read section header"});
    cases.push_back({"short header", std::vector<uint8_t>(good.begin(), good.begin() + 10),
                     "could not read COFF file header"});
    cases.push_back({"short optional header", std::vector<uint8_t>(good.begin(), good.begin() + 30),
                     "could not read COFF optional file header"});
    for (const bad &c : cases) {
        SCOPED_TRACE(c.what);
        testing::internal::CaptureStdout();
        coff_file *image = coff_read_memory("bad.o", c.bytes.data(), c.bytes.size());
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(image, nullptr);
        EXPECT_NE(out.find(std::string("File 'bad.o', ") + c.message + ".\n"), std::string::npos) << out;
    }
    for (size_t length = 0; length < good.size(); ++length) {
        testing::internal::CaptureStdout();
        coff_file *image = coff_read_memory("cut.o", good.data(), length);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(image, nullptr) << length;
        EXPECT_EQ(out.rfind("File 'cut.o', could not read ", 0), 0u) << length << ": " << out;
    }
    testing::internal::CaptureStdout();
    EXPECT_EQ(coff_read("/nonexistent/dir/x.o"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not open file '/nonexistent/dir/x.o'.\n");
}

TEST(CoffRead, NoSymbolsFindsTheStringTableAfterTheSections) {
    std::string path = temp_path("nosyms");
    coff_file *image = three_sections(path);
    image->symbols.clear();
    written(image);
    coff_file *back = coff_read(path.c_str());
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->header.f_symptr, 0u);
    expect_same_image(image, back);
    EXPECT_EQ(coff_section_name(back, &back->sections[1].header), ".udata1");
    coff_free(back);
    coff_free(image);
    remove(path.c_str());
}

TEST(CoffWrite, UnopenableFileFailsQuietly) {
    coff_file *image = no_sections("/nonexistent/dir/x.o");
    coff_preWrite(image);
    testing::internal::CaptureStdout();
    EXPECT_EQ(coff_write(image), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    coff_free(image);
}

using CoffWriteDeathTest = testing::Test;

enum big_part { BIG_RAW, BIG_RELOCS, BIG_LINES, BIG_SYMBOLS, BIG_STRINGS };

// Runs in the death-test child: under a file-size limit the one large part
// of the image is the first write that fails.
int write_past_the_size_limit(const std::string &path, big_part part) {
    coff_file *image = three_sections(path);
    coff_section *code = coff_add_section(image);
    set_scn_flags(&code->header, SCN_TYPE_CODE, 0, 0, 0, 0);
    code->data.assign(part == BIG_RAW ? 200000 : 2, 0x5A);
    code->header.s_size = static_cast<uint32_t>(code->data.size());
    for (unsigned i = 0; i < 20000; ++i) {
        if (part == BIG_RELOCS)
            code->relocs.push_back({0, 0, 0, RELOC_CALL});
        if (part == BIG_LINES)
            code->linenos.push_back({0, 1, 0, 0, 0});
        if (part == BIG_SYMBOLS)
            add_symbol(image, "s", 0, 1, 0, C_STAT, 0);
        if (part == BIG_STRINGS)
            coff_add_string(image, "a string of some length");
    }
    coff_preWrite(image);
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
    dup2(2, 1);
    int ok = coff_write(image);
    fflush(stdout);
    return ok == 0 && access(path.c_str(), F_OK) != 0 ? 0 : 1;
}

TEST(CoffWriteDeathTest, FailedWriteNamesThePartAndLeavesNoFile) {
    struct row {
        big_part part;
        const char *message;
    } rows[] = {
        {BIG_RAW, "could not write COFF raw data"},
        {BIG_RELOCS, "could not write COFF relocation entries"},
        {BIG_LINES, "could not write COFF line numbers"},
        {BIG_SYMBOLS, "could not write COFF symbol table"},
        {BIG_STRINGS, "could not write COFF string table"},
    };
    for (const row &r : rows) {
        std::string path = temp_path("full");
        EXPECT_EXIT(_exit(write_past_the_size_limit(path, r.part)), testing::ExitedWithCode(0),
                    std::string("File '.*full' ") + r.message + "\\.\n");
    }
}

} // namespace

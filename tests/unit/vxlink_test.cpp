#include "tools/vxlink/link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "object/coff.h"
#include "object_builder.h"
#include "target/instset.h"
#include "target/procdb.h"
#include "target/sfr_map.h"
#include "tools/ihex/ihex.h"
#include "tools/vxar/vxar.h"
#include "tools/vxlink/link_startup.h"
#include "tools/vxsim/sim_load.h"
#include "tools/vxsim/sim_memory.h"
#include "tools/vxsim/sim_map.h"
#include "tools/vxsim/sim_state.h"

namespace fs = std::filesystem;

namespace {

constexpr unsigned TO_F = 1, ACCESS = 0, BANKED = 1;

uint16_t encode(unsigned type, unsigned one = 0, unsigned two = 0, unsigned three = 0)
{
    uint16_t word = 0;
    setInstType_VxCORE(&word, type);
    setOperandOne_VxCORE(&word, one);
    setOperandTwo_VxCORE(&word, two);
    setOperandThree_VxCORE(&word, three);
    return word;
}

class Link : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::path(::testing::TempDir()) /
              (std::string("vxlink_") + info->name() + "_" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const char *name) const { return (dir / name).string(); }

    // Options that take the start-up code and the math routines from the
    // runtime library of the build.
    static link_options with_runtime()
    {
        link_options options;
        options.runtime_archive = VX_RUNTIME_ARCHIVE;
        return options;
    }

    // Links; returns the exit status and leaves the error text in `errors`.
    int link(const std::vector<std::string> &objects, link_options options = with_runtime())
    {
        for (const std::string &object : objects)
            options.objects.push_back(path(object.c_str()));
        options.output = path("prog.hex");
        options.map = path("prog.map");
        ::testing::internal::CaptureStderr();
        int status = link_run(options);
        errors = ::testing::internal::GetCapturedStderr();
        return status;
    }

    std::vector<uint8_t> program_bytes(uint32_t size = 0x10000)
    {
        hex_image image;
        std::string error;
        EXPECT_TRUE(hex_read(path("prog.hex").c_str(), &image, &error)) << error;
        std::vector<uint8_t> bytes(size, 0xFF);
        for (const hex_segment &segment : image.segments)
            for (size_t i = 0; i < segment.bytes.size(); i++)
                if (segment.address + i < size)
                    bytes[segment.address + i] = segment.bytes[i];
        return bytes;
    }

    uint16_t word_at(const std::vector<uint8_t> &bytes, uint32_t address)
    {
        return uint16_t(bytes[address] | (bytes[address + 1] << 8));
    }

    std::vector<map_symbol> symbols()
    {
        link_map map;
        std::string error;
        EXPECT_TRUE(map_read(path("prog.map").c_str(), &map, &error)) << error;
        EXPECT_EQ(map.device, getDvsProcName(DEFAULT_PROCESSOR));
        return map.symbols;
    }

    uint32_t address_of(const char *name)
    {
        std::vector<map_symbol> list = symbols();
        const map_symbol *symbol = map_find(list, name);
        EXPECT_NE(symbol, nullptr) << name;
        return symbol ? symbol->address : 0;
    }

    std::string map_text()
    {
        std::ifstream in(path("prog.map"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // The address and size that the map gives a section.
    std::pair<uint32_t, uint32_t> section_of(const std::string &name)
    {
        std::istringstream lines(map_text());
        std::string line;
        while (std::getline(lines, line)) {
            std::istringstream words(line);
            std::string first, kind, memory, address, size;
            words >> first >> kind >> memory >> address >> size;
            if (first == name && !size.empty())
                return {uint32_t(std::stoul(address, nullptr, 16)), uint32_t(std::stoul(size, nullptr, 16))};
        }
        ADD_FAILURE() << "no section " << name;
        return {0, 0};
    }

    // Runs the program to its SLEEP, with data memory from 0 up to `filled`
    // holding 0xA5 at power-on instead of zeros.
    std::unique_ptr<sim_state> simulate(unsigned filled = 0)
    {
        hex_image image;
        std::string error;
        EXPECT_TRUE(hex_read(path("prog.hex").c_str(), &image, &error)) << error;
        auto s = std::make_unique<sim_state>();
        sim_init(s.get(), getProgramLocations(DEFAULT_PROCESSOR));
        EXPECT_TRUE(sim_load_image(s.get(), image, &error)) << error;
        std::fill(s->data, s->data + filled, 0xA5);
        EXPECT_EQ(sim_run(s.get(), 1000000), SIM_SLEEP);
        return s;
    }

    // An object whose function `name` only returns.
    void returning(object_builder *o, const char *name, const char *file)
    {
        int code = o->section((std::string(".code_") + name).c_str(), SCN_CODE);
        o->words(code, {encode(IT_RETURN, 0)});
        o->symbol(name, 0, code);
        o->write(path(file));
    }

    void make_archive(const char *name, const std::vector<std::string> &objects)
    {
        std::vector<std::string> paths;
        for (const std::string &object : objects)
            paths.push_back(path(object.c_str()));
        ASSERT_EQ(vxar_create(path(name), paths), 0);
    }

    bool outputs_absent() const
    {
        return !fs::exists(dir / "prog.hex") && !fs::exists(dir / "prog.map");
    }

    std::string errors;
};

// ---------------------------------------------------------------------------
// Every relocation type: the patched bits and only those.

struct reloc_case {
    const char *name;
    uint16_t word;     // the instruction before patching, operand bits set to show they stay
    uint16_t type;
    const char *symbol;
    int16_t addend;
    uint16_t expected;
};

// The patched words sit in an absolute code section at 0x100, one per case.
// Targets: `var` at 0x345, `acc_var` at 0x012, `far_code` at 0xC346, `near_code`
// at 0x0F0, and the section ".tmpdata" (6 bytes, placed in the access bank).
TEST_F(Link, EveryRelocationTypePatchesItsField)
{
    const uint32_t base = 0x100;
    const reloc_case cases[] = {
        {"CALL", encode(IT_CALL, 0, 1), RELOC_CALL, "far_code", 0, encode(IT_CALL, 0xA3, 1)},
        {"CALL word2", encode(IT_WORD2, 0), RELOC_WORD2_ADDR, "far_code", 0, encode(IT_WORD2, 0x061)},
        {"GOTO", encode(IT_GOTO, 0), RELOC_GOTO, "far_code", 2, encode(IT_GOTO, 0xA4)},
        {"GOTO word2", encode(IT_WORD2, 0), RELOC_WORD2_ADDR, "far_code", 2, encode(IT_WORD2, 0x061)},
        {"MOVLW high", encode(IT_MOVLW, 0), RELOC_HIGH, "far_code", 0, encode(IT_MOVLW, 0xC3)},
        {"MOVLW low", encode(IT_MOVLW, 0), RELOC_LOW, "far_code", 1, encode(IT_MOVLW, 0x47)},
        {"MOVLW upper", encode(IT_MOVLW, 0), RELOC_UPPER, "far_code", 0x4000, encode(IT_MOVLW, 0x01)},
        {"MOVLW upper 0", encode(IT_MOVLW, 0xFF), RELOC_UPPER, "far_code", 0, encode(IT_MOVLW, 0x00)},
        {"MOVWF access", encode(IT_MOVWF, 0, ACCESS), RELOC_FILE, "acc_var", 0,
         encode(IT_MOVWF, 0x12, ACCESS)},
        {"MOVWF sfr", encode(IT_MOVWF, 0, ACCESS), RELOC_FILE, "TBLPTRU", 0,
         encode(IT_MOVWF, SFR_TBLPTRU & 0xFF, ACCESS)},
        {"ADDWF banked", encode(IT_ADDWF, 0, TO_F, BANKED), RELOC_FILE, "var", 1,
         encode(IT_ADDWF, 0x46, TO_F, BANKED)},
        {"BSF banked", encode(IT_BSF, 0, 5, BANKED), RELOC_FILE, "var", 0,
         encode(IT_BSF, 0x45, 5, BANKED)},
        {"MOVLB", encode(IT_MOVLB, 0), RELOC_MOVLB, "var", 0, encode(IT_MOVLB, 3)},
        {"MOVFF source", encode(IT_MOVFF, 0), RELOC_MOVFF_SRC, "var", 0, encode(IT_MOVFF, 0x345)},
        {"MOVFF destination", encode(IT_WORD2, 0), RELOC_MOVFF_DST, "WREG", 0,
         encode(IT_WORD2, SFR_WREG)},
        {"LFSR high", encode(IT_LFSR, 2, 0), RELOC_LFSR_HIGH, "var", 0, encode(IT_LFSR, 2, 3)},
        {"LFSR low", encode(IT_WORD2, 0), RELOC_LFSR_LOW, "var", 0, encode(IT_WORD2, 0x45)},
        {"BRA back", encode(IT_BRA, 0), RELOC_BRA, "near_code", 0, 0},
        {"RCALL", encode(IT_RCALL, 0), RELOC_BRA, "near_code", 0, 0},
        {"BZ back", encode(IT_BZ, 0), RELOC_CONDBRA, "near_code", 0, 0},
        {"size low", encode(IT_MOVLW, 0), RELOC_SCNSIZE_LOW, "..tmpdata", 0, encode(IT_MOVLW, 6)},
        {"size high", encode(IT_MOVLW, 0xFF), RELOC_SCNSIZE_HIGH, "..tmpdata", 0, encode(IT_MOVLW, 0)},
        {"size upper", encode(IT_MOVLW, 0xFF), RELOC_SCNSIZE_UPPER, "..tmpdata", 0, encode(IT_MOVLW, 0)},
        {"end low", encode(IT_MOVLW, 0), RELOC_SCNEND_LOW, "..tmpdata", 0, encode(IT_MOVLW, 5)},
        {"end high", encode(IT_MOVLW, 0xFF), RELOC_SCNEND_HIGH, "..tmpdata", 0, encode(IT_MOVLW, 0)},
        {"end upper", encode(IT_MOVLW, 0xFF), RELOC_SCNEND_UPPER, "..tmpdata", 0, encode(IT_MOVLW, 0)},
        {"end LFSR high", encode(IT_LFSR, 0, 0xF), RELOC_SCNEND_LFSR_HIGH, "..tmpdata", 0x100,
         encode(IT_LFSR, 0, 1)},
        {"end LFSR low", encode(IT_WORD2, 0), RELOC_SCNEND_LFSR_LOW, "..tmpdata", 0, encode(IT_WORD2, 5)},
    };
    object_builder o;
    int code = o.section(".code_r", SCN_CODE | SCN_ABS, 0, base);
    int vars = o.section("vars", SCN_UDATA | SCN_ABS, 0x20, 0x345);
    int acc = o.section("acc", SCN_UDATA | SCN_ABS | SCN_ACCESS, 4, 0x010);
    int far = o.section("far", SCN_CODE | SCN_ABS, 0, 0xC346);
    int near = o.section("near", SCN_CODE | SCN_ABS, 0, 0x0F0);
    o.section(".tmpdata", SCN_UDATA | SCN_OVERLAY | SCN_ACCESS, 6);
    o.words(far, {encode(IT_RETURN, 0)});
    o.words(near, {encode(IT_RETURN, 0)});
    o.symbol("var", 0x345, vars);
    o.symbol("acc_var", 0x12, acc);
    o.symbol("far_code", 0xC346, far);
    o.symbol("near_code", 0x0F0, near);
    o.symbol("main", 0x0F0, near);
    std::vector<uint16_t> words;
    for (const reloc_case &c : cases)
        words.push_back(c.word);
    o.words(code, words);
    for (size_t i = 0; i < std::size(cases); i++) {
        const reloc_case &c = cases[i];
        unsigned symbol = o.external(c.symbol);
        if (std::string(c.symbol) != "TBLPTRU" && std::string(c.symbol) != "WREG" &&
            c.symbol[0] != '.') {
            // Refer to the object's own definition instead of an external entry.
            o.image->symbols.pop_back();
            for (unsigned s = 0; s < o.image->symbols.size(); s++)
                if (coff_symbol_name(o.image, &o.image->symbols[s].sym) == c.symbol)
                    symbol = s;
        }
        o.reloc(code, uint32_t(i * 2), symbol, c.type, c.addend);
    }
    o.write(path("relocs.o"));
    link_options options = with_runtime();
    options.processor_name = "61F9713"; // 64 KB of program memory
    ASSERT_EQ(link({"relocs.o"}, options), 0) << errors;
    EXPECT_EQ(section_of(".tmpdata"), std::make_pair(0u, 6u));
    std::vector<uint8_t> bytes = program_bytes(0x20000);
    for (size_t i = 0; i < std::size(cases); i++) {
        const reloc_case &c = cases[i];
        uint32_t at = base + uint32_t(i * 2);
        uint16_t expected = c.expected;
        if (c.type == RELOC_BRA || c.type == RELOC_CONDBRA) {
            int offset = (0x0F0 - int(at) - 2) / 2;
            expected = c.word;
            setOperandOne_VxCORE(&expected, unsigned(offset));
        }
        EXPECT_EQ(word_at(bytes, at), expected) << c.name << std::hex << " got 0x" << word_at(bytes, at);
    }
    EXPECT_EQ(word_at(bytes, 0xC346), encode(IT_RETURN, 0));
}

// ---------------------------------------------------------------------------
// Range checks: each a clear error with object, section, offset and symbol.

struct range_case {
    const char *name;
    uint16_t word;
    uint16_t type;
    const char *symbol;
    const char *message;
};

class LinkRange : public Link, public ::testing::WithParamInterface<range_case> {};

TEST_P(LinkRange, OutOfRangeIsAnErrorWithoutOutput)
{
    const range_case &c = GetParam();
    object_builder o;
    int code = o.section(".code_bad", SCN_CODE | SCN_ABS, 0, 0x100);
    int far = o.section("far", SCN_CODE | SCN_ABS, 0, 0x1100);
    int near = o.section("near", SCN_CODE | SCN_ABS, 0, 0x182);
    int vars = o.section("vars", SCN_UDATA | SCN_ABS, 0x20, 0x345);
    o.words(code, {encode(IT_NOP), c.word});
    o.words(far, {encode(IT_RETURN, 0)});
    o.words(near, {encode(IT_RETURN, 0)});
    o.symbol("main", 0x1100, far);
    o.symbol("far_code", 0x1100, far);
    o.symbol("edge", 0x182, near);
    o.symbol("var", 0x345, vars);
    unsigned symbol = 0;
    for (unsigned s = 0; s < o.image->symbols.size(); s++)
        if (coff_symbol_name(o.image, &o.image->symbols[s].sym) == c.symbol)
            symbol = s;
    o.reloc(code, 2, symbol, c.type, 0);
    o.write(path("bad.o"));
    EXPECT_EQ(link({"bad.o"}), 1);
    EXPECT_NE(errors.find(std::string("bad.o: section '.code_bad' offset 0x2: relocation type ") +
                          std::to_string(c.type) + " for '" + c.symbol + "'"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
    EXPECT_TRUE(outputs_absent());
}

const range_case range_cases[] = {
    {"BZ too far", encode(IT_BZ, 0), RELOC_CONDBRA, "far_code", "out of reach"},
    {"BRA too far", encode(IT_BRA, 0), RELOC_BRA, "far_code", "out of reach"},
    {"RCALL too far", encode(IT_RCALL, 0), RELOC_BRA, "far_code", "out of reach"},
    {"BZ to odd", encode(IT_BZ, 0), RELOC_CONDBRA, "var", "odd address"},
    {"access operand", encode(IT_MOVWF, 0, ACCESS), RELOC_FILE, "var", "outside the access bank"},
    {"access bit op", encode(IT_BTFSC, 0, 3, ACCESS), RELOC_FILE, "var", "outside the access bank"},
    {"CALL on a NOP", encode(IT_NOP), RELOC_CALL, "far_code", "not CALL"},
    {"BRA on MOVLW", encode(IT_MOVLW, 0), RELOC_BRA, "edge", "not BRA or RCALL"},
    {"LFSR to code", encode(IT_LFSR, 0, 0), RELOC_LFSR_HIGH, "far_code", "not a data-memory address"},
    {"CALL to data", encode(IT_CALL, 0, 0), RELOC_CALL, "var", "not a word address"},
    {"unknown type", encode(IT_NOP), 5, "var", "unknown relocation type"},
};
INSTANTIATE_TEST_SUITE_P(Checks, LinkRange, ::testing::ValuesIn(range_cases),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             for (char &ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST_F(Link, BranchAtTheEdgesOfItsReach)
{
    // BZ at 0x200 reaches 0x202 + 2 * 127 = 0x300 and 0x202 - 256 = 0x102.
    for (uint32_t target : {0x300u, 0x102u}) {
        object_builder o;
        int code = o.section(".code_edge", SCN_CODE | SCN_ABS, 0, 0x200);
        int at = o.section("t", SCN_CODE | SCN_ABS, 0, target);
        o.words(code, {encode(IT_BZ, 0)});
        o.words(at, {encode(IT_RETURN, 0)});
        o.symbol("main", 0x200, code);
        o.reloc(code, 0, o.symbol("t", target, at), RELOC_CONDBRA);
        o.write(path("edge.o"));
        link_options options = with_runtime();
        options.entry = "main";
        ASSERT_EQ(link({"edge.o"}, options), 0) << errors;
        std::vector<uint8_t> bytes = program_bytes();
        EXPECT_EQ(word_at(bytes, 0x200), encode(IT_BZ, target == 0x300 ? 0x7F : 0x80));
        fs::remove(path("prog.hex"));
    }
}

// ---------------------------------------------------------------------------
// A two-object program for the archive tests, and objects that the linker
// must refuse.

// main.o: main calls `bump` three times and returns; lib.o: bump increments
// `counter` in its own banked udata section.
void write_program(object_builder *main_o, object_builder *lib_o)
{
    int code = main_o->section(".code_main.o", SCN_CODE);
    unsigned bump = main_o->external("bump");
    main_o->symbol("main", 0, code);
    main_o->words(code, {encode(IT_CALL, 0, 0), encode(IT_WORD2, 0), encode(IT_RCALL, 0),
                         encode(IT_CALL, 0, 0), encode(IT_WORD2, 0), encode(IT_RETURN, 0)});
    main_o->reloc(code, 0, bump, RELOC_CALL);
    main_o->reloc(code, 2, bump, RELOC_WORD2_ADDR);
    main_o->reloc(code, 4, bump, RELOC_BRA);
    main_o->reloc(code, 6, bump, RELOC_CALL);
    main_o->reloc(code, 8, bump, RELOC_WORD2_ADDR);

    int lib_code = lib_o->section(".code_lib.o", SCN_CODE);
    int data = lib_o->section(".udata_lib.o", SCN_UDATA, 2);
    unsigned counter = lib_o->symbol("counter", 1, data);
    lib_o->symbol("bump", 0, lib_code);
    lib_o->words(lib_code, {encode(IT_MOVLB, 0), encode(IT_INCF, 0, TO_F, BANKED),
                            encode(IT_RETURN, 0)});
    lib_o->reloc(lib_code, 0, counter, RELOC_MOVLB);
    lib_o->reloc(lib_code, 2, counter, RELOC_FILE);
}

TEST_F(Link, CorruptObjectsAreReportedNotTrusted)
{
    struct corrupt_case {
        const char *name;
        void (*spoil)(object_builder *o, int code);
        const char *message;
    };
    const corrupt_case cases[] = {
        {"symbol in a missing section", [](object_builder *o, int) { o->symbol("ghost", 0, 9, C_STAT); },
         "symbol 'ghost' names section 9 of 1"},
        {"relocation of a missing symbol",
         [](object_builder *o, int code) { o->reloc(code, 0, 99, RELOC_CALL); },
         "relocation names symbol index 99"},
        {"relocation past the end",
         [](object_builder *o, int code) { o->reloc(code, 4, 0, RELOC_CALL); },
         "relocation outside the section's 4 bytes"},
        {"relocation at an odd offset",
         [](object_builder *o, int code) { o->reloc(code, 1, 0, RELOC_LOW); },
         "relocation outside the section's 4 bytes"},
        {"word patch in data",
         [](object_builder *o, int) {
             int data = o->section("rom", SCN_ROMDATA);
             o->bytes(data, {0, 0});
             o->reloc(data, 0, 0, RELOC_CALL);
         },
         "this section holds data"},
    };
    for (const corrupt_case &c : cases) {
        object_builder o;
        int code = o.section(".code_c", SCN_CODE);
        o.words(code, {encode(IT_CALL, 0, 0), encode(IT_WORD2, 0)});
        o.symbol("main", 0, code);
        c.spoil(&o, code);
        o.write(path("c.o"));
        EXPECT_EQ(link({"c.o"}), 1) << c.name;
        EXPECT_NE(errors.find(c.message), std::string::npos) << c.name << ": " << errors;
        EXPECT_TRUE(outputs_absent()) << c.name;
    }
}

// ---------------------------------------------------------------------------
// Placement.

TEST_F(Link, AnObjectsOwnStartUpKeepsTheRuntimesOut)
{
    object_builder o;
    int code = o.section(".code_s", SCN_CODE);
    o.words(code, {encode(IT_SLEEP)});
    o.symbol("_startup", 0, code);
    o.write(path("s.o"));
    ASSERT_EQ(link({"s.o"}), 0) << errors;
    EXPECT_EQ(map_text().find("startup.o"), std::string::npos);
    auto [cinit, cinit_size] = section_of(".cinit");
    EXPECT_EQ(cinit, 0x2Au);
    EXPECT_EQ(address_of("_startup"), cinit + cinit_size);
}

TEST_F(Link, EntryOptionAndStackSize)
{
    object_builder o;
    int code = o.section(".code_e", SCN_CODE);
    o.words(code, {encode(IT_SLEEP)});
    o.symbol("main", 0, code);
    o.write(path("e.o"));
    link_options options = with_runtime();
    options.entry = "main";
    options.stack_size = 0x180;
    ASSERT_EQ(link({"e.o"}, options), 0) << errors;
    EXPECT_EQ(map_text().find("startup.o"), std::string::npos) << "no object needs the start-up";
    std::vector<uint8_t> bytes = program_bytes();
    EXPECT_EQ(address_of("main"), 0x2Cu);
    EXPECT_EQ(word_at(bytes, 0), encode(IT_GOTO, 0x2C >> 1));
    auto [stack, size] = section_of(".stack");
    EXPECT_EQ(size, 0x180u);
    EXPECT_EQ(stack % 256, 0u) << "a stack larger than a bank starts on a bank";
    options.stack_size = MIN_STACK_SIZE;
    ASSERT_EQ(link({"e.o"}, options), 0) << errors;
    EXPECT_EQ(section_of(".stack").second, MIN_STACK_SIZE);
}

TEST_F(Link, DataSectionsByAttribute)
{
    object_builder o;
    int code = o.section(".code_d", SCN_CODE);
    o.words(code, {encode(IT_RETURN, 0)});
    o.symbol("main", 0, code);
    o.section("acc1", SCN_UDATA | SCN_ACCESS, 0x20);
    o.section("acc2", SCN_UDATA | SCN_ACCESS, 0x30);
    o.section("big1", SCN_UDATA, 0xA0);
    o.section("big2", SCN_UDATA, 0xA0);
    o.section("big3", SCN_UDATA, 0xA0);
    o.section("full", SCN_UDATA, 0x100);
    o.section("fixed", SCN_UDATA | SCN_ABS, 0x10, 0x1F8);
    o.write(path("d.o"));
    ASSERT_EQ(link({"d.o"}), 0) << errors;
    for (const char *name : {"acc1", "acc2"}) {
        auto [address, size] = section_of(name);
        EXPECT_LE(address + size, ACCESS_LOW_END) << name;
    }
    EXPECT_EQ(section_of("fixed").first, 0x1F8u);
    std::vector<std::pair<uint32_t, uint32_t>> placed;
    for (const char *name : {"big1", "big2", "big3", "full", ".stack", "fixed", "acc1", "acc2"})
        placed.push_back(section_of(name));
    for (const char *name : {"big1", "big2", "big3", "full"}) {
        auto [address, size] = section_of(name);
        EXPECT_GE(address, ACCESS_LOW_END) << name;
        EXPECT_EQ(address / 256, (address + size - 1) / 256) << name << " crosses a bank";
    }
    for (size_t i = 0; i < placed.size(); i++)
        for (size_t j = i + 1; j < placed.size(); j++)
            EXPECT_TRUE(placed[i].first + placed[i].second <= placed[j].first ||
                        placed[j].first + placed[j].second <= placed[i].first)
                << i << " and " << j << " overlap";
}

TEST_F(Link, OverlaySectionsShareTheirAddressAndOthersConcatenate)
{
    object_builder a, b;
    int code = a.section(".code_a", SCN_CODE);
    a.words(code, {encode(IT_RETURN, 0)});
    a.symbol("main", 0, code);
    int ta = a.section(".tmpdata", SCN_UDATA | SCN_OVERLAY | SCN_ACCESS, 4);
    int tb = b.section(".tmpdata", SCN_UDATA | SCN_OVERLAY | SCN_ACCESS, 9);
    int ma = a.section("MATH_DATA", SCN_UDATA | SCN_ACCESS, 3);
    int mb = b.section("MATH_DATA", SCN_UDATA | SCN_ACCESS, 5);
    a.symbol("ta", 2, ta);
    b.symbol("tb", 2, tb);
    a.symbol("ma", 1, ma);
    b.symbol("mb", 1, mb);
    a.write(path("a.o"));
    b.write(path("b.o"));
    ASSERT_EQ(link({"a.o", "b.o"}), 0) << errors;
    EXPECT_EQ(section_of(".tmpdata").second, 9u);
    EXPECT_EQ(section_of("MATH_DATA").second, 8u);
    EXPECT_EQ(address_of("ta"), address_of("tb"));
    EXPECT_EQ(address_of("mb"), address_of("ma") + 3);
}

TEST_F(Link, PlacementErrors)
{
    struct placement_case {
        const char *name;
        std::vector<std::tuple<const char *, uint32_t, uint32_t, uint32_t>> sections;
        const char *message;
    };
    const placement_case cases[] = {
        {"overlap", {{"one", SCN_UDATA | SCN_ABS, 0x10, 0x100}, {"two", SCN_UDATA | SCN_ABS, 4, 0x10C}},
         "sections 'one'"},
        {"reset vector", {{"boot", SCN_CODE | SCN_ABS, 2, 0x02}}, "overlap at 0x000002"},
        {"beyond program", {{"high", SCN_CODE | SCN_ABS, 2, 0x8000}}, "beyond the 0x8000 bytes"},
        {"beyond data", {{"d", SCN_UDATA | SCN_ABS, 2, 0xFFF}}, "beyond data memory"},
        {"larger than a bank", {{"huge", SCN_UDATA, 0x101, 0}}, "does not fit in one bank"},
        {"access full", {{"a1", SCN_UDATA | SCN_ACCESS, 0x40, 0}, {"a2", SCN_UDATA | SCN_ACCESS, 0x30, 0}},
         "in the access bank"},
        {"program full", {{"c", SCN_CODE, 0x8000, 0}}, "in program memory"},
        {"kinds differ", {{"x", SCN_UDATA, 2, 0}, {"x", SCN_UDATA | SCN_ACCESS, 2, 0}},
         "different kinds or attributes"},
        {"overlay contents", {{"ov", SCN_CODE | SCN_OVERLAY, 2, 0}, {"ov", SCN_CODE | SCN_OVERLAY, 2, 0}},
         "overlay section 'ov' has contents in both"},
        {"odd absolute code", {{"odd", SCN_CODE | SCN_ABS, 2, 0x101}}, "starts at the odd address 0x000101"},
        {"stack does not fit", {{"fill", SCN_UDATA | SCN_ABS, 0x5A0, 0x60}}, "no room for section '.stack'"},
    };
    for (const placement_case &c : cases) {
        object_builder o;
        int code = o.section(".code_p", SCN_CODE);
        o.words(code, {encode(IT_RETURN, 0)});
        o.symbol("main", 0, code);
        for (const auto &[name, flags, size, address] : c.sections) {
            int s = o.section(name, flags, size, address);
            if (flags & SCN_CODE)
                o.words(s, std::vector<uint16_t>(size / 2, 0));
        }
        o.write(path("p.o"));
        EXPECT_EQ(link({"p.o"}), 1) << c.name;
        EXPECT_NE(errors.find(c.message), std::string::npos) << c.name << ": " << errors;
        EXPECT_TRUE(outputs_absent()) << c.name;
    }
}

TEST_F(Link, TheStartUpClearsDataMemoryBelowTheRegisters)
{
    object_builder o;
    int code = o.section(".code_z", SCN_CODE);
    o.words(code, {encode(IT_RETURN, 0)});
    o.symbol("main", 0, code);
    o.section("near_vars", SCN_UDATA | SCN_ACCESS, 0x10);
    o.section("vars", SCN_UDATA, 0x40);
    o.section("top_vars", SCN_UDATA | SCN_ABS, 0x20, 0x5E0);
    int init = o.section(".idata_z", SCN_IDATA);
    o.bytes(init, {1, 2, 3});
    o.symbol("init", 0, init);
    o.write(path("z.o"));
    ASSERT_EQ(link({"z.o"}), 0) << errors;
    auto s = simulate(SFR_STATUS);
    uint32_t init_address = address_of("init");
    EXPECT_EQ(s->data[init_address], 1);
    EXPECT_EQ(s->data[init_address + 2], 3);
    // Besides the initial values only the start-up's own scratch bytes, at
    // the foot of the stack and in the temporaries, are left non-zero.
    uint32_t stack = address_of("_stack");
    auto [tmpdata, tmpdata_size] = section_of(".tmpdata");
    for (uint32_t a = 0; a < SFR_FIRST; a++) {
        bool written = (a >= init_address && a < init_address + 3) ||
                       (a >= stack && a < stack + MIN_STACK_SIZE) ||
                       (a >= tmpdata && a < tmpdata + tmpdata_size);
        if (!written) {
            ASSERT_EQ(s->data[a], 0) << std::hex << "at 0x" << a;
        }
    }
    for (uint32_t a = SFR_FIRST; a < SFR_STATUS; a++)
        ASSERT_EQ(s->data[a], 0xA5) << std::hex << "register at 0x" << a;
}

TEST_F(Link, TheCopyTableStaysInTheFirst64KB)
{
    object_builder o;
    int code = o.section(".code_big", SCN_CODE);
    std::vector<uint16_t> words(0x8800, encode(IT_NOP));
    words[0] = encode(IT_RETURN, 0);
    o.words(code, words);
    o.symbol("main", 0, code);
    int init = o.section(".idata_big", SCN_IDATA);
    o.bytes(init, {0x5A, 0xC3});
    o.symbol("init", 0, init);
    o.write(path("big.o"));
    link_options options = with_runtime();
    options.processor_name = "61F5844"; // 96 KB of program memory
    ASSERT_EQ(link({"big.o"}, options), 0) << errors;
    EXPECT_EQ(section_of(".cinit").first, 0x2Au);
    link_map map;
    std::string error;
    ASSERT_TRUE(map_read(path("prog.map").c_str(), &map, &error)) << error;
    ASSERT_NE(map_find(map.symbols, "_startup"), nullptr);
    EXPECT_GT(map_find(map.symbols, "_startup")->address, 0x10000u);
    uint32_t init_address = map_find(map.symbols, "init")->address;

    int processor = 0;
    ASSERT_TRUE(convertDvsProcName("61F5844", &processor));
    hex_image image;
    ASSERT_TRUE(hex_read(path("prog.hex").c_str(), &image, &error)) << error;
    auto s = std::make_unique<sim_state>();
    sim_init(s.get(), getProgramLocations(processor));
    ASSERT_TRUE(sim_load_image(s.get(), image, &error)) << error;
    ASSERT_EQ(sim_run(s.get(), 1000000), SIM_SLEEP);
    EXPECT_EQ(s->data[init_address], 0x5A);
    EXPECT_EQ(s->data[init_address + 1], 0xC3);
}

TEST_F(Link, AnUnreadableRuntimeIsAnError)
{
    object_builder o;
    returning(&o, "main", "u.o");
    link_options options;
    options.runtime_archive = path("nowhere.a");
    EXPECT_EQ(link({"u.o"}, options), 1);
    EXPECT_NE(errors.find("vxlink: error: the runtime library " + path("nowhere.a") +
                          ": cannot open: No such file or directory"),
              std::string::npos)
        << errors;
    EXPECT_TRUE(outputs_absent());

    std::ofstream(path("junk.a")) << "not an archive";
    options.runtime_archive = path("junk.a");
    EXPECT_EQ(link({"u.o"}, options), 1);
    EXPECT_NE(errors.find("vxlink: error: the runtime library " + path("junk.a") + ": not an archive"),
              std::string::npos)
        << errors;
    EXPECT_TRUE(outputs_absent());
}

TEST_F(Link, TheFirstArchiveThatDefinesANameGivesIt)
{
    object_builder main_o, lib_o, other;
    write_program(&main_o, &lib_o);
    main_o.write(path("main.o"));
    lib_o.write(path("lib.o"));
    make_archive("one.a", {"lib.o"});
    fs::create_directories(dir / "two");
    returning(&other, "bump", "two/lib.o");
    make_archive("two.a", {"two/lib.o"});
    ASSERT_EQ(link({"main.o", "two.a", "one.a"}), 0) << errors;
    EXPECT_NE(map_text().find(path("two.a") + "(lib.o)"), std::string::npos);
    EXPECT_EQ(map_text().find(path("one.a")), std::string::npos);
}

} // namespace

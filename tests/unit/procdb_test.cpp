#include "target/procdb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

std::string upper(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int lookup(const char *name)
{
    int processor = -1;
    return convertDvsProcName(name, &processor) ? processor : 0;
}

// The first offset of bank 0 that counts as a general-purpose register.
unsigned first_gpr_offset(int processor)
{
    unsigned offset = 0;
    while (offset < getLocationsPerBank(processor) && !isGpr(0, processor, offset))
        ++offset;
    return offset;
}

TEST(ProcdbTest, FamilySizes)
{
    std::map<int, int> count;
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p)
        ++count[getInstSet(p)];
    EXPECT_EQ(count.size(), 4u);
    EXPECT_EQ(count[_VxCORE], 181);
    EXPECT_EQ(count[_TwCORE], 155);
    EXPECT_EQ(count[_BaCORE], 56);
    EXPECT_EQ(count[_SyCORE], 11);
}

TEST(ProcdbTest, NamesAreUniqueAndUsableAsMacroSuffix)
{
    std::set<std::string> seen;
    int vx_letter_names = 0;
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        std::string name = getDvsProcName(p);
        SCOPED_TRACE(name);
        ASSERT_FALSE(name.empty());
        // The driver defines "__" followed by the name for the preprocessor.
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c); }));
        EXPECT_TRUE(seen.insert(upper(name)).second) << "duplicate name";
        EXPECT_NE(upper(name), "VXCORE");
        if (getInstSet(p) == _VxCORE && !std::isdigit(static_cast<unsigned char>(name[0])))
            ++vx_letter_names;
    }
    EXPECT_EQ(vx_letter_names, 2);
}

TEST(ProcdbTest, TypeCodesAreUniqueInRangeAndRoundTrip)
{
    std::set<unsigned> seen;
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        unsigned code = getDvsProcType(p);
        SCOPED_TRACE(p);
        EXPECT_GE(code, 0x0500u);
        EXPECT_LE(code, 0xF946u);
        EXPECT_TRUE(seen.insert(code).second);
        EXPECT_EQ(convertDvsProcType(code), p);
        EXPECT_EQ(isDvsProcTypeSupported(0, code), 1);
    }
    for (unsigned code : {0u, 0x04FFu, 0xF947u, 0xFFFFu, 0x10500u}) {
        EXPECT_EQ(convertDvsProcType(code), 0) << code;
        EXPECT_EQ(isDvsProcTypeSupported(1, code), 0) << code;
    }
}

TEST(ProcdbTest, FamilyConstantsHoldForEveryDevice)
{
    struct constants {
        unsigned rom_width, per_page, per_bank, max_rom, max_ram;
    };
    const std::map<int, constants> expected = {
        {_TwCORE, {14, 2048, 128, 8191, 511}},
        {_SyCORE, {16, 8192, 256, 65535, 4095}},
        {_BaCORE, {12, 512, 32, 2047, 127}},
        {_VxCORE, {8, 0x200000, 256, 0x1FFFFF, 4095}},
    };
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        SCOPED_TRACE(getDvsProcName(p));
        const constants &c = expected.at(getInstSet(p));
        EXPECT_EQ(getRomWidth(p), c.rom_width);
        EXPECT_EQ(getRamWidth(p), 8u);
        EXPECT_EQ(getLocationsPerPage(p), c.per_page);
        EXPECT_EQ(getLocationsPerBank(p), c.per_bank);
        EXPECT_EQ(getMaxROMAddr(p), c.max_rom);
        EXPECT_EQ(getMaxRAMAddr(p), c.max_ram);
    }
}

TEST(ProcdbTest, MemoryGeometryIsConsistent)
{
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        SCOPED_TRACE(getDvsProcName(p));
        unsigned program = getProgramLocations(p);
        unsigned per_page = getLocationsPerPage(p);
        EXPECT_LE(program, getMaxROMAddr(p) + 1);
        EXPECT_EQ(getNumberOfPages(p), (program + per_page - 1) / per_page);
        unsigned banks = getNumberOfBanks(p);
        EXPECT_GE(banks, 1u);
        EXPECT_LE(banks * getLocationsPerBank(p), getMaxRAMAddr(p) + 1);
        // Data locations count general-purpose registers only.
        unsigned gpr_per_bank = getLocationsPerBank(p) - first_gpr_offset(p);
        EXPECT_LE(getDataLocations(p), banks * gpr_per_bank);
        EXPECT_GT(getDataLocations(p), 0u);
        if (getInstSet(p) != _VxCORE) {
            EXPECT_EQ(supports_extended_mode(p), 0);
        }
    }
}

TEST(ProcdbTest, VxcoreSizesAndExtendedMode)
{
    int without_program = 0, extended = 0, basic = 0;
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        if (getInstSet(p) != _VxCORE)
            continue;
        SCOPED_TRACE(getDvsProcName(p));
        unsigned program = getProgramLocations(p);
        if (program == 0) {
            ++without_program;
            EXPECT_EQ(getNumberOfPages(p), 0u);
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(getDvsProcName(p)[0])));
        } else {
            EXPECT_GE(program, 4096u);
            EXPECT_LE(program, 98296u);
            EXPECT_EQ(program % 2, 0u) << "instruction words are two bytes";
            EXPECT_EQ(getNumberOfPages(p), 1u);
        }
        EXPECT_GE(getNumberOfBanks(p), 1u);
        EXPECT_LE(getNumberOfBanks(p), 16u);
        EXPECT_GE(getDataLocations(p), 256u);
        EXPECT_LE(getDataLocations(p), 3968u);
        (supports_extended_mode(p) ? extended : basic)++;
    }
    EXPECT_EQ(without_program, 2);
    EXPECT_EQ(extended, 134);
    EXPECT_EQ(basic, 47);
}

TEST(ProcdbTest, FixedDevices)
{
    for (int p = 218; p <= 396; ++p)
        EXPECT_EQ(getInstSet(p), _VxCORE) << p;
    for (int p = 218; p <= 221; ++p)
        EXPECT_EQ(supports_extended_mode(p), 0) << p;
    EXPECT_EQ(DEFAULT_PROCESSOR, 221);
    EXPECT_EQ(getNumberOfBanks(DEFAULT_PROCESSOR), 6u);
    EXPECT_EQ(getProgramLocations(DEFAULT_PROCESSOR), 32768u);
    EXPECT_EQ(lookup(getDvsProcName(DEFAULT_PROCESSOR)), DEFAULT_PROCESSOR);
}

TEST(ProcdbTest, NameLookup)
{
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        std::string name = getDvsProcName(p);
        EXPECT_EQ(lookup(name.c_str()), p) << name;
        EXPECT_EQ(lookup(lower(name).c_str()), p) << name;
        EXPECT_EQ(lookup(upper(name).c_str()), p) << name;
    }
    const std::string known = getDvsProcName(300);
    const std::string rejected[] = {
        "",
        "VxCORE",
        "VX" + known,                 // brand prefix
        known.substr(0, known.size() - 1), // a prefix of the name
        known + "0",                  // the name with more behind it
        " " + known,                  // the caller strips blanks
        known + " ",
    };
    for (const std::string &name : rejected)
        EXPECT_EQ(lookup(name.c_str()), 0) << '"' << name << '"';
    int untouched = 7;
    EXPECT_EQ(convertDvsProcName("nonesuch", &untouched), 0);
    EXPECT_EQ(untouched, 7);
    EXPECT_EQ(convertDvsProcName(nullptr, &untouched), 0);
}

TEST(ProcdbTest, Banking)
{
    std::map<int, int> sample; // one device per family
    for (int p = NUMBER_OF_PROCESSORS; p >= 1; --p)
        sample[getInstSet(p)] = p;
    struct bank_case {
        int family;
        unsigned address, bank, offset;
    };
    const bank_case cases[] = {
        {_VxCORE, 0x000, 0, 0x00},  {_VxCORE, 0x0FF, 0, 0xFF},  {_VxCORE, 0x100, 1, 0x00},
        {_VxCORE, 0xFFF, 15, 0xFF}, {_SyCORE, 0x0FF, 0, 0xFF},  {_SyCORE, 0x100, 1, 0x00},
        {_SyCORE, 0xFFF, 15, 0xFF}, {_TwCORE, 0x07F, 0, 0x7F},  {_TwCORE, 0x080, 1, 0x00},
        {_TwCORE, 0x1FF, 3, 0x7F},  {_TwCORE, 0x2A5, 5, 0x25},  {_BaCORE, 0x01F, 0, 0x1F},
        {_BaCORE, 0x020, 1, 0x00},  {_BaCORE, 0x07F, 3, 0x1F},  {_BaCORE, 0x2A5, 21, 0x05},
    };
    for (const bank_case &c : cases) {
        int p = sample.at(c.family);
        EXPECT_EQ(getDataBankNumber(p, c.address), c.bank) << c.family << " " << c.address;
        EXPECT_EQ(getDataBankOffset(p, c.address), c.offset) << c.family << " " << c.address;
    }
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p)
        if (getInstSet(p) == _VxCORE) {
            EXPECT_EQ(getDataBankNumber(p, 0x2A5), 2u) << p;
            EXPECT_EQ(getDataBankOffset(p, 0x2A5), 0xA5u) << p;
        }
}

TEST(ProcdbTest, GeneralPurposeRegisters)
{
    const std::map<int, std::set<unsigned>> allowed_thresholds = {
        {_TwCORE, {11, 31, 63}}, {_BaCORE, {6, 7, 9, 12, 15}}, {_SyCORE, {31}}};
    const std::map<int, unsigned> usual_threshold = {{_TwCORE, 31}, {_BaCORE, 7}, {_SyCORE, 31}};
    std::map<int, std::map<unsigned, int>> seen;
    for (int p = 1; p <= NUMBER_OF_PROCESSORS; ++p) {
        SCOPED_TRACE(getDvsProcName(p));
        int family = getInstSet(p);
        unsigned per_bank = getLocationsPerBank(p);
        if (family == _VxCORE) {
            for (unsigned address = 0; address <= getMaxRAMAddr(p); ++address)
                ASSERT_EQ(isGpr(0, p, address), 1) << address;
            continue;
        }
        unsigned first = first_gpr_offset(p);
        ASSERT_GE(first, 1u);
        unsigned threshold = first - 1;
        EXPECT_TRUE(allowed_thresholds.at(family).count(threshold)) << threshold;
        ++seen[family][threshold];
        // The same split holds in every bank.
        for (unsigned address = 0; address <= getMaxRAMAddr(p); ++address)
            ASSERT_EQ(isGpr(0, p, address), address % per_bank > threshold ? 1 : 0) << address;
    }
    for (const auto &[family, thresholds] : seen) {
        auto most = std::max_element(thresholds.begin(), thresholds.end(),
                                     [](const auto &a, const auto &b) { return a.second < b.second; });
        EXPECT_EQ(most->first, usual_threshold.at(family)) << family;
        if (family != _SyCORE) {
            EXPECT_GT(thresholds.size(), 1u) << family;
        }
    }
}

TEST(ProcdbDeathTest, InvalidProcessorNumberIsAnInternalError)
{
    const std::function<void(int)> queries[] = {
        [](int p) { getDvsProcName(p); },
        [](int p) { getInstSet(p); },
        [](int p) { getDvsProcType(p); },
        [](int p) { getRomWidth(p); },
        [](int p) { getRamWidth(p); },
        [](int p) { getNumberOfPages(p); },
        [](int p) { getProgramLocations(p); },
        [](int p) { getLocationsPerPage(p); },
        [](int p) { getNumberOfBanks(p); },
        [](int p) { getDataLocations(p); },
        [](int p) { getLocationsPerBank(p); },
        [](int p) { getMaxROMAddr(p); },
        [](int p) { getMaxRAMAddr(p); },
        [](int p) { getDataBankNumber(p, 0x2A5); },
        [](int p) { getDataBankOffset(p, 0x2A5); },
        [](int p) { isGpr(0, p, 0x2A5); },
        [](int p) { supports_extended_mode(p); },
    };
    for (int processor : {0, NUMBER_OF_PROCESSORS + 1, -1, INT_MIN, INT_MAX})
        for (const auto &query : queries)
            EXPECT_DEATH(query(processor), "Internal compiler error.*mgproc") << processor;
}

} // namespace

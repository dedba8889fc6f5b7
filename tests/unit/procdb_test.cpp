#include "target/procdb.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
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

} // namespace

// Constant records: the type that each spelling gets, and the widening,
// conversion and increment rules at the edges of every width.
#include "frontend/constant.h"

#include <gtest/gtest.h>


#include "driver/diag.h"
#include "support/strutil.h"

namespace {

struct integer_case {
    const char *text;
    uint32_t type;
    uint32_t value;
};

const integer_case integer_cases[] = {
    {"0", CT_SCHAR, 0},
    {"127", CT_SCHAR, 127},
    {"128", CT_INT, 128},
    {"200", CT_INT, 200},
    {"32767", CT_INT, 32767},
    {"32768", CT_SHORTLONG, 32768},
    {"40000", CT_SHORTLONG, 40000},
    {"8388607", CT_SHORTLONG, 8388607},
    {"8388608", CT_LONG, 8388608},
    {"4294967295", CT_LONG, 0xFFFFFFFF},
    {"99999999999", CT_LONG, 0xFFFFFFFF},
    {"0xC8", CT_UCHAR, 0xC8},
    {"0x7f", CT_SCHAR, 0x7F},
    {"0x100", CT_INT, 0x100},
    {"0xFFFF", CT_UINT, 0xFFFF},
    {"0x10000", CT_SHORTLONG, 0x10000},
    {"0x800000", CT_USHORTLONG, 0x800000},
    {"0xFFFFFF", CT_USHORTLONG, 0xFFFFFF},
    {"0x1000000", CT_LONG, 0x1000000},
    {"0x80000000", CT_ULONG, 0x80000000},
    {"0377", CT_UCHAR, 255},
    {"0b101", CT_SCHAR, 5},
    {"0B11111111", CT_UCHAR, 255},
    {"40000u", CT_UINT, 40000},
    {"200U", CT_UCHAR, 200},
    {"70000u", CT_USHORTLONG, 70000},
    {"16777216u", CT_ULONG, 16777216},
    {"1L", CT_LONG, 1},
    {"1ul", CT_ULONG, 1},
    {"1LU", CT_ULONG, 1},
    {"0xFFl", CT_LONG, 255},
};

TEST(FrontendConstant, IntegerTypesAndValues)
{
    for (const integer_case &c : integer_cases) {
        constant_record r{};
        scan_integer_constant(&r, c.text);
        EXPECT_EQ(r.type, c.type) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

struct character_case {
    const char *text;
    uint32_t value;
};

const character_case character_cases[] = {
    {"'a'", 97},    {"'ab'", 97},    {"L'a'", 97},   {"'\\x41'", 65}, {"'\\101'", 65}, {"'\\0'", 0},
    {"'\\n'", 10},  {"'\\t'", 9},    {"'\\r'", 13},  {"'\\b'", 8},    {"'\\f'", 12},   {"'\\a'", 7},
    {"'\\v'", 11},  {"'\\\\'", 92},  {"'\\''", 39},  {"'\\\"'", 34},  {"'\\?'", 63},   {"'\\xFF'", 255},
    {"'\\x1FF'", 0xFF},
};

TEST(FrontendConstant, CharacterConstantsAreUnsignedChars)
{
    for (const character_case &c : character_cases) {
        constant_record r{};
        scan_character_constant(&r, c.text);
        EXPECT_EQ(r.type, CT_UCHAR) << c.text;
        EXPECT_EQ(r.value, c.value) << c.text;
    }
}

TEST(FrontendConstant, UnknownEscapeIsDiagnosedAndKeepsTheLetter)
{
    unsigned before = get_error_count();
    testing::internal::CaptureStdout();
    constant_record r{};
    scan_character_constant(&r, "'\\q'");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(get_error_count(), before + 1);
    EXPECT_NE(out.find("[1103] unknown escape sequence '\\q'"), std::string::npos) << out;
    EXPECT_EQ(r.value, static_cast<uint32_t>('q'));
}

TEST(FrontendConstant, Widening)
{
    struct {
        uint32_t type, value;
        int32_t as_signed;
        uint32_t as_unsigned;
    } cases[] = {
        {CT_SCHAR, 0xFF, -1, 0xFFFFFFFF},    {CT_UCHAR, 0xFF, 255, 255},
        {CT_INT, 0x8000, -32768, 0xFFFF8000}, {CT_UINT, 0x8000, 32768, 32768},
        {CT_SHORTLONG, 0xFFFFFFFF, -1, 0xFFFFFFFF}, {CT_SHORTLONG, 0x00800000, -8388608, 0xFF800000},
        {CT_USHORTLONG, 0xFF800000, 0x800000, 0x800000}, {CT_LONG, 0x80000000, INT32_MIN, 0x80000000},
        {CT_ULONG, 7, 7, 7},
        {CT_FLOAT, get_float_representation(-2.75f), -2, 0xFFFFFFFE},
        {CT_FLOAT, get_float_representation(3.99f), 3, 3},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(get_signed_constant_value(c.type, c.value), c.as_signed) << c.type << " " << c.value;
        EXPECT_EQ(get_unsigned_constant_value(c.type, c.value), c.as_unsigned) << c.type << " " << c.value;
    }
}

TEST(FrontendConstant, HugeFloatsStayDefined)
{
    uint32_t big = get_float_representation(1e30f);
    EXPECT_EQ(get_signed_constant_value(CT_FLOAT, big), INT32_MAX);
    EXPECT_EQ(get_signed_constant_value(CT_FLOAT, get_float_representation(-1e30f)), INT32_MIN);
}

TEST(FrontendConstant, Conversion)
{
    constant_record r{CT_SCHAR, 0xFF}; // -1
    do_convert_constant_type(&r, CT_FLOAT);
    EXPECT_EQ(r.type, CT_FLOAT);
    EXPECT_EQ(get_float_constant_value(r.type, r.value), -1.0f);

    r = {CT_UCHAR, 0xFF};
    do_convert_constant_type(&r, CT_FLOAT);
    EXPECT_EQ(get_float_constant_value(r.type, r.value), 255.0f);

    r = {CT_FLOAT, get_float_representation(-7.9f)};
    do_convert_constant_type(&r, CT_INT);
    EXPECT_EQ(r.type, CT_INT);
    EXPECT_EQ(r.value, 0xFFF9u);

    r = {CT_LONG, 0x12345678};
    do_convert_constant_type(&r, CT_UCHAR);
    EXPECT_EQ(r.value, 0x78u);

    r = {CT_INT, 0xFFFF}; // -1
    do_convert_constant_type(&r, CT_SHORTLONG);
    EXPECT_EQ(r.value, 0xFFFFFFFFu);
    do_convert_constant_type(&r, CT_USHORTLONG);
    EXPECT_EQ(r.value, 0xFFFFFFu);
}

TEST(FrontendConstant, IncrementPromotes)
{
    struct {
        constant_record from, to;
    } cases[] = {
        {{CT_SCHAR, 5}, {CT_SCHAR, 6}},
        {{CT_SCHAR, 0xFF}, {CT_SCHAR, 0}},
        {{CT_SCHAR, 126}, {CT_SCHAR, 127}},
        {{CT_SCHAR, 127}, {CT_UCHAR, 128}},
        {{CT_UCHAR, 254}, {CT_UCHAR, 255}},
        {{CT_UCHAR, 255}, {CT_INT, 256}},
        {{CT_INT, 32767}, {CT_UINT, 32768}},
        {{CT_UINT, 65535}, {CT_SHORTLONG, 65536}},
        {{CT_SHORTLONG, 8388607}, {CT_USHORTLONG, 8388608}},
        {{CT_USHORTLONG, 16777215}, {CT_LONG, 16777216}},
        {{CT_LONG, 2147483647}, {CT_ULONG, 0x80000000}},
        {{CT_ULONG, 0xFFFFFFFF}, {CT_ULONG, 0}},
    };
    for (const auto &c : cases) {
        constant_record r = c.from;
        const_inc(&r);
        EXPECT_EQ(r.type, c.to.type) << c.from.type << " " << c.from.value;
        EXPECT_EQ(r.value, c.to.value) << c.from.type << " " << c.from.value;
    }
    constant_record f{CT_FLOAT, get_float_representation(1.5f)};
    const_inc(&f);
    EXPECT_EQ(get_float_constant_value(f.type, f.value), 2.5f);
}

} // namespace

#include "frontend/constant.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "frontend/ast.h"
#include "support/position.h"
#include "support/strutil.h"
#include "support/vxassert.h"

unsigned nbits_in_type(uint32_t type)
{
    switch (type) {
    case CT_SCHAR:
    case CT_UCHAR:
        return 8;
    case CT_INT:
    case CT_UINT:
        return 16;
    case CT_SHORTLONG:
    case CT_USHORTLONG:
        return 24;
    case CT_LONG:
    case CT_ULONG:
    case CT_FLOAT:
        return 32;
    }
    _assert("constant type code", __FILE__, __LINE__);
}

bool is_signed_type(uint32_t type)
{
    return type == CT_SCHAR || type == CT_INT || type == CT_SHORTLONG || type == CT_LONG || type == CT_FLOAT;
}

// The stored form of an integer value in a type: bytes and halves are cut,
// a short long keeps its sign in the upper byte.
static uint32_t s_store(uint32_t type, uint32_t value)
{
    switch (type) {
    case CT_SCHAR:
    case CT_UCHAR:
        return value & 0xFF;
    case CT_INT:
    case CT_UINT:
        return value & 0xFFFF;
    case CT_SHORTLONG:
        value &= 0xFFFFFF;
        return (value & 0x800000) ? value | 0xFF000000u : value;
    case CT_USHORTLONG:
        return value & 0xFFFFFF;
    default:
        return value;
    }
}

static float s_bits_to_float(uint32_t bits)
{
    float result;
    memcpy(&result, &bits, sizeof result);
    return result;
}

// Truncation towards zero that stays defined for values out of range.
static int64_t s_truncate(float value)
{
    if (std::isnan(value))
        return 0;
    double d = std::trunc(static_cast<double>(value));
    if (d >= 9.2e18)
        return INT64_MAX;
    if (d <= -9.2e18)
        return INT64_MIN;
    return static_cast<int64_t>(d);
}

int32_t get_signed_constant_value(uint32_t type, uint32_t value)
{
    switch (type) {
    case CT_SCHAR:
        return static_cast<int8_t>(value & 0xFF);
    case CT_INT:
        return static_cast<int16_t>(value & 0xFFFF);
    case CT_SHORTLONG:
        value &= 0xFFFFFF;
        return static_cast<int32_t>((value & 0x800000) ? value | 0xFF000000u : value);
    case CT_FLOAT: {
        int64_t t = s_truncate(s_bits_to_float(value));
        if (t > INT32_MAX)
            return INT32_MAX;
        if (t < INT32_MIN)
            return INT32_MIN;
        return static_cast<int32_t>(t);
    }
    default:
        return static_cast<int32_t>(get_unsigned_constant_value(type, value));
    }
}

uint32_t get_unsigned_constant_value(uint32_t type, uint32_t value)
{
    switch (type) {
    case CT_SCHAR:
        return static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(value & 0xFF)));
    case CT_UCHAR:
        return value & 0xFF;
    case CT_INT:
        return static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(value & 0xFFFF)));
    case CT_UINT:
        return value & 0xFFFF;
    case CT_SHORTLONG:
        return static_cast<uint32_t>(get_signed_constant_value(type, value));
    case CT_USHORTLONG:
        return value & 0xFFFFFF;
    case CT_LONG:
    case CT_ULONG:
        return value;
    case CT_FLOAT:
        return static_cast<uint32_t>(s_truncate(s_bits_to_float(value)));
    }
    _assert("constant type code", __FILE__, __LINE__);
}

float get_float_constant_value(uint32_t type, uint32_t value)
{
    VX_ASSERT(type == CT_FLOAT);
    return s_bits_to_float(value);
}

void do_convert_constant_type(constant_record *record, uint32_t type)
{
    VX_ASSERT(type <= CT_FLOAT && record->type <= CT_FLOAT);
    if (type == record->type)
        return;
    if (type == CT_FLOAT) {
        float f = is_signed_type(record->type)
                      ? static_cast<float>(get_signed_constant_value(record->type, record->value))
                      : static_cast<float>(get_unsigned_constant_value(record->type, record->value));
        record->value = get_float_representation(f);
    } else {
        record->value = s_store(type, get_unsigned_constant_value(record->type, record->value));
    }
    record->type = type;
}

void const_inc(constant_record *record)
{
    int32_t s = get_signed_constant_value(record->type, record->value);
    uint32_t u = get_unsigned_constant_value(record->type, record->value);
    uint32_t type = record->type;
    switch (type) {
    case CT_SCHAR:
        if (s > 126)
            type = CT_UCHAR;
        break;
    case CT_UCHAR:
        if (u > 254)
            type = CT_INT;
        break;
    case CT_INT:
        if (s >= 32767)
            type = CT_UINT;
        break;
    case CT_UINT:
        if (u >= 65535)
            type = CT_SHORTLONG;
        break;
    case CT_SHORTLONG:
        if (s > 8388606)
            type = CT_USHORTLONG;
        break;
    case CT_USHORTLONG:
        if (u > 16777214)
            type = CT_LONG;
        break;
    case CT_LONG:
        if (s >= 2147483647)
            type = CT_ULONG;
        break;
    case CT_ULONG:
        break;
    case CT_FLOAT:
        record->value = get_float_representation(s_bits_to_float(record->value) + 1.0f);
        return;
    default:
        _assert("constant type code", __FILE__, __LINE__);
    }
    record->type = type;
    record->value = s_store(type, u + 1);
}

void scan_integer_constant(constant_record *result, const char *text)
{
    size_t length = strlen(text);
    bool has_u = false, has_l = false;
    for (size_t i = 0; i < length; ++i) {
        int c = toupper(static_cast<unsigned char>(text[i]));
        has_u |= c == 'U';
        has_l |= c == 'L';
    }
    char second = length > 1 ? static_cast<char>(toupper(static_cast<unsigned char>(text[1]))) : 0;
    bool decimal = !(second == 'B' || second == 'X' || text[0] == '0');

    // The target's widest type is 32 bits: larger spellings saturate.  The
    // conversion stops at the suffix.
    unsigned long long v;
    if (second == 'B')
        v = strtoull(text + 2, nullptr, 2);
    else
        v = strtoull(text, nullptr, 0);
    uint32_t value = v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(v);

    uint32_t type;
    if (has_l)
        type = has_u ? CT_ULONG : CT_LONG;
    else if (has_u)
        type = value <= 255 ? CT_UCHAR : value <= 65535 ? CT_UINT : value < 16777216 ? CT_USHORTLONG : CT_ULONG;
    else if (decimal)
        type = value <= 127 ? CT_SCHAR : value <= 32767 ? CT_INT : value < 8388608 ? CT_SHORTLONG : CT_LONG;
    else
        type = value <= 127          ? CT_SCHAR
               : value <= 255        ? CT_UCHAR
               : value <= 32767      ? CT_INT
               : value <= 65535      ? CT_UINT
               : value <= 8388607    ? CT_SHORTLONG
               : value <= 16777215   ? CT_USHORTLONG
               : value < 2147483648u ? CT_LONG
                                     : CT_ULONG;
    result->type = type;
    result->value = s_store(type, value);
}

int esc(int letter)
{
    switch (letter) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case 'b':
        return '\b';
    case 'f':
        return '\f';
    case 'a':
        return '\a';
    case 'v':
        return '\v';
    case '\\':
    case '\'':
    case '"':
    case '?':
        return letter;
    default:
        return -1;
    }
}

unsigned hex2bin(const char **text)
{
    unsigned value = 0;
    while (isxdigit(static_cast<unsigned char>(**text))) {
        int c = **text;
        value = value * 16 + (isdigit(c) ? c - '0' : (toupper(c) - 'A' + 10));
        ++*text;
    }
    return value;
}

unsigned oct2bin(const char **text)
{
    unsigned value = 0;
    for (int i = 0; i < 3 && **text >= '0' && **text <= '7'; ++i, ++*text)
        value = value * 8 + (**text - '0');
    return value;
}

static void s_unknown_escape(const char *backslash)
{
    char sequence[3] = {'\\', backslash[1], 0};
    post_error_at(yylineno, yyfilename, 1103, sequence);
}

unsigned convert_escape_sequences(char *destination, const char *text)
{
    unsigned count = 0;
    while (*text) {
        if (*text != '\\' || text[1] == 0) {
            destination[count++] = *text++;
            continue;
        }
        const char *p = text + 1;
        if (*p >= '0' && *p <= '7') {
            destination[count++] = static_cast<char>(oct2bin(&p));
        } else if (*p == 'x') {
            ++p;
            destination[count++] = static_cast<char>(hex2bin(&p));
        } else {
            int code = esc(*p);
            if (code < 0) {
                s_unknown_escape(text);
                code = static_cast<unsigned char>(*p);
            }
            destination[count++] = static_cast<char>(code);
            ++p;
        }
        text = p;
    }
    destination[count] = 0;
    return count;
}

void scan_character_constant(constant_record *result, const char *text)
{
    if (*text == 'L')
        ++text;
    ++text; // the opening quote
    uint32_t value;
    if (*text != '\\') {
        value = static_cast<unsigned char>(*text);
    } else if (isdigit(static_cast<unsigned char>(text[1]))) {
        value = static_cast<uint32_t>(strtol(text + 1, nullptr, 8));
    } else if (text[1] == 'x') {
        value = static_cast<uint32_t>(strtol(text + 2, nullptr, 16));
    } else {
        int code = esc(text[1]);
        if (code < 0) {
            s_unknown_escape(text);
            code = static_cast<unsigned char>(text[1]);
        }
        value = static_cast<uint32_t>(code);
    }
    result->type = CT_UCHAR;
    result->value = value & 0xFF;
}

void scan_float_constant(constant_record *result, const char *text)
{
    result->type = CT_FLOAT;
    result->value = get_float_representation(static_cast<float>(strtod(text, nullptr)));
}

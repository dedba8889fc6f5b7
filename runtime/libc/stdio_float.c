/* The float conversions %e %f %g (and E F G) of the printf family, in a
   member of their own that only printf_use_float() brings in.

   A float is m * 2^x with a 24-bit m.  Its exact decimal value is built in
   a row of decimal digits: m bit by bit, then doubled x times or halved -x
   times, so the digits printed are those of the true value, rounded to
   the nearest (a tie to the even digit).  The row keeps the first DIGITS
   significant digits; a nonzero digit falling off its end is remembered
   in `sticky`, which is all that rounding needs to know of it.

   As in the formatter, the state is static and the helpers take no
   arguments, which keeps the code far smaller on this core. */
#include <stdio.h>

#define DIGITS 48
#define TEXT 64
/* Keeps the text within TEXT: 39 integer digits, the point and the
   fraction of %f. */
#define MOST_PRECISION 20

/* digit[0] is the most significant; the value is 0.d0d1d2... * 10^point,
   and no digit at count or beyond has been kept. */
static unsigned char digit[DIGITS];
static unsigned char count;
static signed char point;
static unsigned char sticky;

static char text[TEXT];
static unsigned char used;

static unsigned char precision, alternate;
static signed char exponent;
static unsigned char i, d, carry, rest;
static signed char at;

static void put(char c)
{
    text[used++] = c;
}

/* Puts the digit of weight 10^(point - 1 - at), zero where none is kept. */
static void put_digit(void)
{
    put('0' + (at >= 0 && at < count ? digit[at] : 0));
}

static void twice(void)
{
    carry = 0;
    for (i = count; i;) {
        --i;
        d = digit[i] * 2 + carry;
        carry = d >= 10;
        digit[i] = carry ? d - 10 : d;
    }
    if (!carry)
        return;
    if (count == DIGITS) {
        if (digit[DIGITS - 1])
            sticky = 1;
        --count;
    }
    for (i = count; i; --i)
        digit[i] = digit[i - 1];
    digit[0] = 1;
    ++count;
    ++point;
}

static void half(void)
{
    carry = 0;
    for (i = 0; i < count; ++i) {
        d = carry ? digit[i] + 10 : digit[i];
        carry = d & 1;
        digit[i] = d >> 1;
    }
    if (carry) {
        if (count < DIGITS)
            digit[count++] = 5;
        else
            sticky = 1;
    }
    if (digit[0] == 0) {
        for (i = 1; i < count; ++i)
            digit[i - 1] = digit[i];
        --count;
        --point;
    }
}

/* Keeps the first `at` digits, rounded to the nearest. */
static void round_at(void)
{
    if (at < 0) {
        count = 0;
        return;
    }
    if ((unsigned char)at >= count)
        return;
    rest = sticky;
    for (i = at + 1; i < count; ++i)
        if (digit[i])
            rest = 1;
    i = at;
    d = digit[i];
    count = i;
    sticky = 0;
    if (d < 5 || (d == 5 && !rest && !(i && (digit[i - 1] & 1))))
        return;
    while (i && digit[i - 1] == 9) {
        --i;
        --count;
    }
    if (i) {
        ++digit[i - 1];
        return;
    }
    /* Every kept digit was a 9: the value becomes the next power of ten. */
    digit[0] = 1;
    count = 1;
    ++point;
}

static void fixed(void)
{
    if (point <= 0)
        put('0');
    for (at = 0; at < point; ++at)
        put_digit();
    if (precision || alternate)
        put('.');
    for (i = 0; i < precision; ++i) {
        at = point + i;
        put_digit();
    }
}

static void scientific(char e)
{
    exponent = count ? point - 1 : 0;
    at = 0;
    put_digit();
    if (precision || alternate)
        put('.');
    for (at = 1; at <= precision; ++at)
        put_digit();
    put(e);
    put('+');
    if (exponent < 0) {
        text[used - 1] = '-';
        exponent = -exponent;
    }
    put('0' + exponent / 10);
    put('0' + exponent % 10);
}

/* %g's text has no trailing zeros in its fraction, nor a bare point. */
static void trim(void)
{
    static unsigned char end, dot;

    end = used;
    dot = 0;
    for (i = 0; i < used; ++i) {
        if (text[i] == '.')
            dot = i + 1;
        else if (text[i] == 'e' || text[i] == 'E')
            end = i;
    }
    if (!dot)
        return;
    i = end;
    while (i > dot && text[i - 1] == '0')
        --i;
    if (i == dot)
        --i;
    while (end < used)
        text[i++] = text[end++];
    used = i;
}

static const char *convert(const unsigned char *value, char conversion, unsigned char precision_,
                           unsigned char alternate_)
{
    static const rom char names[] = "infnanINFNAN";
    static unsigned char upper, exponent_bits, bit, mantissa[3];
    static int binary_exponent;

    precision = precision_ > MOST_PRECISION ? MOST_PRECISION : precision_;
    alternate = alternate_;
    upper = conversion <= 'Z';
    used = 0;
    mantissa[0] = value[0];
    mantissa[1] = value[1];
    mantissa[2] = value[2] & 0x7F;
    exponent_bits = (value[3] << 1) | (value[2] >> 7);
    if (exponent_bits == 0xFF) {
        i = (upper ? 6 : 0) + (mantissa[0] | mantissa[1] | mantissa[2] ? 3 : 0);
        put(names[i]);
        put(names[i + 1]);
        put(names[i + 2]);
        text[used] = '\0';
        return text;
    }
    if (exponent_bits) {
        mantissa[2] |= 0x80;
        binary_exponent = (int)exponent_bits - 150;
    } else {
        binary_exponent = -149;
    }

    count = 0;
    point = 1;
    sticky = 0;
    for (exponent = 2; exponent >= 0; --exponent) {
        for (bit = 0x80; bit; bit >>= 1) {
            if (count)
                twice();
            if (mantissa[exponent] & bit) {
                if (count) {
                    ++digit[count - 1];
                } else {
                    digit[0] = 1;
                    count = 1;
                }
            }
        }
    }
    if (count) {
        for (; binary_exponent > 0; --binary_exponent)
            twice();
        for (; binary_exponent < 0; ++binary_exponent)
            half();
    }

    if (conversion == 'f' || conversion == 'F') {
        at = point + precision;
        round_at();
        fixed();
    } else if (conversion == 'e' || conversion == 'E') {
        at = precision + 1;
        round_at();
        scientific(upper ? 'E' : 'e');
    } else {
        if (!precision)
            precision = 1;
        at = precision;
        round_at();
        /* The exponent after rounding picks the style. */
        if (count && (point - 1 < -4 || point - 1 >= (signed char)precision)) {
            --precision;
            scientific(upper ? 'E' : 'e');
        } else {
            precision = count ? precision - point : precision - 1;
            fixed();
        }
        if (!alternate)
            trim();
    }
    text[used] = '\0';
    return text;
}

void printf_use_float(void)
{
    _stdio_float = convert;
}

/* The formatter of the printf family.  All of its state is static and its
   helpers take no arguments: on this core a static byte is one instruction
   away and a stack byte or an argument several, and the software stack is
   small.  Widths, precisions and string lengths are bytes. */
#include <stdio.h>

#define LEFT 0x01
#define ZERO 0x02
#define PLUS 0x04
#define SPACE 0x08
#define ALTERNATE 0x10
#define PRECISION 0x20

/* The busiest state sits in access RAM, where no bank has to be selected
   before an access. */
#pragma udata access stdio_access
static near unsigned char how;
static char *near out;
static near size_t room;
static near int count;

static near unsigned int format;
static near va_list args;
static near char c;
static near unsigned char flags, width, precision;
static near char modifier;

/* The field being printed: a prefix (a sign, 0x), zeros, then `length`
   characters at `body`, in program memory when `body_in_rom`. */
static near unsigned char zeros, length, body_in_rom;
static near unsigned int body;

/* The helpers' own bytes, kept here for the same reason. */
static near unsigned char n, high;
static near unsigned char remainder, bit;
static near unsigned char size, pad;
static near unsigned char bytes, i, fill, base, is_signed;

/* A number is converted by its bytes, so that every width of argument
   takes the same path. */
static near union {
    unsigned long value;
    unsigned char byte[4];
} number;
#pragma udata

static char digits[12];
static char prefix[3];

/* The float conversion, once printf_use_float() has brought it in. */
const char *(*_stdio_float)(const unsigned char *value, char conversion, unsigned char precision,
                            unsigned char alternate);

static void emit(void)
{
    ++count;
    if (how & _STDIO_TO_BUFFER) {
        /* The last byte of the buffer is kept for the terminator. */
        if (room > 1) {
            *out++ = c;
            --room;
        }
    } else {
        putchar(c);
    }
}

static void repeat(unsigned char times)
{
    while (times) {
        emit();
        --times;
    }
}

static char fetch(unsigned int address, unsigned char in_rom)
{
    if (in_rom)
        return *(const near rom char *)address;
    return *(const char *)address;
}

static void next(void)
{
    c = fetch(format, how & _STDIO_FORMAT_ROM);
    ++format;
}

/* Reads a width or a precision at c: digits, or * for an int argument,
   taken by its bytes. */
static unsigned char amount(void)
{
    n = 0;
    if (c == '*') {
        next();
        args -= sizeof(int);
        n = args[0];
        high = args[1];
        if (high & 0x80) {
            /* A negative precision counts as none; a negative width asks
               for left alignment. */
            if (flags & PRECISION) {
                flags &= ~PRECISION;
                return 0;
            }
            flags |= LEFT;
            n = ~n + 1;
            high = ~high;
            if (!n)
                ++high;
        }
        return high ? 255 : n;
    }
    while (c >= '0' && c <= '9') {
        n = n * 10 + (c - '0');
        next();
    }
    return n;
}

/* Divides the number by base, returning the remainder: a division of our
   own, as the runtime's 32-bit division is larger than this whole
   routine. */
static unsigned char divide(void)
{
    remainder = 0;
    bit = 32;

    do {
        remainder <<= 1;
        if (number.byte[3] & 0x80)
            remainder |= 1;
        number.value <<= 1;
        if (remainder >= base) {
            remainder -= base;
            number.byte[0] |= 1;
        }
    } while (--bit);
    return remainder;
}

static void field(void)
{
    for (size = 0; prefix[size]; ++size)
        ;
    if ((flags & (ZERO | LEFT | PRECISION)) == ZERO && width > size + length)
        zeros = width - size - length;
    size += zeros + length;
    pad = width > size ? width - size : 0;
    if (!(flags & LEFT)) {
        c = ' ';
        repeat(pad);
    }
    for (size = 0; prefix[size]; ++size) {
        c = prefix[size];
        emit();
    }
    c = '0';
    repeat(zeros);
    while (length) {
        c = fetch(body, body_in_rom);
        emit();
        ++body;
        --length;
    }
    if (flags & LEFT) {
        c = ' ';
        repeat(pad);
    }
}

/* A string takes at most `precision` characters. */
static void string(void)
{
    while (fetch(body + length, body_in_rom) && (!(flags & PRECISION) || length < precision) && length < 255)
        ++length;
}

static void sign(unsigned char negative)
{
    if (negative)
        prefix[0] = '-';
    else if (flags & PLUS)
        prefix[0] = '+';
    else if (flags & SPACE)
        prefix[0] = ' ';
}

static void integer(void)
{
    is_signed = c == 'd' || c == 'i';

    /* Arguments narrower than int arrive as int; hh and h cut them. */
    bytes = modifier == 'l' ? 4 : modifier == 'H' ? 3 : 2;
    args -= bytes;
    for (i = 0; i < 4; ++i)
        number.byte[i] = i < bytes ? args[i] : 0;
    if (modifier == 'c')
        bytes = 1;
    fill = is_signed && (number.byte[bytes - 1] & 0x80) ? 0xFF : 0;
    for (i = bytes; i < 4; ++i)
        number.byte[i] = fill;

    if (fill)
        number.value = ~number.value + 1;
    if (is_signed)
        sign(fill);
    base = c == 'o' ? 8 : c == 'x' || c == 'X' ? 16 : 10;
    if (base == 16 && (flags & ALTERNATE) && number.value) {
        prefix[0] = '0';
        prefix[1] = c;
    }

    while (number.value) {
        i = divide();
        digits[sizeof digits - 1 - length] = i < 10 ? '0' + i : (c == 'X' ? 'A' - 10 : 'a' - 10) + i;
        ++length;
    }
    body = (unsigned int)&digits[sizeof digits - length];
    if (!(flags & PRECISION))
        precision = 1;
    if (precision > length)
        zeros = precision - length;
    /* The alternate octal form has a leading zero, even for zero. */
    if (base == 8 && (flags & ALTERNATE) && !zeros)
        zeros = 1;
}

int _stdio_format(unsigned char how_, char *s, size_t limit, unsigned int format_, va_list ap)
{
    how = how_;
    out = s;
    room = limit;
    count = 0;
    format = format_;
    args = ap;
    for (;;) {
        next();
        if (c == '\0')
            break;
        if (c != '%') {
            emit();
            continue;
        }
        flags = 0;
        for (;;) {
            next();
            if (c == '-')
                flags |= LEFT;
            else if (c == '0')
                flags |= ZERO;
            else if (c == '+')
                flags |= PLUS;
            else if (c == ' ')
                flags |= SPACE;
            else if (c == '#')
                flags |= ALTERNATE;
            else
                break;
        }
        width = amount();
        if (c == '.') {
            flags |= PRECISION;
            next();
            precision = amount();
        }
        /* hh is kept as 'c', the length of a char. */
        modifier = '\0';
        if (c == 'h' || c == 'l' || c == 'H') {
            modifier = c;
            next();
            if (modifier == 'h' && c == 'h') {
                modifier = 'c';
                next();
            }
        }
        prefix[0] = prefix[1] = '\0';
        zeros = length = body_in_rom = 0;
        switch (c) {
        case 'd':
        case 'i':
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            integer();
            break;
        case 'c':
            args -= sizeof(int);
            digits[0] = *args;
            body = (unsigned int)digits;
            length = 1;
            flags &= ~ZERO;
            break;
        case 'S':
            body_in_rom = 1;
            /* %HS takes a far pointer, whose low 16 bits are those of a
               near one in the first 64 KB. */
            if (modifier == 'H')
                --args;
        case 's':
            args -= sizeof(char *);
            body = *(unsigned int *)args;
            string();
            flags &= ~ZERO;
            break;
        case 'e':
        case 'E':
        case 'f':
        case 'F':
        case 'g':
        case 'G':
            args -= sizeof(float);
            if (!_stdio_float)
                continue;
            sign(args[3] & 0x80);
            body = (unsigned int)_stdio_float(args, c, flags & PRECISION ? precision : 6, flags & ALTERNATE);
            flags &= ~PRECISION;
            /* inf and nan are padded with spaces. */
            if (*(const char *)body > '9')
                flags &= ~ZERO;
            string();
            break;
        case '\0':
            /* A format that ends inside a conversion ends the output. */
            --format;
            continue;
        default:
            emit();
            continue;
        }
        field();
    }
    if ((how & _STDIO_TO_BUFFER) && room)
        *out = '\0';
    return count;
}

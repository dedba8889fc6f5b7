// Lookup tables in program memory: a quarter-wave sine unfolded to a full turn, a table-driven CRC-16 checked against the bitwise one, seven-segment and hexadecimal decoding, and nibble reversal.
#include "../e2e.h"

rom s8 quarter_sine[65] = {
    0, 3, 6, 9, 12, 16, 19, 22, 25, 28, 31, 34, 37,
    40, 43, 46, 49, 51, 54, 57, 60, 63, 65, 68, 71, 73,
    76, 78, 81, 83, 85, 88, 90, 92, 94, 96, 98, 100, 102,
    104, 106, 107, 109, 111, 112, 113, 115, 116, 117, 118, 120, 121,
    122, 122, 123, 124, 125, 125, 126, 126, 126, 127, 127, 127, 127,
};

rom u16 crc_table[256] = {
    0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7,
    0x8108, 0x9129, 0xA14A, 0xB16B, 0xC18C, 0xD1AD, 0xE1CE, 0xF1EF,
    0x1231, 0x0210, 0x3273, 0x2252, 0x52B5, 0x4294, 0x72F7, 0x62D6,
    0x9339, 0x8318, 0xB37B, 0xA35A, 0xD3BD, 0xC39C, 0xF3FF, 0xE3DE,
    0x2462, 0x3443, 0x0420, 0x1401, 0x64E6, 0x74C7, 0x44A4, 0x5485,
    0xA56A, 0xB54B, 0x8528, 0x9509, 0xE5EE, 0xF5CF, 0xC5AC, 0xD58D,
    0x3653, 0x2672, 0x1611, 0x0630, 0x76D7, 0x66F6, 0x5695, 0x46B4,
    0xB75B, 0xA77A, 0x9719, 0x8738, 0xF7DF, 0xE7FE, 0xD79D, 0xC7BC,
    0x48C4, 0x58E5, 0x6886, 0x78A7, 0x0840, 0x1861, 0x2802, 0x3823,
    0xC9CC, 0xD9ED, 0xE98E, 0xF9AF, 0x8948, 0x9969, 0xA90A, 0xB92B,
    0x5AF5, 0x4AD4, 0x7AB7, 0x6A96, 0x1A71, 0x0A50, 0x3A33, 0x2A12,
    0xDBFD, 0xCBDC, 0xFBBF, 0xEB9E, 0x9B79, 0x8B58, 0xBB3B, 0xAB1A,
    0x6CA6, 0x7C87, 0x4CE4, 0x5CC5, 0x2C22, 0x3C03, 0x0C60, 0x1C41,
    0xEDAE, 0xFD8F, 0xCDEC, 0xDDCD, 0xAD2A, 0xBD0B, 0x8D68, 0x9D49,
    0x7E97, 0x6EB6, 0x5ED5, 0x4EF4, 0x3E13, 0x2E32, 0x1E51, 0x0E70,
    0xFF9F, 0xEFBE, 0xDFDD, 0xCFFC, 0xBF1B, 0xAF3A, 0x9F59, 0x8F78,
    0x9188, 0x81A9, 0xB1CA, 0xA1EB, 0xD10C, 0xC12D, 0xF14E, 0xE16F,
    0x1080, 0x00A1, 0x30C2, 0x20E3, 0x5004, 0x4025, 0x7046, 0x6067,
    0x83B9, 0x9398, 0xA3FB, 0xB3DA, 0xC33D, 0xD31C, 0xE37F, 0xF35E,
    0x02B1, 0x1290, 0x22F3, 0x32D2, 0x4235, 0x5214, 0x6277, 0x7256,
    0xB5EA, 0xA5CB, 0x95A8, 0x8589, 0xF56E, 0xE54F, 0xD52C, 0xC50D,
    0x34E2, 0x24C3, 0x14A0, 0x0481, 0x7466, 0x6447, 0x5424, 0x4405,
    0xA7DB, 0xB7FA, 0x8799, 0x97B8, 0xE75F, 0xF77E, 0xC71D, 0xD73C,
    0x26D3, 0x36F2, 0x0691, 0x16B0, 0x6657, 0x7676, 0x4615, 0x5634,
    0xD94C, 0xC96D, 0xF90E, 0xE92F, 0x99C8, 0x89E9, 0xB98A, 0xA9AB,
    0x5844, 0x4865, 0x7806, 0x6827, 0x18C0, 0x08E1, 0x3882, 0x28A3,
    0xCB7D, 0xDB5C, 0xEB3F, 0xFB1E, 0x8BF9, 0x9BD8, 0xABBB, 0xBB9A,
    0x4A75, 0x5A54, 0x6A37, 0x7A16, 0x0AF1, 0x1AD0, 0x2AB3, 0x3A92,
    0xFD2E, 0xED0F, 0xDD6C, 0xCD4D, 0xBDAA, 0xAD8B, 0x9DE8, 0x8DC9,
    0x7C26, 0x6C07, 0x5C64, 0x4C45, 0x3CA2, 0x2C83, 0x1CE0, 0x0CC1,
    0xEF1F, 0xFF3E, 0xCF5D, 0xDF7C, 0xAF9B, 0xBFBA, 0x8FD9, 0x9FF8,
    0x6E17, 0x7E36, 0x4E55, 0x5E74, 0x2E93, 0x3EB2, 0x0ED1, 0x1EF0,
};

/* Segments a..g in bits 0..6. */
rom u8 segments[16] = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
    0x7F, 0x6F, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71,
};

rom u8 nibble_reverse[16] = {
    0x0, 0x8, 0x4, 0xC, 0x2, 0xA, 0x6, 0xE,
    0x1, 0x9, 0x5, 0xD, 0x3, 0xB, 0x7, 0xF,
};

rom char hex_text[] = "7fA0c3E9zz1B";
rom char message[] = "The quick brown fox jumps over the lazy dog";

/* A full turn is 256 steps; the quarter table holds 0..64 inclusive. */
s8 sine(u8 angle)
{
    u8 step = (u8)(angle & 63);
    switch (angle >> 6) {
    case 0:
        return quarter_sine[step];
    case 1:
        return quarter_sine[64 - step];
    case 2:
        return (s8)-quarter_sine[step];
    default:
        return (s8)-quarter_sine[64 - step];
    }
}

u16 crc_by_table(rom char *p)
{
    u16 crc = 0xFFFF;
    while (*p)
        crc = (u16)((crc << 8) ^ crc_table[(u8)((crc >> 8) ^ (u8)*p++)]);
    return crc;
}

u16 crc_by_bits(rom char *p)
{
    u16 crc = 0xFFFF;
    u8 i;
    while (*p) {
        crc ^= (u16)((u8)*p++) << 8;
        for (i = 0; i < 8; i++)
            crc = (crc & 0x8000) ? (u16)((crc << 1) ^ 0x1021) : (u16)(crc << 1);
    }
    return crc;
}

/* 0xFF for a character that is no hexadecimal digit. */
u8 hex_value(char c)
{
    if (c >= '0' && c <= '9')
        return (u8)(c - '0');
    if (c >= 'a' && c <= 'f')
        return (u8)(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return (u8)(c - 'A' + 10);
    return 0xFF;
}

u8 decode_segments(u8 pattern)
{
    u8 i;
    for (i = 0; i < 16; i++)
        if (segments[i] == pattern)
            return i;
    return 0xFF;
}

u8 reverse_byte(u8 b)
{
    return (u8)((nibble_reverse[b & 15] << 4) | nibble_reverse[b >> 4]);
}

u8 lit_segments(u8 pattern)
{
    u8 n = 0;
    while (pattern) {
        n += pattern & 1;
        pattern >>= 1;
    }
    return n;
}

void main(void)
{
    u8 i, v, bad, lit;
    s16 area;
    u16 check;
    s8 s;

    area = 0;
    check = 0;
    for (i = 0; ; i++) {
        s = sine(i);
        area += s;
        check = (u16)(check * 7 + (u8)s);
        if (i == 255)
            break;
    }
    put16((u16)area);
    put16(check);
    put8((u8)sine(64));
    put8((u8)sine(192));
    put8((u8)sine(100));
    put8((u8)sine(200));
    area = 0;
    for (i = 0; i < 64; i++)
        area += sine(i) + sine((u8)(i + 128));
    put16((u16)area);

    put16(crc_by_table(message));
    put8(crc_by_table(message) == crc_by_bits(message));
    put16(crc_by_table(hex_text));
    put8(crc_by_table(hex_text) == crc_by_bits(hex_text));
    put16(crc_by_table("123456789"));

    check = 0;
    bad = 0;
    lit = 0;
    for (i = 0; hex_text[i]; i++) {
        v = hex_value(hex_text[i]);
        if (v == 0xFF) {
            bad++;
            continue;
        }
        check = (u16)((check << 4) ^ v ^ (check >> 12));
        if (decode_segments(segments[v]) != v)
            bad += 16;
        lit += lit_segments(segments[v]);
    }
    put16(check);
    put8(bad);
    put8(lit);
    put8(decode_segments(0x77));
    put8(decode_segments(0x80));

    check = 0;
    for (i = 0; i < 16; i++)
        check = (u16)(check * 5 + reverse_byte((u8)(i * 17 + 3)));
    put16(check);
    put8(reverse_byte(0x01));
    put8(reverse_byte(0xC4));
}

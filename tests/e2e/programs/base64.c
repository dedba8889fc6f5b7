// Base64 encoding and decoding of a byte buffer: 6-bit groups shifted out of 24-bit blocks held in bytes, a reverse lookup table built at run time, and padding.
#include "../e2e.h"

char alphabet[65] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
u8 reverse[128];

u8 message[11] = { 'V', 'x', 0x00, 0xFF, 0x10, 0x80, 0x7E, 'c', 'o', 'r', 'e' };
char text[20];
u8 decoded[16];

void build_reverse(void)
{
    u8 i;
    for (i = 0; i < 128; i++)
        reverse[i] = 0xFF;
    for (i = 0; i < 64; i++)
        reverse[(u8)alphabet[i]] = i;
}

u8 encode(const u8 *src, u8 n, char *dst)
{
    u8 len = 0;
    while (n) {
        u8 b0 = src[0];
        u8 b1 = n > 1 ? src[1] : 0;
        u8 b2 = n > 2 ? src[2] : 0;
        dst[len++] = alphabet[b0 >> 2];
        dst[len++] = alphabet[((b0 & 0x03) << 4) | (b1 >> 4)];
        dst[len++] = n > 1 ? alphabet[((b1 & 0x0F) << 2) | (b2 >> 6)] : '=';
        dst[len++] = n > 2 ? alphabet[b2 & 0x3F] : '=';
        if (n < 3)
            break;
        src += 3;
        n -= 3;
    }
    dst[len] = 0;
    return len;
}

/* Returns the bytes decoded, or 0xFF at a character outside the alphabet. */
u8 decode(const char *src, u8 *dst)
{
    u8 len = 0;
    while (*src) {
        u8 v[4];
        u8 i, pad = 0;
        for (i = 0; i < 4; i++) {
            u8 c = (u8)src[i];
            if (c == '=') {
                v[i] = 0;
                pad++;
            } else if (c >= 128 || reverse[c] == 0xFF) {
                return 0xFF;
            } else {
                v[i] = reverse[c];
            }
        }
        dst[len++] = (u8)((v[0] << 2) | (v[1] >> 4));
        if (pad < 2)
            dst[len++] = (u8)((v[1] << 4) | (v[2] >> 2));
        if (pad < 1)
            dst[len++] = (u8)((v[2] << 6) | v[3]);
        src += 4;
    }
    return len;
}

void main(void)
{
    u8 i, len;
    build_reverse();
    len = encode(message, sizeof message, text);
    put8(len);
    for (i = 0; i < len; i++)
        put8((u8)text[i]);
    len = decode(text, decoded);
    put8(len);
    for (i = 0; i < len; i++)
        put8((u8)(decoded[i] ^ message[i]));
    text[5] = '*';
    put8(decode(text, decoded));
    len = encode(message, 2, text);
    put8((u8)text[len - 1]);
    put8((u8)text[len - 2]);
}

// A byte-stream protocol parser as a state machine: start byte, length, payload, checksum, with resynchronisation after errors.
// CODESIZE-EXPECT: 00 01 02 02 02 03 00 01 02 02 03 00 00 01 00 01 02 03 00 01 01 01 01 01 02 06 0B 01
#include "bench.h"

#define START 0x7E

enum state { WAIT_START, READ_LENGTH, READ_PAYLOAD, READ_CHECK };

/* Two good frames around a frame with a bad checksum, noise in between, and
   a frame whose length is too large. */
u8 stream[24] = {
    0x11, START, 3, 0x10, 0x20, 0x30, 0x60,
    START, 2, 0x01, 0x02, 0x99,
    0x00, START, 9,
    START, 1, 0xAB, 0xAB,
    0x7E, 0x7E, 0x7E, 0x7E, 0x7E
};

enum state st;
u8 length, received, sum;
u8 payload[4];
u8 frames_ok, frames_bad;
u16 payload_total;

void feed(u8 b)
{
    switch (st) {
    case WAIT_START:
        if (b == START)
            st = READ_LENGTH;
        break;
    case READ_LENGTH:
        if (b == 0 || b > sizeof payload) {
            frames_bad++;
            st = b == START ? READ_LENGTH : WAIT_START;
            break;
        }
        length = b;
        received = 0;
        sum = 0;
        st = READ_PAYLOAD;
        break;
    case READ_PAYLOAD:
        payload[received++] = b;
        sum += b;
        if (received == length)
            st = READ_CHECK;
        break;
    case READ_CHECK:
        if (b == sum) {
            frames_ok++;
            for (received = 0; received < length; received++)
                payload_total += payload[received];
        } else {
            frames_bad++;
        }
        st = WAIT_START;
        break;
    }
}

void main(void)
{
    u8 i;
    st = WAIT_START;
    for (i = 0; i < sizeof stream; i++) {
        feed(stream[i]);
        put8((u8)st);
    }
    put8(frames_ok);
    put8(frames_bad);
    put16(payload_total);
}

/* Byte-stream decoder for a framed serial protocol with escape bytes. */
#include "vxtypes.h"

#define FRAME_START 0x7E
#define FRAME_ESCAPE 0x7D
#define ESCAPE_XOR 0x20
#define PAYLOAD_MAX 48

typedef enum {
    RX_IDLE,
    RX_ADDRESS,
    RX_COMMAND,
    RX_LENGTH,
    RX_PAYLOAD,
    RX_CHECK_HIGH,
    RX_CHECK_LOW
} rx_phase_t;

typedef enum {
    CMD_PING = 0x01,
    CMD_READ = 0x10,
    CMD_WRITE = 0x11,
    CMD_READ_BLOCK = 0x12,
    CMD_STATUS = 0x20,
    CMD_RESET = 0x30,
    CMD_BOOT = 0x40
} command_code_t;

typedef enum { ERR_NONE, ERR_CHECKSUM, ERR_LENGTH, ERR_COMMAND, ERR_ADDRESS, ERR_BUSY } error_code_t;

typedef struct {
    u8 address;
    u8 command;
    u8 length;
    u8 payload[PAYLOAD_MAX];
    u16 check;
} frame_t;

typedef struct {
    rx_phase_t phase;
    bool_t escaped;
    u8 index;
    u16 running;
    frame_t frame;
    u16 good_frames;
    u16 bad_frames;
    error_code_t last_error;
} decoder_t;

static decoder_t dec;
static u8 my_address = 0x21;
static u8 memory[64];

extern u16 crc16_update(u16 crc, u8 data);
extern void send_frame(u8 address, u8 command, const u8 *payload, u8 length);

static void reply_error(error_code_t code)
{
    u8 byte = (u8)code;

    dec.last_error = code;
    send_frame(dec.frame.address, 0x7F, &byte, 1);
}

static void handle_frame(void)
{
    frame_t *f = &dec.frame;
    u8 reply[PAYLOAD_MAX];
    u8 n, i;

    if (f->address != my_address && f->address != 0xFF)
        return;
    switch (f->command) {
    case CMD_PING:
        send_frame(f->address, CMD_PING, f->payload, f->length);
        break;
    case CMD_READ:
        if (f->length != 1 || f->payload[0] >= sizeof memory) {
            reply_error(ERR_ADDRESS);
            break;
        }
        reply[0] = memory[f->payload[0]];
        send_frame(my_address, CMD_READ, reply, 1);
        break;
    case CMD_WRITE:
        if (f->length < 2) {
            reply_error(ERR_LENGTH);
            break;
        }
        for (i = 1; i < f->length; i++) {
            n = (u8)(f->payload[0] + i - 1);
            if (n >= sizeof memory) {
                reply_error(ERR_ADDRESS);
                return;
            }
            memory[n] = f->payload[i];
        }
        send_frame(my_address, CMD_WRITE, NULL, 0);
        break;
    case CMD_READ_BLOCK:
        if (f->length != 2) {
            reply_error(ERR_LENGTH);
            break;
        }
        n = MIN(f->payload[1], PAYLOAD_MAX);
        for (i = 0; i < n; ++i)
            reply[i] = memory[(f->payload[0] + i) & 63];
        send_frame(my_address, CMD_READ_BLOCK, reply, n);
        break;
    case CMD_STATUS:
        reply[0] = HIGH_BYTE(dec.good_frames);
        reply[1] = LOW_BYTE(dec.good_frames);
        reply[2] = HIGH_BYTE(dec.bad_frames);
        reply[3] = LOW_BYTE(dec.bad_frames);
        reply[4] = (u8)dec.last_error;
        send_frame(my_address, CMD_STATUS, reply, 5);
        break;
    case CMD_RESET:
        dec.good_frames = dec.bad_frames = 0;
        dec.last_error = ERR_NONE;
        break;
    case CMD_BOOT:
        reply_error(ERR_BUSY);
        break;
    default:
        reply_error(ERR_COMMAND);
        break;
    }
}

void decoder_reset(void)
{
    dec.phase = RX_IDLE;
    dec.escaped = FALSE;
    dec.index = 0;
    dec.running = 0xFFFF;
}

void decoder_feed(u8 byte)
{
    if (byte == FRAME_START) {
        decoder_reset();
        dec.phase = RX_ADDRESS;
        return;
    }
    if (dec.phase == RX_IDLE)
        return;
    if (byte == FRAME_ESCAPE) {
        dec.escaped = TRUE;
        return;
    }
    if (dec.escaped) {
        byte ^= ESCAPE_XOR;
        dec.escaped = FALSE;
    }
    if (dec.phase < RX_CHECK_HIGH)
        dec.running = crc16_update(dec.running, byte);
    switch (dec.phase) {
    case RX_ADDRESS:
        dec.frame.address = byte;
        dec.phase = RX_COMMAND;
        break;
    case RX_COMMAND:
        dec.frame.command = byte;
        dec.phase = RX_LENGTH;
        break;
    case RX_LENGTH:
        if (byte > PAYLOAD_MAX) {
            dec.bad_frames++;
            dec.last_error = ERR_LENGTH;
            decoder_reset();
            break;
        }
        dec.frame.length = byte;
        dec.index = 0;
        dec.phase = byte ? RX_PAYLOAD : RX_CHECK_HIGH;
        break;
    case RX_PAYLOAD:
        dec.frame.payload[dec.index++] = byte;
        if (dec.index == dec.frame.length)
            dec.phase = RX_CHECK_HIGH;
        break;
    case RX_CHECK_HIGH:
        dec.frame.check = (u16)byte << 8;
        dec.phase = RX_CHECK_LOW;
        break;
    case RX_CHECK_LOW:
        dec.frame.check |= byte;
        if (dec.frame.check == dec.running) {
            dec.good_frames++;
            handle_frame();
        } else {
            dec.bad_frames++;
            dec.last_error = ERR_CHECKSUM;
        }
        decoder_reset();
        break;
    default:
        decoder_reset();
        break;
    }
}

void main(void)
{
    static const rom u8 sample[] = { 0x7E, 0x21, 0x01, 0x02, 0x7D, 0x5E, 0x55, 0x12, 0x34 };
    u8 i;

    decoder_reset();
    for (i = 0; i < sizeof sample; i++)
        decoder_feed(sample[i]);
    for (;;)
        ;
}

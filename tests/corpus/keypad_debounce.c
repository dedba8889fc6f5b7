/* 4x4 matrix keypad scanner with per-key debouncing and auto-repeat. */
#include "vxregs.h"

#define ROWS 4
#define COLUMNS 4
#define DEBOUNCE_TICKS 4
#define REPEAT_DELAY 60
#define REPEAT_RATE 12
#define QUEUE_SIZE 8

typedef struct {
    u8 integrator;
    bool_t stable;
    u8 held;
} key_state_t;

static key_state_t keys[ROWS * COLUMNS];
static char queue[QUEUE_SIZE];
static u8 queue_head, queue_tail;

static const rom char key_map[ROWS][COLUMNS] = {
    { '1', '2', '3', 'A' },
    { '4', '5', '6', 'B' },
    { '7', '8', '9', 'C' },
    { '*', '0', '#', 'D' }
};

static void enqueue(char c)
{
    u8 next = (u8)((queue_head + 1) % QUEUE_SIZE);

    if (next != queue_tail) {
        queue[queue_head] = c;
        queue_head = next;
    }
}

char keypad_get(void)
{
    char c;

    if (queue_head == queue_tail)
        return 0;
    c = queue[queue_tail];
    queue_tail = (u8)((queue_tail + 1) % QUEUE_SIZE);
    return c;
}

static u8 read_row(u8 row)
{
    u8 i;

    LATB = (u8)~(1 << (row + 4));
    for (i = 0; i < 4; i++)
        Nop();
    return (u8)(~PORTB & 0x0F);
}

static void update_key(u8 index, bool_t pressed, char symbol)
{
    key_state_t *k = &keys[index];

    if (pressed) {
        if (k->integrator < DEBOUNCE_TICKS)
            k->integrator++;
    } else if (k->integrator > 0) {
        k->integrator--;
    }
    if (k->integrator == DEBOUNCE_TICKS && !k->stable) {
        k->stable = TRUE;
        k->held = 0;
        enqueue(symbol);
    } else if (k->integrator == 0 && k->stable) {
        k->stable = FALSE;
    } else if (k->stable) {
        if (++k->held >= REPEAT_DELAY) {
            enqueue(symbol);
            k->held = REPEAT_DELAY - REPEAT_RATE;
        }
    }
}

void keypad_scan(void)
{
    u8 row, column, bits;

    for (row = 0; row < ROWS; ++row) {
        bits = read_row(row);
        for (column = 0; column < COLUMNS; ++column)
            update_key((u8)(row * COLUMNS + column), (bits >> column) & 1, key_map[row][column]);
    }
    LATB = 0xFF;
}

static u16 pin_entry(u8 digits)
{
    u16 value = 0;
    char c;

    while (digits) {
        keypad_scan();
        c = keypad_get();
        if (c >= '0' && c <= '9') {
            value = value * 10 + (u16)(c - '0');
            --digits;
        } else if (c == '*') {
            value /= 10;
            ++digits;
        } else if (c == '#') {
            break;
        }
    }
    return value;
}

void main(void)
{
    u16 pin;
    u8 attempts = 0;

    TRISB = 0x0F;
    queue_head = queue_tail = 0;
    do {
        pin = pin_entry(4);
        attempts++;
    } while (pin != 1234 && attempts < 3);
    LATB = pin == 1234 ? 0x10 : 0x20;
    for (;;)
        ;
}

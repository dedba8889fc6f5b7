/* Interrupt-driven UART driver with transmit and receive ring buffers. */
#include "vxregs.h"

#define RX_SIZE 32
#define TX_SIZE 32
#define RX_MASK (RX_SIZE - 1)
#define TX_MASK (TX_SIZE - 1)
#define BAUD_9600 25

typedef struct {
    u8 data[RX_SIZE];
    volatile u8 head;
    volatile u8 tail;
    volatile u8 overflow;
} rx_ring_t;

typedef struct {
    u8 data[TX_SIZE];
    volatile u8 head;
    volatile u8 tail;
} tx_ring_t;

static rx_ring_t rx;
static tx_ring_t tx;
static u16 rx_errors;

void uart_isr(void);

#pragma interrupt uart_isr save=PROD
void uart_isr(void)
{
    u8 next;
    u8 c;

    if (PIR1bits.RCIF) {
        c = RCREG;
        next = (rx.head + 1) & RX_MASK;
        if (next == rx.tail) {
            rx.overflow = 1;
            ++rx_errors;
        } else {
            rx.data[rx.head] = c;
            rx.head = next;
        }
    }
    if (PIR1bits.TXIF && PIE1bits.TXIF) {
        if (tx.head != tx.tail) {
            TXREG = tx.data[tx.tail];
            tx.tail = (tx.tail + 1) & TX_MASK;
        } else {
            PIE1bits.TXIF = 0;
        }
    }
}

void uart_init(u8 brg)
{
    rx.head = rx.tail = 0;
    rx.overflow = 0;
    tx.head = tx.tail = 0;
    rx_errors = 0;
    SPBRG = brg;
    TXSTA = 0x24;
    RCSTA = 0x90;
    TRISC |= 0x80;
    TRISC &= ~0x40;
    PIE1bits.RCIF = 1;
    INTCONbits.PEIE = 1;
    ENABLE_INTERRUPTS();
}

bool_t uart_rx_ready(void)
{
    return rx.head != rx.tail;
}

u8 uart_rx_count(void)
{
    return (u8)((rx.head - rx.tail) & RX_MASK);
}

int uart_getc(void)
{
    u8 c;

    if (rx.head == rx.tail)
        return -1;
    c = rx.data[rx.tail];
    rx.tail = (rx.tail + 1) & RX_MASK;
    return c;
}

bool_t uart_putc(u8 c)
{
    u8 next = (tx.head + 1) & TX_MASK;

    if (next == tx.tail)
        return FALSE;
    tx.data[tx.head] = c;
    tx.head = next;
    PIE1bits.TXIF = 1;
    return TRUE;
}

void uart_puts(const char *s)
{
    while (*s) {
        while (!uart_putc(*s))
            ;
        s++;
    }
}

void uart_puts_rom(const rom char *s)
{
    char c;

    for (; (c = *s) != '\0'; ++s) {
        while (!uart_putc(c))
            ;
    }
}

void uart_put_hex(u8 value)
{
    static const rom char digits[] = "0123456789ABCDEF";

    uart_putc(digits[value >> 4]);
    uart_putc(digits[value & 0x0F]);
}

void uart_put_dec(u16 value)
{
    char buffer[6];
    u8 i = 0;

    do {
        buffer[i++] = (char)('0' + value % 10);
        value /= 10;
    } while (value != 0 && i < sizeof buffer);
    while (i > 0)
        uart_putc(buffer[--i]);
}

u8 uart_read_line(char *line, u8 max)
{
    u8 n = 0;
    int c;

    for (;;) {
        c = uart_getc();
        if (c < 0)
            continue;
        if (c == '\r' || c == '\n')
            break;
        if (c == '\b' && n > 0) {
            --n;
            continue;
        }
        if (n + 1 < max)
            line[n++] = (char)c;
    }
    line[n] = 0;
    return n;
}

void main(void)
{
    char line[24];
    u8 length;

    uart_init(BAUD_9600);
    uart_puts_rom("ready\r\n");
    for (;;) {
        length = uart_read_line(line, sizeof line);
        uart_puts_rom("echo: ");
        uart_puts(line);
        uart_puts_rom(" (");
        uart_put_dec(length);
        uart_puts_rom(")\r\n");
        if (rx.overflow) {
            uart_puts_rom("overflow ");
            uart_put_hex((u8)rx_errors);
            rx.overflow = 0;
        }
    }
}

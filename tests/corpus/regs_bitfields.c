/* Peripheral configuration through bit-field register images and unions. */
#include "vxregs.h"

typedef union {
    u8 value;
    struct {
        unsigned prescale : 3;
        unsigned psa : 1;
        unsigned edge : 1;
        unsigned source : 1;
        unsigned width8 : 1;
        unsigned enable : 1;
    } bits;
} t0con_image_t;

typedef union {
    u8 value;
    struct {
        unsigned tx9d : 1;
        unsigned trmt : 1;
        unsigned brgh : 1;
        unsigned sendb : 1;
        unsigned sync : 1;
        unsigned txen : 1;
        unsigned tx9 : 1;
        unsigned csrc : 1;
    } bits;
} txsta_image_t;

typedef struct {
    unsigned channel : 4;
    unsigned reference : 2;
    unsigned right_justify : 1;
    unsigned enabled : 1;
    u8 acquisition;
} adc_config_t;

typedef union {
    u16 word;
    u8 bytes[2];
    struct {
        u8 low;
        u8 high;
    } half;
} word_view_t;

typedef union {
    u32 value;
    struct {
        unsigned id_low : 8;
        unsigned id_high : 3;
        unsigned remote : 1;
        unsigned extended : 1;
        unsigned : 3;
        unsigned length : 4;
        unsigned priority : 3;
        unsigned : 1;
        unsigned : 8;
    } field;
} frame_header_t;

static t0con_image_t t0;
static txsta_image_t txs;
static adc_config_t adc = { 0, 0, 1, 1, 20 };

void timer0_configure(u8 prescale, bool_t eight_bit)
{
    t0.value = 0;
    t0.bits.prescale = prescale & 7;
    t0.bits.psa = prescale == 0;
    t0.bits.width8 = eight_bit ? 1 : 0;
    t0.bits.enable = 1;
    T0CON = t0.value;
}

void uart_configure(bool_t high_speed)
{
    txs.value = 0;
    txs.bits.brgh = high_speed;
    txs.bits.txen = 1;
    TXSTA = txs.value;
}

void adc_configure(const adc_config_t *cfg)
{
    u8 image = 0;

    image |= (u8)(cfg->channel << 2);
    image |= cfg->enabled ? 0x01 : 0x00;
    ADCON0 = image;
    ADCON1 = (u8)((cfg->reference << 4) | (cfg->right_justify ? 0x80 : 0));
}

u16 swap_bytes(u16 value)
{
    word_view_t in, out;

    in.word = value;
    out.half.low = in.half.high;
    out.half.high = in.half.low;
    return out.word;
}

u32 make_header(u16 id, u8 length, u8 priority, bool_t remote)
{
    frame_header_t h;

    h.value = 0;
    h.field.id_low = id & 0xFF;
    h.field.id_high = (id >> 8) & 0x07;
    h.field.length = length > 8 ? 8 : length;
    h.field.priority = priority;
    h.field.remote = remote;
    h.field.extended = 0;
    return h.value;
}

u8 header_length(u32 raw)
{
    frame_header_t h;

    h.value = raw;
    return (u8)h.field.length;
}

#pragma udata access port_shadows
static volatile near u8 shadow_portb;
#pragma udata

void set_pin(u8 pin, bool_t level)
{
    if (level)
        shadow_portb |= BIT(pin);
    else
        shadow_portb &= (u8)~BIT(pin);
    LATB = shadow_portb;
}

bool_t interrupts_enabled(void)
{
    return INTCONbits.GIE && INTCONbits.PEIE;
}

void main(void)
{
    u32 header;

    timer0_configure(3, TRUE);
    uart_configure(TRUE);
    adc.channel = 2;
    adc_configure(&adc);
    header = make_header(0x123, 4, 2, FALSE);
    if (header_length(header) == 4 && swap_bytes(0x1234) == 0x3412)
        set_pin(0, TRUE);
    else
        set_pin(1, TRUE);
    EECON1bits.EEPGD = 0;
    EECON1bits.CFGS = 0;
    while (!interrupts_enabled())
        ENABLE_INTERRUPTS();
}

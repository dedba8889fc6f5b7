/* Settings kept in data EEPROM with versioned records and a checksum. */
#include "vxregs.h"

#define SETTINGS_MAGIC 0xA5
#define SETTINGS_VERSION 3
#define SETTINGS_ADDRESS 0x10

typedef struct {
    u8 magic;
    u8 version;
    u16 baud_divisor;
    s16 temperature_offset;
    u8 backlight;
    u8 flags;
    u24 run_hours;
    u8 name[8];
    u8 checksum;
} settings_t;

typedef union {
    settings_t fields;
    u8 raw[sizeof(settings_t)];
} settings_image_t;

static settings_image_t current;
static const rom settings_t defaults = {
    SETTINGS_MAGIC, SETTINGS_VERSION, 25, 0, 8, 0x01, 0,
    { 'd', 'e', 'v', 'i', 'c', 'e', 0, 0 },
    0
};

static u8 eeprom_read(u8 address)
{
    EEADR = address;
    EECON1bits.EEPGD = 0;
    EECON1bits.CFGS = 0;
    EECON1bits.RD = 1;
    return EEDATA;
}

static void eeprom_write(u8 address, u8 value)
{
    bool_t interrupts = INTCONbits.GIE;

    EEADR = address;
    EEDATA = value;
    EECON1bits.EEPGD = 0;
    EECON1bits.CFGS = 0;
    EECON1bits.WREN = 1;
    DISABLE_INTERRUPTS();
    EECON2 = 0x55;
    EECON2 = 0xAA;
    EECON1bits.WR = 1;
    while (EECON1bits.WR)
        ;
    if (interrupts)
        ENABLE_INTERRUPTS();
    EECON1bits.WREN = 0;
}

static u8 checksum(const u8 *data, u8 length)
{
    u8 sum = 0;

    while (length--)
        sum = (u8)((sum << 1 | sum >> 7) + *data++);
    return (u8)~sum;
}

static void load_defaults(void)
{
    u8 i;
    const rom u8 *source = (const rom u8 *)&defaults;

    for (i = 0; i < sizeof(settings_t); i++)
        current.raw[i] = source[i];
}

bool_t settings_load(void)
{
    u8 i;

    for (i = 0; i < sizeof current.raw; i++)
        current.raw[i] = eeprom_read((u8)(SETTINGS_ADDRESS + i));
    if (current.fields.magic != SETTINGS_MAGIC)
        goto invalid;
    if (checksum(current.raw, sizeof current.raw - 1) != current.fields.checksum)
        goto invalid;
    if (current.fields.version < SETTINGS_VERSION) {
        current.fields.run_hours = 0;
        current.fields.version = SETTINGS_VERSION;
    }
    return TRUE;
invalid:
    load_defaults();
    return FALSE;
}

void settings_save(void)
{
    u8 i;

    current.fields.checksum = checksum(current.raw, sizeof current.raw - 1);
    for (i = 0; i < sizeof current.raw; i++) {
        if (eeprom_read((u8)(SETTINGS_ADDRESS + i)) != current.raw[i])
            eeprom_write((u8)(SETTINGS_ADDRESS + i), current.raw[i]);
    }
}

void settings_set_name(const rom char *name)
{
    u8 i;

    for (i = 0; i < sizeof current.fields.name; i++) {
        current.fields.name[i] = (u8)*name;
        if (*name)
            ++name;
    }
}

void settings_count_hour(void)
{
    if (current.fields.run_hours < 0xFFFFFF)
        current.fields.run_hours++;
}

void main(void)
{
    u16 minutes = 0;

    if (!settings_load())
        settings_save();
    SPBRG = (u8)current.fields.baud_divisor;
    for (;;) {
        if (INTCONbits.TMR0IF) {
            INTCONbits.TMR0IF = 0;
            if (++minutes == 60) {
                minutes = 0;
                settings_count_hour();
                settings_save();
            }
        }
        if (PORTA & 0x01) {
            settings_set_name("reset");
            load_defaults();
            settings_save();
        }
    }
}

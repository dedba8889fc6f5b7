/* Character LCD driver in 4-bit mode with number formatting. */
#include "vxregs.h"

#define LCD_RS 0x10
#define LCD_E 0x20
#define LCD_DATA_MASK 0x0F
#define LCD_COLUMNS 16

#define CMD_CLEAR 0x01
#define CMD_HOME 0x02
#define CMD_ENTRY 0x06
#define CMD_DISPLAY_ON 0x0C
#define CMD_FUNCTION_4BIT 0x28
#define CMD_DDRAM 0x80
#define CMD_CGRAM 0x40

extern void delay_100us(u8 times);

static u8 cursor_row, cursor_column;

static const rom u8 degree_glyph[8] = { 0x06, 0x09, 0x09, 0x06, 0x00, 0x00, 0x00, 0x00 };
static const rom u8 row_offsets[2] = { 0x00, 0x40 };

static void pulse(void)
{
    LATB |= LCD_E;
    Nop();
    Nop();
    LATB &= ~LCD_E;
}

static void write_nibble(u8 nibble, bool_t data)
{
    u8 port = LATB & ~(LCD_DATA_MASK | LCD_RS);

    port |= nibble & LCD_DATA_MASK;
    if (data)
        port |= LCD_RS;
    LATB = port;
    pulse();
}

static void write_byte(u8 value, bool_t data)
{
    write_nibble(value >> 4, data);
    write_nibble(value, data);
    delay_100us(1);
}

void lcd_command(u8 command)
{
    write_byte(command, FALSE);
    if (command == CMD_CLEAR || command == CMD_HOME)
        delay_100us(20);
}

void lcd_init(void)
{
    u8 i;

    TRISB &= 0xC0;
    delay_100us(150);
    for (i = 0; i < 3; i++) {
        write_nibble(0x03, FALSE);
        delay_100us(50);
    }
    write_nibble(0x02, FALSE);
    lcd_command(CMD_FUNCTION_4BIT);
    lcd_command(CMD_DISPLAY_ON);
    lcd_command(CMD_ENTRY);
    lcd_command(CMD_CLEAR);
    lcd_command(CMD_CGRAM);
    for (i = 0; i < sizeof degree_glyph; i++)
        write_byte(degree_glyph[i], TRUE);
    cursor_row = cursor_column = 0;
}

void lcd_goto(u8 row, u8 column)
{
    cursor_row = row & 1;
    cursor_column = column < LCD_COLUMNS ? column : LCD_COLUMNS - 1;
    lcd_command((u8)(CMD_DDRAM | (row_offsets[cursor_row] + cursor_column)));
}

void lcd_clear(void)
{
    lcd_command(CMD_CLEAR);
    cursor_row = cursor_column = 0;
}

void lcd_putc(char c)
{
    if (c == '\n') {
        lcd_goto((u8)(cursor_row + 1), 0);
        return;
    }
    if (cursor_column >= LCD_COLUMNS)
        return;
    write_byte((u8)c, TRUE);
    cursor_column++;
}

void lcd_puts(const char *s)
{
    while (*s)
        lcd_putc(*s++);
}

void lcd_puts_rom(const rom char *s)
{
    while (*s)
        lcd_putc(*s++);
}

void lcd_put_u8(u8 value)
{
    char text[4];
    u8 i = 3;

    text[3] = 0;
    do {
        text[--i] = (char)('0' + value % 10);
        value /= 10;
    } while (value && i);
    lcd_puts(&text[i]);
}

void lcd_put_fixed(s16 tenths)
{
    char text[8];
    u8 i = sizeof text - 1;
    bool_t negative = tenths < 0;
    u16 magnitude = negative ? (u16)-tenths : (u16)tenths;

    text[i] = '\0';
    text[--i] = (char)('0' + magnitude % 10);
    text[--i] = '.';
    magnitude /= 10;
    do {
        text[--i] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude && i > 1);
    if (negative)
        text[--i] = '-';
    lcd_puts(text + i);
}

void main(void)
{
    s16 t = -123;

    lcd_init();
    lcd_puts_rom("Temperature:");
    for (;;) {
        lcd_goto(1, 0);
        lcd_put_fixed(t);
        lcd_putc((char)0);
        lcd_putc('C');
        t += 7;
        if (t > 999)
            t = -123;
        delay_100us(250);
    }
}

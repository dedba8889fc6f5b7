/* Hierarchical menu on a two-line display, driven by four keys through function pointers. */
#include "vxregs.h"

typedef struct menu_item menu_item_t;
typedef void (*action_t)(const rom menu_item_t *item);

struct menu_item {
    const rom char *label;
    const rom menu_item_t *child;
    u8 child_count;
    action_t action;
    u8 *value;
    u8 min, max;
};

enum key { KEY_NONE, KEY_UP, KEY_DOWN, KEY_ENTER, KEY_BACK };

extern void lcd_clear(void);
extern void lcd_goto(u8 row, u8 column);
extern void lcd_puts_rom(const rom char *s);
extern void lcd_put_u8(u8 value);

static u8 brightness = 5;
static u8 contrast = 3;
static u8 volume = 7;
static u8 language;

static void edit_value(const rom menu_item_t *item);
static void show_about(const rom menu_item_t *item);
static void factory_reset(const rom menu_item_t *item);

static const rom menu_item_t display_menu[] = {
    { "Brightness", NULL, 0, edit_value, &brightness, 0, 9 },
    { "Contrast", NULL, 0, edit_value, &contrast, 0, 7 }
};

static const rom menu_item_t sound_menu[] = {
    { "Volume", NULL, 0, edit_value, &volume, 0, 15 }
};

static const rom menu_item_t system_menu[] = {
    { "Language", NULL, 0, edit_value, &language, 0, 2 },
    { "About", NULL, 0, show_about, NULL, 0, 0 },
    { "Reset", NULL, 0, factory_reset, NULL, 0, 0 }
};

static const rom menu_item_t main_menu[] = {
    { "Display", display_menu, 2, NULL, NULL, 0, 0 },
    { "Sound", sound_menu, 1, NULL, NULL, 0, 0 },
    { "System", system_menu, 3, NULL, NULL, 0, 0 }
};

#define DEPTH_MAX 4

static const rom menu_item_t *stack_items[DEPTH_MAX];
static u8 stack_counts[DEPTH_MAX];
static u8 stack_pos[DEPTH_MAX];
static u8 depth;

static enum key read_key(void)
{
    static u8 previous;
    u8 now = ~PORTB & 0x0F;
    u8 edge = now & ~previous;

    previous = now;
    if (edge & 1) return KEY_UP;
    if (edge & 2) return KEY_DOWN;
    if (edge & 4) return KEY_ENTER;
    if (edge & 8) return KEY_BACK;
    return KEY_NONE;
}

static void draw(void)
{
    const rom menu_item_t *items = stack_items[depth];
    u8 pos = stack_pos[depth];

    lcd_clear();
    lcd_goto(0, 0);
    lcd_puts_rom(">");
    lcd_puts_rom(items[pos].label);
    if (pos + 1 < stack_counts[depth]) {
        lcd_goto(1, 1);
        lcd_puts_rom(items[pos + 1].label);
    }
}

static void edit_value(const rom menu_item_t *item)
{
    u8 value = *item->value;
    enum key k;

    for (;;) {
        lcd_clear();
        lcd_puts_rom(item->label);
        lcd_goto(1, 0);
        lcd_put_u8(value);
        do
            k = read_key();
        while (k == KEY_NONE);
        if (k == KEY_UP && value < item->max)
            value++;
        else if (k == KEY_DOWN && value > item->min)
            value--;
        else if (k == KEY_ENTER) {
            *item->value = value;
            return;
        } else if (k == KEY_BACK)
            return;
    }
}

static void show_about(const rom menu_item_t *item)
{
    lcd_clear();
    lcd_puts_rom("Menu demo v1.2");
    lcd_goto(1, 0);
    lcd_puts_rom(item->label);
    while (read_key() == KEY_NONE)
        ;
}

static void factory_reset(const rom menu_item_t *item)
{
    brightness = 5;
    contrast = 3;
    volume = 7;
    language = 0;
    (void)item;
}

static void navigate(enum key k)
{
    const rom menu_item_t *current = &stack_items[depth][stack_pos[depth]];

    switch (k) {
    case KEY_UP:
        if (stack_pos[depth] > 0)
            stack_pos[depth]--;
        break;
    case KEY_DOWN:
        if (stack_pos[depth] + 1 < stack_counts[depth])
            stack_pos[depth]++;
        break;
    case KEY_ENTER:
        if (current->child != NULL && depth + 1 < DEPTH_MAX) {
            ++depth;
            stack_items[depth] = current->child;
            stack_counts[depth] = current->child_count;
            stack_pos[depth] = 0;
        } else if (current->action) {
            (*current->action)(current);
        }
        break;
    case KEY_BACK:
        if (depth > 0)
            --depth;
        break;
    default:
        return;
    }
    draw();
}

void main(void)
{
    enum key k;

    TRISB = 0x0F;
    depth = 0;
    stack_items[0] = main_menu;
    stack_counts[0] = ARRAY_SIZE(main_menu);
    stack_pos[0] = 0;
    draw();
    for (;;) {
        k = read_key();
        if (k != KEY_NONE)
            navigate(k);
    }
}

/* Line-oriented command interpreter with a table of handlers. */
#include "vxtypes.h"

#define MAX_ARGS 6
#define LINE_MAX 40

typedef s8 (*command_fn)(u8 argc, char *argv[]);

typedef struct {
    const rom char *name;
    command_fn handler;
    u8 min_args;
    const rom char *help;
} command_t;

extern void uart_puts(const char *s);
extern void uart_puts_rom(const rom char *s);
extern int uart_getc(void);

static u8 registers[16];
static char line[LINE_MAX];
static u8 line_len;

static s8 cmd_help(u8 argc, char *argv[]);
static s8 cmd_set(u8 argc, char *argv[]);
static s8 cmd_get(u8 argc, char *argv[]);
static s8 cmd_dump(u8 argc, char *argv[]);
static s8 cmd_reset(u8 argc, char *argv[]);

static const rom command_t commands[] = {
    { "help", cmd_help, 0, "list commands" },
    { "set", cmd_set, 2, "set REG VALUE" },
    { "get", cmd_get, 1, "get REG" },
    { "dump", cmd_dump, 0, "show all registers" },
    { "reset", cmd_reset, 0, "clear registers" }
};

static char to_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c + ('a' - 'A')) : c;
}

static bool_t rom_equal(const rom char *a, const char *b)
{
    while (*a && *b) {
        if (*a != to_lower(*b))
            return FALSE;
        ++a;
        ++b;
    }
    return *a == *b;
}

static bool_t parse_number(const char *s, u16 *value)
{
    u16 result = 0;
    u8 base = 10;
    u8 digit;

    if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s += 2;
    }
    if (*s == '\0')
        return FALSE;
    for (; *s; ++s) {
        char c = to_lower(*s);
        if (c >= '0' && c <= '9')
            digit = (u8)(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = (u8)(c - 'a' + 10);
        else
            return FALSE;
        if (digit >= base)
            return FALSE;
        result = result * base + digit;
    }
    *value = result;
    return TRUE;
}

static u8 split(char *text, char *argv[], u8 max)
{
    u8 argc = 0;

    while (*text && argc < max) {
        while (*text == ' ' || *text == '\t')
            *text++ = '\0';
        if (*text == '\0')
            break;
        argv[argc++] = text;
        while (*text && *text != ' ' && *text != '\t')
            ++text;
    }
    return argc;
}

static void put_hex(u8 v)
{
    char text[5];
    static const rom char hex[] = "0123456789abcdef";

    text[0] = '0';
    text[1] = 'x';
    text[2] = hex[v >> 4];
    text[3] = hex[v & 15];
    text[4] = 0;
    uart_puts(text);
}

static s8 cmd_help(u8 argc, char *argv[])
{
    u8 i;

    for (i = 0; i < ARRAY_SIZE(commands); i++) {
        uart_puts_rom(commands[i].name);
        uart_puts_rom(" - ");
        uart_puts_rom(commands[i].help);
        uart_puts_rom("\r\n");
    }
    return argc > 0 && argv != NULL ? 1 : 0;
}

static s8 cmd_set(u8 argc, char *argv[])
{
    u16 reg, value;

    if (!parse_number(argv[1], &reg) || reg >= sizeof registers)
        return -1;
    if (!parse_number(argv[2], &value) || value > 255)
        return -2;
    registers[reg] = (u8)value;
    return argc == 3 ? 0 : 1;
}

static s8 cmd_get(u8 argc, char *argv[])
{
    u16 reg;

    if (argc < 2 || !parse_number(argv[1], &reg) || reg >= sizeof registers)
        return -1;
    put_hex(registers[reg]);
    uart_puts_rom("\r\n");
    return 0;
}

static s8 cmd_dump(u8 argc, char *argv[])
{
    u8 i;

    for (i = 0; i < sizeof registers; i++) {
        put_hex(registers[i]);
        uart_puts_rom((i & 7) == 7 ? "\r\n" : " ");
    }
    (void)argv;
    return (s8)argc - 1;
}

static s8 cmd_reset(u8 argc, char *argv[])
{
    u8 i = sizeof registers;

    while (i)
        registers[--i] = 0;
    (void)argv;
    return (s8)(argc - 1);
}

s8 execute(char *text)
{
    char *argv[MAX_ARGS];
    u8 argc = split(text, argv, MAX_ARGS);
    u8 i;

    if (argc == 0)
        return 0;
    for (i = 0; i < ARRAY_SIZE(commands); ++i) {
        if (rom_equal(commands[i].name, argv[0])) {
            if (argc - 1 < commands[i].min_args)
                return -3;
            return commands[i].handler(argc, argv);
        }
    }
    return -4;
}

void main(void)
{
    int c;
    s8 status;

    line_len = 0;
    for (;;) {
        c = uart_getc();
        if (c < 0)
            continue;
        if (c == '\r') {
            line[line_len] = '\0';
            status = execute(line);
            uart_puts_rom(status < 0 ? "error\r\n" : "ok\r\n");
            line_len = 0;
        } else if (line_len < LINE_MAX - 1) {
            line[line_len++] = (char)c;
        }
    }
}

#include "frontend/pragma_config.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "driver/options.h"
#include "frontend/ast.h"
#include "frontend/config_tables.h"
#include "frontend/lexer.h"
#include "frontend/pragma.h"
#include "target/procdb.h"

extern char *yytext;

config_register *config_bytes;
unsigned number_of_config_bytes;

void pragma_config_initialize()
{
    config_bytes = get_config_bytes(processor, &number_of_config_bytes);
    for (unsigned i = 0; i < number_of_config_bytes; ++i) {
        config_bytes[i].value = config_bytes[i].default_value;
        config_bytes[i].specified = 0;
    }
}

config_choice *s_locate_setting(const char *name)
{
    for (unsigned i = 0; i < number_of_config_bytes; ++i)
        for (const config_setting *setting = config_bytes[i].settings; setting->description; ++setting)
            if (strcmp(setting->name, name) == 0) {
                auto *choice = static_cast<config_choice *>(calloc(1, sizeof(config_choice)));
                if (!choice)
                    post_error(101);
                choice->reg = &config_bytes[i];
                choice->setting = setting;
                return choice;
            }
    return nullptr;
}

bool s_locate_value(config_choice *choice, const char *name)
{
    for (const config_value *value = choice->setting->values; value->name; ++value)
        if (strcmp(value->name, name) == 0) {
            choice->value = value;
            return true;
        }
    return false;
}

bool s_set_config_value(const config_choice *choice)
{
    config_register *reg = choice->reg;
    uint32_t mask = choice->setting->mask;
    if ((reg->specified & mask) == mask)
        return false;
    reg->value = static_cast<uint8_t>((reg->value & ~mask) | choice->value->bits);
    reg->specified = static_cast<uint8_t>(reg->specified | mask);
    return true;
}

// The text of the look-ahead as the user wrote it: names come without the
// scanner's copy, everything else as scanned.
static const char *s_word()
{
    return (match(TK_IDENTIFIER) || match(TK_TYPEDEF_NAME)) ? lex_value().name : yytext;
}

int s_parse_pragma_config(pragma_record *record)
{
    int taken = 0;
    config_choice *choice = nullptr; // the one being read
    auto fail = [&](unsigned number, const char *first, const char *second = nullptr) {
        post_error_at(record->line, record->file, number, first, second);
        free(choice);
        skip_directive_line();
        return taken;
    };
    while (!at_directive_end()) {
        choice = s_locate_setting(s_word());
        if (!choice)
            return fail(1224, s_word());
        advance();
        if (!match('='))
            return fail(1002, "=");
        advance();
        if (at_directive_end() || !s_locate_value(choice, s_word()))
            return fail(1225, at_directive_end() ? "" : s_word(), choice->setting->name);
        advance();
        if (!at_directive_end() && !match(','))
            return fail(1002, ",");
        choice->next = record->settings;
        record->settings = choice;
        ++taken;
        if (match(','))
            advance();
    }
    return taken;
}

void pragma_config_help()
{
    printf("Configuration settings available for processor %s\n", getDvsProcName(processor));
    for (unsigned i = 0; i < number_of_config_bytes; ++i)
        for (const config_setting *setting = config_bytes[i].settings; setting->description; ++setting) {
            printf("%s:\n", setting->description);
            for (const config_value *value = setting->values; value->name; ++value) {
                char choice[64];
                snprintf(choice, sizeof choice, "%s = %s", setting->name, value->name);
                printf("%-15s\t%s\n", choice, value->description);
            }
            putchar('\n');
        }
}

void config_choice_free(config_choice *list)
{
    while (list) {
        config_choice *next = list->next;
        free(list);
        list = next;
    }
}

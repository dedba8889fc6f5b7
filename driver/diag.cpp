// Posting of numbered and unnumbered diagnostics, their counts, the error
// file and the help output that explains the message table.
#include "driver/diag.h"

#include <cstring>
#include <string>

#include "support/hash.h"
#include "support/platform.h"
#include "support/position.h"
#include "support/vxassert.h"

int error_level = 2;
unsigned maxerror = 25;

namespace {

unsigned error_count;
unsigned warning_count;
unsigned message_count;

hash_table *suppressed_messages_table;

FILE *ferrptr;
char efilename[MAX_PATH_LENGTH];
// The preprocessor writes its diagnostics into the same file first; those
// lines keep the file even when the compiler itself posts nothing.
bool error_file_had_content;

constexpr unsigned MESSAGE_BUFFER_SIZE = 128;
constexpr unsigned LISTED_FROM = 500;
constexpr unsigned FIRST_SUPPRESSIBLE = 2000;

struct message_class {
    int index;
    const char *name;
    unsigned *count; // null for numbers beyond the counted classes
};

message_class classify(unsigned number)
{
    if (number < 1000)
        return {0, "Fatal", &error_count};
    if (number < 2000)
        return {1, "Error", &error_count};
    if (number < 3000)
        return {2, "Warning", &warning_count};
    if (number < 4000)
        return {3, "Message", &message_count};
    return {3, "Message", nullptr};
}

const message_row *find_row(unsigned number)
{
    for (const message_row &row : message_table)
        if (row.number == number)
            return &row;
    return nullptr;
}

std::string format_text(const char *format, va_list args)
{
    va_list measuring;
    va_copy(measuring, args);
    int length = vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length), '\0');
    vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

// The unnumbered reports share one layout; only the class word and the file
// name on the console differ.
void report_unnumbered(const char *class_name, const char *console_name, const char *format, va_list args)
{
    std::string full_path = _fullpath(yyfilename);
    std::string text = format_text(format, args);
    if (ferrptr)
        fflush(ferrptr);
    _err_output(stdout, "%s:%d:%s: ", console_name ? console_name : full_path.c_str(), yylineno, class_name);
    print_error(stdout, text.c_str());
    print_error(stdout, "\n");
    _err_output(ferrptr, "%s[yy] %s %d : ", class_name, full_path.c_str(), yylineno);
    print_error(ferrptr, text.c_str());
    print_error(ferrptr, "\n");
}

} // namespace

int error_init(const char *name)
{
    if (ferrptr)
        fclose(ferrptr);
    ferrptr = nullptr;
    // A name too long to keep is refused rather than cut, which would open
    // some other file.
    size_t length = strlen(name);
    if (length >= sizeof efilename) {
        efilename[0] = '\0';
        return 1;
    }
    memcpy(efilename, name, length + 1);
    ferrptr = host_fopen(efilename, "a");
    if (!ferrptr)
        return 1;
    fseek(ferrptr, 0, SEEK_END);
    error_file_had_content = ftell(ferrptr) > 0;
    return 0;
}

void error_uninit()
{
    // Only a file this run opened may be deleted: a name that could not be
    // opened may belong to something the user wants to keep.
    bool opened = ferrptr != nullptr;
    if (opened)
        fclose(ferrptr);
    ferrptr = nullptr;
    hash_free(suppressed_messages_table, nullptr);
    suppressed_messages_table = nullptr;

    bool admitted = error_count > 0 || (warning_count > 0 && error_level > 1) ||
                    (message_count > 0 && error_level > 2);
    if (opened && !admitted && !error_file_had_content)
        host_remove(efilename);
}

unsigned get_error_count() { return error_count; }
unsigned get_warning_count() { return warning_count; }
unsigned get_message_count() { return message_count; }

void post_error(unsigned number, ...)
{
    va_list args;
    va_start(args, number);
    try {
        vpost_error(number, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void vpost_error(unsigned number, va_list args)
{
    std::string full_path = _fullpath(yyfilename);
    if (is_message_suppressed(number))
        return;

    char format[MESSAGE_BUFFER_SIZE] = "";
    retrieve_message(number, format, sizeof format);

    message_class cls = classify(number);
    if (cls.count)
        ++*cls.count;

    if (error_level >= cls.index) {
        std::string text = format_text(format, args);
        _err_output(stdout, "%s:%ld:%s [%ld] ", full_path.c_str(), static_cast<long>(yylineno), cls.name,
                    static_cast<long>(number));
        print_error(stdout, text.c_str());
        print_error(stdout, "\n");
        _err_output(ferrptr, "%s", cls.name);
        _err_output(ferrptr, "[%d] %s %d : ", static_cast<int>(number), full_path.c_str(), yylineno);
        print_error(ferrptr, text.c_str());
        print_error(ferrptr, "\n");
    }

    if (cls.index == 0 || error_count >= maxerror)
        throw compile_abort{};
}

void suppress_message(unsigned number)
{
    // Fatal diagnostics and errors must always count, or a failed compilation
    // would end with a success status and an object file.
    if (number < FIRST_SUPPRESSIBLE || is_message_suppressed(number))
        return;
    if (!suppressed_messages_table) {
        suppressed_messages_table = hash_create(sizeof(uint32_t), sizeof(uint32_t), 32);
        VX_ASSERT(suppressed_messages_table);
    }
    uint32_t key = number;
    VX_ASSERT(hash_add(suppressed_messages_table, &key));
}

bool is_message_suppressed(unsigned number)
{
    uint32_t key = number;
    return suppressed_messages_table && hash_find(suppressed_messages_table, &key);
}

void retrieve_message(unsigned number, char *buffer, unsigned size)
{
    const message_row *row = find_row(number);
    if (!row || size == 0)
        return;
    size_t length = strnlen(row->text, size - 1);
    memcpy(buffer, row->text, length);
    buffer[length] = '\0';
}

void print_error(FILE *stream, const char *text)
{
    if (!stream)
        return;
    fputs(text, stream);
    fflush(stream);
}

void vprint_error(FILE *stream, const char *format, va_list args)
{
    if (!stream)
        return;
    vfprintf(stream, format, args);
    fflush(stream);
}

void _err_output(FILE *stream, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vprint_error(stream, format, args);
    va_end(args);
}

void yyerror(const char *format, ...)
{
    ++error_count;
    if (error_level <= 0)
        return;
    va_list args;
    va_start(args, format);
    report_unnumbered("Error", nullptr, format, args);
    va_end(args);
}

void yywarning(const char *format, ...)
{
    if (error_level <= 1)
        return;
    ++warning_count;
    va_list args;
    va_start(args, format);
    report_unnumbered("Warning", nullptr, format, args);
    va_end(args);
}

void yymessage(const char *format, ...)
{
    if (error_level <= 2)
        return;
    ++message_count;
    va_list args;
    va_start(args, format);
    report_unnumbered("Message", yyfilename, format, args);
    va_end(args);
}

void show_message_list()
{
    for (const message_row &row : message_table)
        if (row.number >= LISTED_FROM)
            _err_output(stdout, "%d: %s\n", static_cast<int>(row.number), row.text);
}

// Number 0 has no row of its own; it asks for every listed row with its help.
void show_message_help(unsigned number)
{
    if (number == 0) {
        for (const message_row &row : message_table)
            if (row.number >= LISTED_FROM)
                _err_output(stdout, "%d: %s\n%s\n\n", static_cast<int>(row.number), row.text, row.help);
        return;
    }
    if (const message_row *row = find_row(number))
        _err_output(stdout, "%d: %s\n%s\n", static_cast<int>(row->number), row->text, row->help);
}

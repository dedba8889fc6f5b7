#include "vexpp/source_file.h"
#include <cstdio>
#include <cstring>
#include "support/platform.h"

namespace vexpp {

namespace {

// Removes every backslash that ends a line (optionally before a carriage
// return) in place, recording where each one was.
void remove_splices(SourceBuffer &buf) {
    char *text = buf.data.get();
    const char *first = static_cast<const char *>(memchr(text, '\\', buf.size));
    if (!first)
        return;
    size_t in = static_cast<size_t>(first - text), out = in;
    while (in < buf.size) {
        char c = text[in];
        if (c == '\\') {
            size_t next = in + 1;
            if (next < buf.size && text[next] == '\r')
                ++next;
            if (next < buf.size && text[next] == '\n') {
                buf.splices.push_back(static_cast<uint32_t>(out));
                in = next + 1;
                continue;
            }
        }
        text[out++] = c;
        ++in;
    }
    buf.size = out;
    text[out] = '\0';
}

} // namespace

bool read_source_file(const std::string &path, SourceBuffer &out) {
    FILE *file = host_fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // Read in chunks rather than trusting a size from seeking, which a pipe
    // or a device would not give.
    size_t capacity = 65536, size = 0;
    std::unique_ptr<char[]> data(new char[capacity + 1]);
    for (;;) {
        size_t n = fread(data.get() + size, 1, capacity - size, file);
        size += n;
        if (size < capacity)
            break;
        std::unique_ptr<char[]> bigger(new char[capacity * 2 + 1]);
        memcpy(bigger.get(), data.get(), size);
        data.swap(bigger);
        capacity *= 2;
    }
    bool failed = ferror(file) != 0;
    fclose(file);
    if (failed)
        return false;
    data[size] = '\0';
    out.data = std::move(data);
    out.size = size;
    out.splices.clear();
    remove_splices(out);
    return true;
}

void buffer_from_text(const std::string &text, SourceBuffer &out) {
    out.size = text.size();
    out.data.reset(new char[text.size() + 1]);
    memcpy(out.data.get(), text.data(), text.size());
    out.data[text.size()] = '\0';
    out.splices.clear();
    remove_splices(out);
}

} // namespace vexpp

#include "tools/ihex/ihex.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "support/platform.h"

namespace {

constexpr size_t RECORD_BYTES = 16;

enum record_type : unsigned {
    RECORD_DATA = 0,
    RECORD_EOF = 1,
    RECORD_SEGMENT_ADDRESS = 2,
    RECORD_SEGMENT_START = 3,
    RECORD_LINEAR_ADDRESS = 4,
    RECORD_LINEAR_START = 5,
};

uint64_t s_end(const hex_segment &segment)
{
    return uint64_t(segment.address) + segment.bytes.size();
}

bool s_write_record(FILE *file, unsigned type, unsigned address, const uint8_t *bytes,
                    size_t count)
{
    unsigned sum = unsigned(count) + (address >> 8) + (address & 0xFF) + type;
    if (std::fprintf(file, ":%02X%04X%02X", unsigned(count), address & 0xFFFF, type) < 0)
        return false;
    for (size_t i = 0; i < count; i++) {
        sum += bytes[i];
        if (std::fprintf(file, "%02X", bytes[i]) < 0)
            return false;
    }
    return std::fprintf(file, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF) >= 0;
}

bool s_write_segments(FILE *file, const hex_image &image)
{
    bool have_upper = false;
    unsigned upper = 0;
    for (const hex_segment &segment : image.segments) {
        size_t done = 0;
        while (done < segment.bytes.size()) {
            uint32_t address = segment.address + uint32_t(done);
            if (!have_upper || address >> 16 != upper) {
                upper = address >> 16;
                have_upper = true;
                uint8_t high[2] = {uint8_t(upper >> 8), uint8_t(upper)};
                if (!s_write_record(file, RECORD_LINEAR_ADDRESS, 0, high, 2))
                    return false;
            }
            // A record never crosses a 64 KB boundary: its offset is 16 bits.
            size_t room = 0x10000 - (address & 0xFFFF);
            size_t count = std::min({RECORD_BYTES, segment.bytes.size() - done, room});
            if (!s_write_record(file, RECORD_DATA, address & 0xFFFF, &segment.bytes[done], count))
                return false;
            done += count;
        }
    }
    return s_write_record(file, RECORD_EOF, 0, nullptr, 0);
}

int s_hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string s_where(const char *path, unsigned line)
{
    return std::string(path) + ":" + std::to_string(line) + ": ";
}

} // namespace

bool hex_add(hex_image *image, uint32_t address, const uint8_t *bytes, size_t count)
{
    if (count == 0)
        return true;
    std::vector<hex_segment> &segments = image->segments;
    uint64_t end = uint64_t(address) + count;
    auto next = std::upper_bound(segments.begin(), segments.end(), address,
                                 [](uint32_t a, const hex_segment &s) { return a < s.address; });
    if (next != segments.end() && next->address < end)
        return false;
    if (next != segments.begin()) {
        hex_segment &before = *(next - 1);
        if (s_end(before) > address)
            return false;
        if (s_end(before) == address) {
            before.bytes.insert(before.bytes.end(), bytes, bytes + count);
            if (next != segments.end() && next->address == end) {
                before.bytes.insert(before.bytes.end(), next->bytes.begin(), next->bytes.end());
                segments.erase(next);
            }
            return true;
        }
    }
    if (next != segments.end() && next->address == end) {
        next->bytes.insert(next->bytes.begin(), bytes, bytes + count);
        next->address = address;
        return true;
    }
    segments.insert(next, hex_segment{address, std::vector<uint8_t>(bytes, bytes + count)});
    return true;
}

bool hex_write(const char *path, const hex_image &image)
{
    FILE *file = host_fopen(path, "w");
    if (!file)
        return false;
    bool ok = s_write_segments(file, image);
    ok = (std::fclose(file) == 0) && ok;
    if (!ok)
        host_remove(path);
    return ok;
}

bool hex_read(const char *path, hex_image *image, std::string *error)
{
    FILE *file = host_fopen(path, "r");
    if (!file) {
        *error = std::string(path) + ": cannot open: " + std::strerror(errno);
        return false;
    }
    image->segments.clear();
    uint32_t base = 0;
    unsigned line = 0;
    bool seen_end = false;
    std::string text;
    int c = 0;
    while (c != EOF && !seen_end) {
        text.clear();
        while ((c = std::fgetc(file)) != EOF && c != '\n')
            text.push_back(char(c));
        line++;
        while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t'))
            text.pop_back();
        if (text.empty())
            continue;
        if (text[0] != ':' || text.size() < 11 || text.size() % 2 == 0) {
            *error = s_where(path, line) + "not an Intel HEX record";
            std::fclose(file);
            return false;
        }
        std::vector<uint8_t> raw;
        for (size_t i = 1; i < text.size(); i += 2) {
            int high = s_hex_digit(text[i]), low = s_hex_digit(text[i + 1]);
            if (high < 0 || low < 0) {
                *error = s_where(path, line) + "invalid hexadecimal digit";
                std::fclose(file);
                return false;
            }
            raw.push_back(uint8_t(high * 16 + low));
        }
        unsigned count = raw[0];
        if (raw.size() != count + 5u) {
            *error = s_where(path, line) + "record length does not match its byte count";
            std::fclose(file);
            return false;
        }
        unsigned sum = 0;
        for (uint8_t byte : raw)
            sum += byte;
        if ((sum & 0xFF) != 0) {
            *error = s_where(path, line) + "checksum mismatch";
            std::fclose(file);
            return false;
        }
        unsigned offset = (unsigned(raw[1]) << 8) | raw[2];
        const uint8_t *data = &raw[4];
        switch (raw[3]) {
        case RECORD_DATA:
            if (!hex_add(image, base + offset, data, count)) {
                char buffer[64];
                std::snprintf(buffer, sizeof buffer, "data at 0x%X overlaps earlier data",
                              unsigned(base + offset));
                *error = s_where(path, line) + buffer;
                std::fclose(file);
                return false;
            }
            break;
        case RECORD_EOF:
            seen_end = true;
            break;
        case RECORD_SEGMENT_ADDRESS:
        case RECORD_LINEAR_ADDRESS:
            if (count != 2) {
                *error = s_where(path, line) + "address record must hold 2 bytes";
                std::fclose(file);
                return false;
            }
            base = (unsigned(data[0]) << 8 | data[1]) << (raw[3] == RECORD_LINEAR_ADDRESS ? 16 : 4);
            break;
        case RECORD_SEGMENT_START:
        case RECORD_LINEAR_START:
            break;
        default:
            *error = s_where(path, line) + "unknown record type " + std::to_string(raw[3]);
            std::fclose(file);
            return false;
        }
    }
    std::fclose(file);
    if (!seen_end) {
        *error = std::string(path) + ": missing end-of-file record";
        return false;
    }
    return true;
}

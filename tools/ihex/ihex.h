// Intel HEX images: the absolute program that the linker writes and the
// simulator loads.  Only data, end-of-file and the two address-extension
// record types are produced; the reader also accepts start-address records
// and ignores them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct hex_segment {
    uint32_t address;
    std::vector<uint8_t> bytes;
};

// Segments in increasing address order, none overlapping another.
struct hex_image {
    std::vector<hex_segment> segments;
};

// Adds bytes at `address`, merging with a segment that ends there.  Returns
// false when a byte would overlap one already in the image.
bool hex_add(hex_image *image, uint32_t address, const uint8_t *bytes, size_t count);

// Writes the image; on failure returns false and removes the partial file.
bool hex_write(const char *path, const hex_image &image);

// Reads a file; on failure returns false with "FILE:LINE: reason" in `error`.
bool hex_read(const char *path, hex_image *image, std::string *error);

// A source file read whole into memory, with its backslash-newline splices
// already removed.  `splices` holds, in ascending order, the offsets in
// `text` where a splice was taken out, so the lexer can still count physical
// lines.  The text is followed by a zero byte.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vexpp {

struct SourceBuffer {
    std::unique_ptr<char[]> data;
    size_t size = 0;
    std::vector<uint32_t> splices;
};

// False when the file cannot be opened or read.
bool read_source_file(const std::string &path, SourceBuffer &out);

// Builds a buffer from text in memory (command-line definitions, tests).
void buffer_from_text(const std::string &text, SourceBuffer &out);

} // namespace vexpp

// A bump allocator for text that must outlive the line that produced it:
// pasted and stringified spellings, built-in macro values, definitions given
// on the command line.  Nothing is freed before the end of the run.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

namespace vexpp {

class Arena {
public:
    char *allocate(size_t size);
    const char *copy(const char *text, size_t len); // adds a terminating zero

private:
    std::vector<std::unique_ptr<char[]>> blocks_;
    char *next_ = nullptr;
    size_t left_ = 0;
};

} // namespace vexpp

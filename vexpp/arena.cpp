#include "vexpp/arena.h"
#include <cstring>

namespace vexpp {

namespace {
constexpr size_t BLOCK_SIZE = 64 * 1024;
}

char *Arena::allocate(size_t size) {
    if (size > left_) {
        // Large requests get a block of their own so the current block's tail
        // stays usable.
        if (size > BLOCK_SIZE / 4) {
            blocks_.emplace_back(new char[size]);
            return blocks_.back().get();
        }
        blocks_.emplace_back(new char[BLOCK_SIZE]);
        next_ = blocks_.back().get();
        left_ = BLOCK_SIZE;
    }
    char *result = next_;
    next_ += size;
    left_ -= size;
    return result;
}

const char *Arena::copy(const char *text, size_t len) {
    char *result = allocate(len + 1);
    memcpy(result, text, len);
    result[len] = '\0';
    return result;
}

} // namespace vexpp

#include "tools/vxsim/sim_load.h"

#include <cstdio>

namespace {

constexpr uint32_t CONFIGURATION_SPACE = 0x200000;

} // namespace

bool sim_load_image(sim_state *s, const hex_image &image, std::string *error)
{
    for (const hex_segment &segment : image.segments) {
        if (segment.address >= CONFIGURATION_SPACE)
            continue;
        uint64_t end = uint64_t(segment.address) + segment.bytes.size();
        uint32_t count = uint32_t(segment.bytes.size());
        if (end > CONFIGURATION_SPACE)
            count = CONFIGURATION_SPACE - segment.address;
        if (!sim_store_program(s, segment.address, segment.bytes.data(), count)) {
            char text[128];
            std::snprintf(text, sizeof text,
                          "program data at 0x%06X lies beyond the 0x%X bytes of program memory",
                          unsigned(segment.address), unsigned(s->program.size()));
            *error = text;
            return false;
        }
    }
    return true;
}

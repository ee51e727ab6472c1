#include "host/core/random_service.hpp"

#include <stdexcept>

namespace kestrel::host {

void RandomService::set_seed(std::uint32_t seed) { engine_.seed(seed); }

void RandomService::script(const std::vector<float>& draws) {
    for (float r : draws) {
        if (!(r >= 0.0f && r < 1.0f)) throw std::invalid_argument("a scripted draw must lie in [0, 1)");
        script_.push_back(r);
    }
}

float RandomService::next() {
    ++draws_;
    if (!script_.empty()) {
        const float r = script_.front();
        script_.pop_front();
        return r;
    }
    // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace kestrel::host

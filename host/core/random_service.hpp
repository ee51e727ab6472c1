// random_service.hpp: the host's random service: seedable and deterministic,
// replays a scripted list of draws first and then continues from the seed,
// and counts every draw.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace kestrel::host {

class RandomService {
public:
    explicit RandomService(std::uint32_t seed = 1) { set_seed(seed); }

    // Restart the seeded sequence (the script and the count are kept).
    void set_seed(std::uint32_t seed);
    // Draws returned first, in order, before the seeded sequence resumes.
    // Each must lie in [0, 1).
    void script(const std::vector<float>& draws);
    // One draw, r in [0, 1).
    float next();

    std::int64_t draws() const { return draws_; }
    void reset_count() { draws_ = 0; }
    std::size_t scripted_left() const { return script_.size(); }

private:
    std::mt19937 engine_;
    std::deque<float> script_;
    std::int64_t draws_ = 0;
};

}  // namespace kestrel::host

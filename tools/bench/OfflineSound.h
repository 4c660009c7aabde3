#pragma once

#include <cstdint>
#include <span>

namespace bench {

// The game's sound device and samples, mixed into buffers nobody hears.
class OfflineSound {
public:
    OfflineSound();
    ~OfflineSound();
    OfflineSound(const OfflineSound&) = delete;
    OfflineSound& operator=(const OfflineSound&) = delete;

    // 1/60 s of the mix of the sounds playing.
    static void mix();
    // What the last mix wrote, interleaved stereo.
    static std::span<const std::int16_t> lastMix();
};

}

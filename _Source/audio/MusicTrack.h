#pragma once
#include <cstdint>
#include <string>

namespace dh {

// One entry of the music playlist.
struct MusicTrack {
    std::string fileName;  // the bare file name
    std::uint32_t playCount = 0;
};

}

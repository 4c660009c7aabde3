// Writes the background playlist into mus/ and the intro's own track into
// mus/intro/, where the playlist never picks it up.
#include "AssetGenerators.h"
#include "MusicTracks.h"

namespace dh::audiogen {
namespace {

struct TrackFile {
    const char* path;
    Song (*compose)();
};

constexpr TrackFile kTracks[] = {
    {"longhaul.mid", composeLongHaul},
    {"nebula.mid", composeNebula},
    {"frontier.mid", composeFrontierRun},
    {"tradewinds.mid", composeTradeWinds},
    {"deepfield.mid", composeDeepField},
    {"intro/intro.mid", composeIntro},
};

} // namespace
} // namespace dh::audiogen

void generateMusic(const std::filesystem::path& musDir)
{
    using namespace dh::audiogen;
    for (const TrackFile& track : kTracks)
        writeMidiFile(musDir / track.path, track.compose().finish(), kTicksPerQuarter);
}

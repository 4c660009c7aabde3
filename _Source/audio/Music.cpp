#include "audio/Music.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>

#include "core/Random.h"
#include "platform/MusicPlayer.h"
#include "platform/PlatformFiles.h"

namespace dh {

bool g_musicReady = false;
bool g_musicEnabled = true;

namespace {

std::unique_ptr<MusicSong> g_currentSong;
std::string g_currentSongFile;
std::unique_ptr<std::vector<MusicTrack>> g_playlist;
std::string g_playlistFolder;

// The pattern "*.mid" in any case, which a file named just ".mid" matches too.
// A name holding a backslash is no track: the asset path the track is played
// from reads the backslash as a separator and would reach another file.
bool isMidiFile(const std::filesystem::directory_entry& entry)
{
    std::error_code error;
    const std::string name = entry.path().filename().string();
    if (name.size() < 4 || name.find('\\') != std::string::npos) {
        return false;
    }
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mid" && entry.is_regular_file(error);
}

}

void initMusic()
{
    g_musicReady = openMusicPlayer();
    if (g_musicReady) {
        buildPlaylist();
    }
}

void buildPlaylist(const std::string& folder)
{
    g_playlist = std::make_unique<std::vector<MusicTrack>>();
    g_playlistFolder = folder;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(assetPath(folder), error)) {
        if (isMidiFile(entry)) {
            g_playlist->push_back({entry.path().filename().string(), 0});
        }
    }
    // Listed by name, so the random choice among equals is the same on every machine.
    std::sort(g_playlist->begin(), g_playlist->end(),
              [](const MusicTrack& a, const MusicTrack& b) { return a.fileName < b.fileName; });
}

const std::vector<MusicTrack>& playlist()
{
    static const std::vector<MusicTrack> none;
    return g_playlist ? *g_playlist : none;
}

void playNextTrack()
{
    if (!g_musicReady || !g_playlist || !g_musicEnabled) {
        return;
    }
    stopMusic();
    if (g_playlist->empty()) {
        return;
    }
    std::uint32_t least = UINT32_MAX;
    for (const MusicTrack& track : *g_playlist) {
        least = std::min(least, track.playCount);
    }
    std::vector<MusicTrack*> candidates;
    for (MusicTrack& track : *g_playlist) {
        if (track.playCount == least) {
            candidates.push_back(&track);
        }
    }
    MusicTrack& chosen = *candidates[random() % candidates.size()];
    ++chosen.playCount;
    playMusicFile(g_playlistFolder + "\\" + chosen.fileName);
}

void playMusicFile(const std::string& path)
{
    if (!g_musicReady || !g_musicEnabled || path.empty()) {
        return;
    }
    stopMusic();
    g_currentSong = MusicSong::load(assetPath(path));
    if (g_currentSong) {
        g_currentSongFile = path;
        g_currentSong->setVolume(150);
        g_currentSong->play(true);
    }
}

void stopMusic()
{
    if (!g_musicReady || !g_currentSong) {
        return;
    }
    g_currentSong->stop();
    g_currentSong.reset();
    g_currentSongFile.clear();
}

void shutdownMusic()
{
    if (g_musicReady) {
        stopMusic();
        closeMusicPlayer();
        g_musicReady = false;
    }
    g_playlist.reset();
}

const std::string& currentMusicFile()
{
    return g_currentSongFile;
}

}

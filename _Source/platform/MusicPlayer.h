#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

struct _Mix_Music;

namespace dh {

// Opens the audio output for music and readies the MIDI decoder with a
// General MIDI soundfont (SDL_SOUNDFONTS overrides the distribution's);
// false when either is missing, and music then stays off.
bool openMusicPlayer();
void closeMusicPlayer();
bool isMusicPlaying();

// One loaded MIDI song; only one plays at a time.
class MusicSong {
public:
    // Null when the file does not load.
    static std::unique_ptr<MusicSong> load(const std::filesystem::path& path);
    ~MusicSong();
    MusicSong(const MusicSong&) = delete;
    MusicSong& operator=(const MusicSong&) = delete;

    void play(bool looping);
    // 0 .. 256.
    void setVolume(int volume);
    void stop();

private:
    explicit MusicSong(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::vector<std::uint8_t> bytes_;
    _Mix_Music* music_ = nullptr;
};

}

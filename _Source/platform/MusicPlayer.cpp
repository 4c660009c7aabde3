#include "platform/MusicPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/AudioOutput.h"
#include "platform/MidiLength.h"

namespace dh {

namespace {

// Larger than any tune; a bigger file is not read whole to be looked at.
constexpr std::uintmax_t kMaxMidiBytes = 16u << 20;

// The file's bytes when they hold a tune of some length, else empty.
std::optional<std::vector<std::uint8_t>> readTune(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxMidiBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto ticks = midiLengthInTicks(bytes);
    if (!in || !ticks || *ticks == 0)
        return std::nullopt;
    return bytes;
}

bool hasFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// True when SDL_SOUNDFONTS names an existing file or a distribution
// soundfont could be set.
bool chooseSoundFont()
{
    if (const char* fonts = SDL_getenv("SDL_SOUNDFONTS"); fonts && *fonts) {
        const std::string list = fonts;
        std::size_t start = 0;
        while (start <= list.size()) {
            const std::size_t end = std::min(list.find(';', start), list.size());
            if (hasFile(list.substr(start, end - start))) {
                return true;
            }
            start = end + 1;
        }
        return false;
    }
    for (const char* font : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
                             "/usr/share/sounds/sf2/FluidR3_GM.sf2"}) {
        if (hasFile(font)) {
            return Mix_SetSoundFonts(font) != 0;
        }
    }
    return false;
}

}

bool openMusicPlayer()
{
    if (!acquireAudioOutput()) {
        return false;
    }
    if (!chooseSoundFont() || (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) == 0) {
        releaseAudioOutput();
        return false;
    }
    return true;
}

void closeMusicPlayer()
{
    Mix_HaltMusic();
    Mix_Quit();
    releaseAudioOutput();
}

bool isMusicPlaying()
{
    return Mix_PlayingMusic() != 0;
}

std::unique_ptr<MusicSong> MusicSong::load(const std::filesystem::path& path)
{
    if (!hasFile(path.string()))
        return nullptr;
    std::optional<std::vector<std::uint8_t>> bytes = readTune(path);
    if (!bytes) {
        std::cerr << "Drift Hauler: " << path.string() << " holds no tune that can be played; it stays silent\n";
        return nullptr;
    }
    // The player is given the very bytes that were checked; they live as long
    // as the song, whose decoder may read them while it plays.
    std::unique_ptr<MusicSong> song(new MusicSong(std::move(*bytes)));
    song->music_ = Mix_LoadMUS_RW(SDL_RWFromConstMem(song->bytes_.data(), static_cast<int>(song->bytes_.size())), 1);
    return song->music_ ? std::move(song) : nullptr;
}

MusicSong::~MusicSong()
{
    if (music_)
        Mix_FreeMusic(music_);
}

void MusicSong::play(bool looping)
{
    Mix_PlayMusic(music_, looping ? -1 : 1);
}

void MusicSong::setVolume(int volume)
{
    Mix_VolumeMusic(volume * MIX_MAX_VOLUME / 256);
}

void MusicSong::stop()
{
    Mix_HaltMusic();
}

}

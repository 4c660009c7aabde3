#include "platform/MusicPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "platform/AudioOutput.h"
#include "platform/MidiLength.h"

namespace dh {

namespace {

// Larger than any tune; a bigger file is not read whole to be looked at.
constexpr std::uintmax_t kMaxMidiBytes = 16u << 20;

bool holdsATune(const std::filesystem::path& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxMidiBytes)
        return false;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto ticks = midiLengthInTicks(bytes);
    return in && ticks && *ticks > 0;
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
    if (!holdsATune(path)) {
        std::cerr << "Drift Hauler: " << path.string() << " holds no tune that can be played; it stays silent\n";
        return nullptr;
    }
    Mix_Music* music = Mix_LoadMUS(path.string().c_str());
    return music ? std::unique_ptr<MusicSong>(new MusicSong(music)) : nullptr;
}

MusicSong::~MusicSong()
{
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

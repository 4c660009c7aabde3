#include "platform/AudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/SoundMixer.h"

namespace dh {

namespace {

int g_outputUsers = 0;

void SDLCALL mixSoundEffects(void* mixer, Uint8* stream, int bytes)
{
    static_cast<SoundMixer*>(mixer)->mixInto(reinterpret_cast<std::int16_t*>(stream),
                                             static_cast<std::size_t>(bytes) / 4);
}

}

bool acquireAudioOutput()
{
    if (g_outputUsers == 0) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        // No format changes allowed: the effects mixer writes 16-bit stereo.
        if (Mix_OpenAudioDevice(static_cast<int>(kAudioOutputRate), AUDIO_S16SYS, 2, 1024, nullptr, 0) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
    }
    ++g_outputUsers;
    return true;
}

void releaseAudioOutput()
{
    if (g_outputUsers > 0 && --g_outputUsers == 0) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void attachSoundMixer(SoundMixer* mixer)
{
    if (g_outputUsers > 0) {
        Mix_SetPostMix(mixer ? mixSoundEffects : nullptr, mixer);
    }
}

}

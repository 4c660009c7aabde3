#pragma once
#include <cstdint>

namespace dh {

class SoundMixer;

// The one audio output, owned by SDL_mixer and shared by the sound effects and
// the music. Each successful acquire is paired with a release; the output
// closes with the last release.
inline constexpr std::uint32_t kAudioOutputRate = 44100;

// Opens the output if it is not yet open; false when there is none (no sound card).
bool acquireAudioOutput();
void releaseAudioOutput();

// Mixes the sound effects of mixer (built at kAudioOutputRate) over the music;
// null detaches. The mixer must stay alive while it is attached.
void attachSoundMixer(SoundMixer* mixer);

}

#pragma once
#include <memory>
#include <string>

#include "platform/SoundBuffer.h"

namespace dh {

// One decoded sound effect. It is never played itself: every playback works
// on a duplicate of its buffer, so a sample can sound many times at once.
struct SoundSample {
    std::unique_ptr<SoundBuffer> buffer;  // null: missing or invalid file, or no device
};

// Reads a PCM WAV file (asset path such as "snd//dock.wav") into a new sample.
// A missing, unreadable or unsupported file gives a silent sample.
std::unique_ptr<SoundSample> loadWav(const std::string& fileName);

}

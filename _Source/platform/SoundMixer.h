#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace dh {

// Decoded sample memory, shared by a buffer and all its duplicates: 16-bit
// frames of one or two interleaved channels.
struct SoundPcm {
    std::vector<std::int16_t> samples;
    std::uint32_t frames = 0;
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 0;
};

// The sound-effect device: a fixed pool of voices mixed into 16-bit stereo.
// Buffers (SoundBuffer) change voices from the game's thread while the audio
// thread mixes; both hold the lock only for short, allocation-free work.
class SoundMixer {
public:
    static constexpr std::size_t kVoices = 2048;
    static constexpr std::uint32_t kMinFrequency = 100;
    static constexpr std::uint32_t kMaxFrequency = 200000;

    explicit SoundMixer(std::uint32_t outputRate);

    std::uint32_t outputRate() const { return outputRate_; }

    // Writes the next frames of the mix (interleaved left/right) into out.
    void render(std::int16_t* out, std::size_t frames);
    // Adds the next frames of the mix to what out already holds, saturating.
    void mixInto(std::int16_t* out, std::size_t frames);

private:
    friend class SoundBuffer;

    struct Voice {
        const SoundPcm* pcm = nullptr;
        std::uint64_t position = 0;  // frames, 32.32 fixed point
        std::uint64_t step = 0;      // frames per output frame, 32.32
        float gainLeft = 1.0f;
        float gainRight = 1.0f;
        bool inUse = false;
        bool playing = false;
        bool looping = false;
    };

    // Returns a free voice's index for pcm, or -1 when every voice is taken.
    int acquireVoice(const SoundPcm* pcm);
    void mixVoice(Voice& voice, float* mix, std::size_t frames);

    static constexpr std::size_t kChunk = 512;

    const std::uint32_t outputRate_;
    std::mutex mutex_;
    std::array<Voice, kVoices> voices_;
    std::array<float, 2 * kChunk> mix_;
};

}

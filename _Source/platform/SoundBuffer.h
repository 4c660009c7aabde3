#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/SoundMixer.h"

namespace dh {

// The layout of PCM data handed to SoundBuffer::create.
struct SoundFormat {
    std::uint16_t channels = 0;       // 1 or 2
    std::uint32_t sampleRate = 0;     // 100 .. 200000 Hz
    std::uint16_t bitsPerSample = 0;  // 8 (unsigned) or 16 (signed little-endian)
};

// One playable voice of the sound-effect device. Duplicates share the
// original's sample memory and play independently of it. A buffer is a value
// that can be moved, so a sound can start without touching the heap; a
// moved-from buffer holds no voice and may only be destroyed or assigned to.
class SoundBuffer {
public:
    static constexpr std::int32_t kVolumeMin = -10000;
    static constexpr std::int32_t kPanLeft = -10000;
    static constexpr std::int32_t kPanRight = 10000;

    // A buffer holding a copy of the PCM data; null when the format is not
    // supported, there are no whole frames or every voice is in use.
    static std::unique_ptr<SoundBuffer> create(const std::shared_ptr<SoundMixer>& mixer,
                                               const SoundFormat& format, const void* data,
                                               std::size_t bytes);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;
    SoundBuffer(SoundBuffer&& other) noexcept;
    SoundBuffer& operator=(SoundBuffer&& other) noexcept;

    // A new buffer on the same sample memory with this one's settings, stopped
    // at its start; empty when every voice is in use.
    std::optional<SoundBuffer> duplicate() const;

    void play(bool looping);
    void stop();
    bool isPlaying() const;

    // Hundredths of a decibel, 0 (full) down to -10000 (silent).
    void setVolume(std::int32_t volume);
    std::int32_t volume() const { return volume_; }
    // -10000 (left) .. 10000 (right): the far side is attenuated by |pan|
    // hundredths of a decibel.
    void setPan(std::int32_t pan);
    std::int32_t pan() const { return pan_; }
    // Playback rate in Hz, clamped to 100 .. 200000; 0 restores the sample's own.
    void setFrequency(std::uint32_t frequency);
    std::uint32_t frequency() const { return frequency_; }

private:
    SoundBuffer(std::shared_ptr<SoundMixer> mixer, std::shared_ptr<const SoundPcm> pcm, int voice);
    void applyGains();
    void releaseVoice();

    static constexpr int kNoVoice = -1;

    std::shared_ptr<SoundMixer> mixer_;
    std::shared_ptr<const SoundPcm> pcm_;
    int voice_;
    std::int32_t volume_ = 0;
    std::int32_t pan_ = 0;
    std::uint32_t frequency_;
};

}

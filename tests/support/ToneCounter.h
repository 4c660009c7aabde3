#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "audio/SoundEffects.h"

// Counts how often three samples start, on the offline mixer. Each sample is a
// short constant tone of its own loudness (1, middle and top), so the first frame
// of the next mix tells how many of each started since the last look.
namespace testsupport {

class ToneCounter {
public:
    using Slots = std::array<dh::SoundSample**, 3>;

    ToneCounter(Slots slots, int middle, int top) : slots_(slots), middle_(middle), top_(top)
    {
        dh::initOfflineSoundDevice(kRate);
        dh::g_soundEnabled = true;
        const std::array<int, 3> loudness{1, middle, top};
        for (std::size_t i = 0; i < tones_.size(); ++i)
            tones_[i] = tone(loudness[i]);
        for (std::size_t i = 0; i < slots_.size(); ++i)
            *slots_[i] = tones_[i].get();
    }
    ~ToneCounter()
    {
        for (dh::SoundSample** slot : slots_)
            *slot = nullptr;
        for (std::unique_ptr<dh::SoundSample>& sample : tones_)
            sample.reset();
        dh::shutdownSoundDevice();
    }
    ToneCounter(const ToneCounter&) = delete;
    ToneCounter& operator=(const ToneCounter&) = delete;

    // How many of the first, second and third sample started since the last look.
    std::array<int, 3> take()
    {
        std::vector<std::int16_t> out(2 * 2 * kFrames);
        dh::g_soundDevice->render(out.data(), 2 * kFrames);
        const int mix = out[0];
        return {mix % middle_, (mix % top_) / middle_, mix / top_};
    }

private:
    static constexpr std::uint32_t kRate = 22050;
    static constexpr std::size_t kFrames = 4;

    static std::unique_ptr<dh::SoundSample> tone(int amplitude)
    {
        auto sample = std::make_unique<dh::SoundSample>();
        const std::vector<std::int16_t> pcm(kFrames, static_cast<std::int16_t>(amplitude));
        sample->buffer = dh::SoundBuffer::create(dh::g_soundDevice, {1, kRate, 16}, pcm.data(),
                                                 pcm.size() * sizeof(std::int16_t));
        return sample;
    }

    Slots slots_;
    int middle_;
    int top_;
    std::array<std::unique_ptr<dh::SoundSample>, 3> tones_;
};

}

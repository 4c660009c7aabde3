#include "platform/SoundMixer.h"

#include <algorithm>
#include <cmath>

namespace dh {

namespace {

constexpr float kFraction = 1.0f / 4294967296.0f;

std::int16_t saturate(float value)
{
    return static_cast<std::int16_t>(std::clamp(std::lrint(value), -32768L, 32767L));
}

}

SoundMixer::SoundMixer(std::uint32_t outputRate) : outputRate_(outputRate) {}

void SoundMixer::render(std::int16_t* out, std::size_t frames)
{
    std::fill(out, out + 2 * frames, std::int16_t{0});
    mixInto(out, frames);
}

void SoundMixer::mixInto(std::int16_t* out, std::size_t frames)
{
    std::lock_guard lock(mutex_);
    while (frames > 0) {
        const std::size_t chunk = std::min(frames, kChunk);
        std::fill(mix_.begin(), mix_.begin() + 2 * chunk, 0.0f);
        for (Voice& voice : voices_) {
            if (voice.playing) {
                mixVoice(voice, mix_.data(), chunk);
            }
        }
        for (std::size_t i = 0; i < 2 * chunk; ++i) {
            out[i] = saturate(static_cast<float>(out[i]) + mix_[i]);
        }
        out += 2 * chunk;
        frames -= chunk;
    }
}

void SoundMixer::mixVoice(Voice& voice, float* mix, std::size_t frames)
{
    const SoundPcm& pcm = *voice.pcm;
    const std::int16_t* data = pcm.samples.data();
    const std::uint64_t end = static_cast<std::uint64_t>(pcm.frames) << 32;
    const std::uint32_t channels = pcm.channels;
    for (std::size_t i = 0; i < frames; ++i) {
        const auto index = static_cast<std::uint32_t>(voice.position >> 32);
        const float frac = static_cast<float>(voice.position & 0xFFFFFFFFu) * kFraction;
        std::uint32_t next = index + 1;
        if (next == pcm.frames) {
            next = voice.looping ? 0 : index;
        }
        const std::int16_t* a = data + index * channels;
        const std::int16_t* b = data + next * channels;
        const float left = a[0] + (b[0] - a[0]) * frac;
        const float right = channels == 2 ? a[1] + (b[1] - a[1]) * frac : left;
        mix[2 * i] += left * voice.gainLeft;
        mix[2 * i + 1] += right * voice.gainRight;

        voice.position += voice.step;
        if (voice.position >= end) {
            if (!voice.looping) {
                voice.playing = false;
                voice.position = 0;
                return;
            }
            voice.position %= end;
        }
    }
}

int SoundMixer::acquireVoice(const SoundPcm* pcm)
{
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < kVoices; ++i) {
        if (!voices_[i].inUse) {
            voices_[i] = Voice{};
            voices_[i].pcm = pcm;
            voices_[i].inUse = true;
            return static_cast<int>(i);
        }
    }
    return -1;
}

}

// The WAV checks and chunk walk, then the offline mixer playing the sample at
// half, normal and double pitch, once and looping. The outcome is a silent
// sample, or one that holds no more frames than the file's bytes could carry:
// played once it ends no later than that many frames allow.
#include "FuzzSupport.h"
#include "audio/SoundEffects.h"
#include "audio/SoundSample.h"
#include "platform/PlatformFiles.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using fuzz::check;

constexpr std::uint32_t kOutputRate = 8000;
constexpr std::size_t kChunk = 4096;
// Longer plays are not rendered to their end: the run would crawl.
constexpr std::uint64_t kMaxRendered = 1u << 21;
const char* const kFile = "fuzz-input.wav";

void checkPlayback(const dh::SoundBuffer& sample, std::size_t fileBytes)
{
    std::vector<std::int16_t> out(2 * kChunk);
    const std::uint32_t own = sample.frequency();
    for (const double pitch : {0.5, 1.0, 2.0}) {
        std::optional<dh::SoundBuffer> voice = sample.duplicate();
        check(voice.has_value(), "a voice for the duplicate");
        voice->setFrequency(std::clamp<std::uint32_t>(static_cast<std::uint32_t>(own * pitch), 100, 200000));
        // Every frame takes at least one byte of the file.
        const std::uint64_t bound = std::uint64_t{fileBytes} * kOutputRate / voice->frequency() + 2 * kChunk;
        voice->play(true);
        dh::g_soundDevice->render(out.data(), kChunk);
        check(voice->isPlaying(), "a looping sample keeps playing");
        voice->stop();
        voice->play(false);
        if (bound > kMaxRendered) {
            continue;
        }
        std::uint64_t rendered = 0;
        while (voice->isPlaying() && rendered <= bound) {
            dh::g_soundDevice->render(out.data(), kChunk);
            rendered += kChunk;
        }
        check(!voice->isPlaying(), "a sample no longer than the bytes present");
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!dh::g_soundDevice) {
        dh::initOfflineSoundDevice(kOutputRate);
    }
    std::FILE* out = std::fopen(dh::assetPath(kFile).c_str(), "wb");
    check(out != nullptr && std::fwrite(data, 1, size, out) == size && std::fclose(out) == 0, "writing the file");
    const std::unique_ptr<dh::SoundSample> sample = dh::loadWav(kFile);
    check(sample != nullptr, "a sample, silent or not");
    if (sample->buffer) {
        checkPlayback(*sample->buffer, size);
    }
    return 0;
}

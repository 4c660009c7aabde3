#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "platform/SoundBuffer.h"
#include "platform/SoundMixer.h"

namespace dh {
namespace {

// One output callback (1024 frames at 44100 Hz, about 23 ms) with a number of voices at assorted rates.
void mixCallback(benchmark::State& state)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    std::vector<std::int16_t> pcm(44100);
    for (std::size_t i = 0; i < pcm.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(8000.0 * std::sin(0.05 * static_cast<double>(i)));
    auto sample = SoundBuffer::create(mixer, {1, 22050, 16}, pcm.data(), 2 * pcm.size());
    std::vector<SoundBuffer> voices;
    for (int i = 0; i < state.range(0); ++i) {
        voices.push_back(std::move(*sample->duplicate()));
        voices.back().setFrequency(11025 + 997 * static_cast<std::uint32_t>(i));
        voices.back().setPan(-10000 + 250 * i);
        voices.back().setVolume(-40 * i);
        voices.back().play(true);
    }
    std::vector<std::int16_t> out(2 * 1024);
    for (auto _ : state) {
        mixer->mixInto(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024 * state.range(0));
}
BENCHMARK(mixCallback)->Arg(0)->Arg(1)->Arg(16)->Arg(64);

// Starting an interface sound: one duplicate sharing the sample memory.
void duplicateBuffer(benchmark::State& state)
{
    auto mixer = std::make_shared<SoundMixer>(44100);
    std::vector<std::int16_t> pcm(66150, 1000);
    auto sample = SoundBuffer::create(mixer, {1, 22050, 16}, pcm.data(), 2 * pcm.size());
    for (auto _ : state) {
        auto copy = sample->duplicate();
        copy->play(false);
        benchmark::DoNotOptimize(&*copy);
    }
}
BENCHMARK(duplicateBuffer);

}
}

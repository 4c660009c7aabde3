// The galaxy map asks for about 170 cells a frame at 800 x 600, each
// scanning the 128 remembered systems.
#include "galaxy/Galaxy.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_GetSystemMapScreen(benchmark::State& state)
{
    dh::Galaxy galaxy;
    for (std::uint32_t i = 0; i < dh::kRecentSystems; ++i) {
        dh::StarSystem system;
        system.name = "Remembered";
        system.x = 1000 + i;
        system.y = 1000;
        dh::rememberSystem(galaxy, system);
    }
    dh::StarSystem out;
    for (auto _ : state) {
        for (std::uint32_t row = 0; row < 11; ++row) {
            for (std::uint32_t col = 0; col < 15; ++col) {
                dh::getSystem(galaxy, 23946570 + col, 23624200 + row, out);
                benchmark::DoNotOptimize(out);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 165);
}
BENCHMARK(BM_GetSystemMapScreen);

void BM_PickStartSystem(benchmark::State& state)
{
    const dh::Galaxy galaxy;
    dh::StarSystem out;
    for (auto _ : state) {
        dh::pickStartSystem(galaxy, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_PickStartSystem);

}

#include "flight/ParticleList.h"

#include <benchmark/benchmark.h>

using namespace dh;

namespace {

// A full particle list of long-lived particles updated and re-emitted into
// every frame; the combat frame itself is measured on the game (GameFrameBench).
void BM_FullParticleList(benchmark::State& state)
{
    ParticleList particles;
    ParticleBurst burst;
    burst.lifeHigh = 1e9f;
    burst.lifeLow = 1e9f;
    burst.speedHigh = 100.0f;
    while (particles.count() < ParticleList::kCapacity) {
        particles.emitParticles(burst);
    }
    for (auto _ : state) {
        particles.updateParticles(1.0f / 60.0f);
        particles.emitParticles(burst);
    }
}
BENCHMARK(BM_FullParticleList)->Unit(benchmark::kMicrosecond);

}

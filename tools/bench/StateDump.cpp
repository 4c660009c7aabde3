#include "StateDump.h"

#include "WorstScene.h"

#include "audio/SoundSet.h"
#include "core/Random.h"
#include "flight/GameObject.h"
#include "flight/MovingGameObject.h"
#include "flight/World.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>

namespace bench {

namespace {

void writeVector(std::FILE* out, dh::Vector3 v)
{
    std::fprintf(out, " %a %a %a", static_cast<double>(v.x), static_cast<double>(v.y), static_cast<double>(v.z));
}

void writeObjects(std::FILE* out, const dh::ObjectList& objects)
{
    for (const dh::GameObject* obj : objects.staticObjects()) {
        std::fprintf(out, "s '%s'", obj->name);
        writeVector(out, obj->position);
        std::fprintf(out, " %a\n", static_cast<double>(obj->shield));
    }
    for (const dh::GameObject* obj : objects.movingObjects()) {
        std::fprintf(out, "m '%s'", obj->name);
        writeVector(out, obj->position);
        writeVector(out, static_cast<const dh::MovingGameObject*>(obj)->velocity);
        std::fprintf(out, " %a\n", static_cast<double>(obj->shield));
    }
}

// Particles and mixed samples are many; a hash of their bytes shows any difference.
template <typename T>
std::uint64_t byteHash(std::span<const T> items)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const T& item : items) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &item, sizeof item);
        for (unsigned char b : bytes) {
            hash = (hash ^ b) * 1099511628211ull;
        }
    }
    return hash;
}

// The world sounds with their volume, pan and frequency, then what the whole
// mix, interface sounds included, sounded like.
void writeSounds(std::FILE* out, const dh::SoundSet& sounds)
{
    std::fprintf(out, "sounds %u next-handle %u\n", sounds.count, dh::g_nextSoundHandle);
    for (std::uint32_t i = 0; i < sounds.count; ++i) {
        const dh::SoundSet::Entry& e = sounds.entries[i];
        std::fprintf(out, "sound %u %a %a %a %a %d %d %d %u\n", e.handle, static_cast<double>(e.x),
                     static_cast<double>(e.y), static_cast<double>(e.z), static_cast<double>(e.range),
                     e.looping ? 1 : 0, e.buffer->volume(), e.buffer->pan(), e.buffer->frequency());
    }
    std::fprintf(out, "mix %016llx\n", static_cast<unsigned long long>(byteHash(OfflineSound::lastMix())));
}

}

int dumpWorstSceneState(const char* file, int frames)
{
    std::FILE* out = std::fopen(file, "w");
    if (out == nullptr) {
        std::perror(file);
        return 1;
    }
    WorstScene scene;
    for (int frame = 0; frame < frames; ++frame) {
        scene.simulate();
        const dh::World& world = *scene.game().world;
        std::fprintf(out, "frame %d seed %u particles %u %016llx\n", frame, dh::g_randomSeed, world.particles.count(),
                     static_cast<unsigned long long>(byteHash(world.particles.particles())));
        writeObjects(out, world.objects);
        scene.hear();
        writeSounds(out, world.sounds);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

}

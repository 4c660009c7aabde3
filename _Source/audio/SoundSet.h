#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "audio/SoundSample.h"
#include "core/Matrix3.h"
#include "core/Vector3.h"
#include "platform/SoundBuffer.h"

namespace dh {

// The positional sounds of one world, heard from the camera.
struct SoundSet {
    static constexpr std::uint32_t kCapacity = 512;

    struct Entry {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float range = 0.0f;
        bool looping = false;
        std::optional<SoundBuffer> buffer;
        std::uint32_t handle = 0;
    };

    explicit SoundSet(std::shared_ptr<SoundMixer> device);

    std::shared_ptr<SoundMixer> device;
    std::array<Entry, kCapacity> entries;
    // The negated camera position.
    std::array<float, 3> listenerPosition{0.0f, 0.0f, 0.0f};
    // The transpose of the camera's view rotation.
    std::array<float, 9> listenerRotation{1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    std::uint32_t count = 0;  // entries 0 .. count - 1 are in use
    bool paused = false;
};

// The next world sound's handle; shared by all sets, never 0.
extern std::uint32_t g_nextSoundHandle;

// Starts a sound at a point of the world, audible up to range, with a pitch
// factor from 0 (100 Hz) through 1 (the sample's own rate) to 2 (200000 Hz).
// Returns its handle, or 0 when it could not be started.
std::uint32_t playSoundAt(SoundSet& set, const SoundSample* sample, float x, float y, float z, float range,
                          float pitch, bool looping);
// Handle 0 or an unknown handle does nothing in these three.
void stopSound(SoundSet& set, std::uint32_t handle);
void setSoundPosition(SoundSet& set, std::uint32_t handle, float x, float y, float z);
void setSoundPitch(SoundSet& set, std::uint32_t handle, float pitch);

// Hears the world from a camera: its eye point and its view rotation (world
// to eye directions, as getViewRotation gives it).
void setSoundListener(SoundSet& set, const Vector3& eye, const Matrix3& viewRotation);

void pauseSounds(SoundSet& set);
void resumeSounds(SoundSet& set);
// Once per flight frame after the listener has moved: drops finished sounds
// and recomputes the volume and pan of the others.
void updateSounds(SoundSet& set);
void clearSoundSet(SoundSet& set);

}

#include "audio/SoundSet.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dh {

std::uint32_t g_nextSoundHandle = 1;

namespace {

float clampPitch(float pitch)
{
    return pitch > 2.0f ? 2.0f : (pitch > 0.0f ? pitch : 0.0f);
}

std::uint32_t takeHandle()
{
    const std::uint32_t handle = g_nextSoundHandle;
    g_nextSoundHandle = handle == 0xFFFFFFFFu ? 1 : handle + 1;
    return handle;
}

// Pitch 0 is 100 Hz, 1 the buffer's frequency f, 2 is 200000 Hz, linear between.
void applyPitch(SoundBuffer& buffer, float pitch)
{
    const auto f = static_cast<float>(buffer.frequency());
    const float frequency = pitch < 1.0f ? f * pitch + (1.0f - pitch) * 100.0f
                                         : (1.0f - (pitch - 1.0f)) * f + (pitch - 1.0f) * 200000.0f;
    buffer.setFrequency(static_cast<std::uint32_t>(frequency));
}

// Hundredths of a decibel or of the pan, truncated; a position that is not a
// number makes no sound rather than an undefined level.
std::int32_t toLevel(float value, std::int32_t fallback)
{
    return std::isnan(value) ? fallback : static_cast<std::int32_t>(std::clamp(value, -10000.0f, 10000.0f));
}

void applyVolumeAndPan(const SoundSet& set, SoundSet::Entry& entry)
{
    const std::array<float, 9>& l = set.listenerRotation;
    const float rx = set.listenerPosition[0] + entry.x;
    const float ry = set.listenerPosition[1] + entry.y;
    const float rz = set.listenerPosition[2] + entry.z;
    const float ex = l[0] * rx + l[3] * ry + l[6] * rz;
    const float ey = l[1] * rx + l[4] * ry + l[7] * rz;
    const float ez = l[2] * rx + l[5] * ry + l[8] * rz;
    const float d = std::sqrt(ex * ex + ey * ey + ez * ez);
    const float volume = d < entry.range ? -10000.0f * (d / entry.range) : -10000.0f;
    entry.buffer->setVolume(toLevel(volume, SoundBuffer::kVolumeMin));
    float pan = (d == 0.0f ? 1.0f : ex / d) * 10000.0f;
    if (d < 1000.0f) {
        pan *= d * 0.001f;
    }
    entry.buffer->setPan(toLevel(pan, 0));
}

SoundSet::Entry* findEntry(SoundSet& set, std::uint32_t handle)
{
    if (handle == 0) {
        return nullptr;
    }
    const auto end = set.entries.begin() + set.count;
    const auto found = std::find_if(set.entries.begin(), end,
                                    [handle](const SoundSet::Entry& entry) { return entry.handle == handle; });
    return found == end ? nullptr : &*found;
}

// Releases the entry's buffer and fills its place with the last entry.
void removeEntry(SoundSet& set, SoundSet::Entry& entry)
{
    entry.buffer.reset();
    SoundSet::Entry& last = set.entries[set.count - 1];
    if (&entry != &last) {
        entry = std::move(last);
        last.buffer.reset();
    }
    --set.count;
}

}

SoundSet::SoundSet(std::shared_ptr<SoundMixer> device) : device(std::move(device)) {}

std::uint32_t playSoundAt(SoundSet& set, const SoundSample* sample, float x, float y, float z, float range,
                          float pitch, bool looping)
{
    if (!set.device || !sample || !sample->buffer || set.count == SoundSet::kCapacity) {
        return 0;
    }
    pitch = clampPitch(pitch);
    SoundSet::Entry& entry = set.entries[set.count];
    entry.buffer = sample->buffer->duplicate();
    if (!entry.buffer) {
        return 0;
    }
    entry.x = x;
    entry.y = y;
    entry.z = z;
    entry.range = range;
    entry.looping = looping;
    entry.handle = takeHandle();
    applyPitch(*entry.buffer, pitch);
    applyVolumeAndPan(set, entry);
    if (!set.paused) {
        entry.buffer->play(looping);
    }
    ++set.count;
    return entry.handle;
}

void stopSound(SoundSet& set, std::uint32_t handle)
{
    if (SoundSet::Entry* entry = findEntry(set, handle)) {
        entry->buffer->stop();
        removeEntry(set, *entry);
    }
}

void setSoundPosition(SoundSet& set, std::uint32_t handle, float x, float y, float z)
{
    if (SoundSet::Entry* entry = findEntry(set, handle)) {
        entry->x = x;
        entry->y = y;
        entry->z = z;
    }
}

void setSoundPitch(SoundSet& set, std::uint32_t handle, float pitch)
{
    if (SoundSet::Entry* entry = findEntry(set, handle)) {
        entry->buffer->setFrequency(0);
        applyPitch(*entry->buffer, clampPitch(pitch));
    }
}

void setSoundListener(SoundSet& set, const Vector3& eye, const Matrix3& viewRotation)
{
    set.listenerPosition = {-eye.x, -eye.y, -eye.z};
    const std::array<float, 9>& v = viewRotation.m;
    set.listenerRotation = {v[0], v[3], v[6], v[1], v[4], v[7], v[2], v[5], v[8]};
}

void pauseSounds(SoundSet& set)
{
    for (std::uint32_t i = 0; i < set.count; ++i) {
        set.entries[i].buffer->stop();
    }
    set.paused = true;
}

void resumeSounds(SoundSet& set)
{
    for (std::uint32_t i = 0; i < set.count; ++i) {
        set.entries[i].buffer->play(set.entries[i].looping);
    }
    set.paused = false;
}

void updateSounds(SoundSet& set)
{
    // While paused every sound is stopped but not finished: all of them stay.
    std::uint32_t i = 0;
    while (!set.paused && i < set.count) {
        if (set.entries[i].buffer->isPlaying()) {
            ++i;
        } else {
            removeEntry(set, set.entries[i]);
        }
    }
    for (i = 0; i < set.count; ++i) {
        applyVolumeAndPan(set, set.entries[i]);
    }
}

void clearSoundSet(SoundSet& set)
{
    for (std::uint32_t i = 0; i < set.count; ++i) {
        set.entries[i].buffer->stop();
        set.entries[i].buffer.reset();
    }
    set.count = 0;
}

}

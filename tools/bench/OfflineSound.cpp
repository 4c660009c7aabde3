#include "OfflineSound.h"

#include "audio/SoundEffects.h"

#include <array>
#include <cstdint>

namespace bench {

OfflineSound::OfflineSound()
{
    dh::initOfflineSoundDevice(22050);
    dh::loadSoundList();
}

OfflineSound::~OfflineSound()
{
    dh::releaseSoundList();
    dh::shutdownSoundDevice();
}

namespace {

std::array<std::int16_t, 2 * 368> s_mix{};

}

void OfflineSound::mix()
{
    dh::g_soundDevice->render(s_mix.data(), s_mix.size() / 2);
}

std::span<const std::int16_t> OfflineSound::lastMix()
{
    return s_mix;
}

}

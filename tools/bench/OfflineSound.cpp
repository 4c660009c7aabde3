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

void OfflineSound::mix()
{
    static std::array<std::int16_t, 2 * 368> buffer;
    dh::g_soundDevice->render(buffer.data(), buffer.size() / 2);
}

}

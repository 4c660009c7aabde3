#include "audio/SoundEffects.h"

#include <list>

#include "platform/AudioOutput.h"
#include "platform/PlatformFiles.h"

namespace dh {

std::shared_ptr<SoundMixer> g_soundDevice;
bool g_soundEnabled = true;

namespace sample {
SoundSample* buttonOver = nullptr;
SoundSample* buttonClick = nullptr;
SoundSample* dialogPopup = nullptr;
SoundSample* tradeItemOver = nullptr;
SoundSample* tradeBuySell = nullptr;
SoundSample* systemOver = nullptr;
SoundSample* repair = nullptr;
SoundSample* dock = nullptr;
SoundSample* launch = nullptr;
SoundSample* hyperspace = nullptr;
SoundSample* missileIncoming = nullptr;
SoundSample* explosion = nullptr;
SoundSample* rocketFire = nullptr;
SoundSample* rocketEngine = nullptr;
SoundSample* empFire = nullptr;
SoundSample* empAmbient = nullptr;
SoundSample* laser = nullptr;
SoundSample* laserHit = nullptr;
SoundSample* shipEngine = nullptr;
SoundSample* stationLights = nullptr;
SoundSample* collision1 = nullptr;
SoundSample* collision2 = nullptr;
SoundSample* collisionWarning = nullptr;
}

const std::array<SampleFile, 23> kSampleFiles = {{
    {&sample::buttonOver, "snd//buttonOver.wav"},
    {&sample::buttonClick, "snd//buttonClick.wav"},
    {&sample::dialogPopup, "snd//dialogPopup.wav"},
    {&sample::tradeItemOver, "snd//tradeItemOver.wav"},
    {&sample::tradeBuySell, "snd//tradeBuySell.wav"},
    {&sample::systemOver, "snd//systemOver.wav"},
    {&sample::repair, "snd//repair.wav"},
    {&sample::dock, "snd//dock.wav"},
    {&sample::launch, "snd//launch.wav"},
    {&sample::hyperspace, "snd//hyperspace.wav"},
    {&sample::missileIncoming, "snd//missileIncoming.wav"},
    {&sample::explosion, "snd//explosion.wav"},
    {&sample::rocketFire, "snd//rocketFire.wav"},
    {&sample::rocketEngine, "snd//rocketEngine.wav"},
    {&sample::empFire, "snd//empFire.wav"},
    {&sample::empAmbient, "snd//empAmbient.wav"},
    {&sample::laser, "snd//laser.wav"},
    {&sample::laserHit, "snd//laserHit.wav"},
    {&sample::shipEngine, "snd//shipEngine.wav"},
    {&sample::stationLights, "snd//stationLights.wav"},
    {&sample::collision1, "snd//collision1.wav"},
    {&sample::collision2, "snd//collision2.wav"},
    {&sample::collisionWarning, "snd//collisionWarning.wav"},
}};

namespace {

using PlayingList = std::list<std::unique_ptr<SoundBuffer>>;

std::unique_ptr<PlayingList> g_playingList;
std::array<std::unique_ptr<SoundSample>, 23> g_samples;
bool g_deviceOnOutput = false;

void releaseFinishedSounds()
{
    g_playingList->remove_if([](const std::unique_ptr<SoundBuffer>& buffer) { return !buffer->isPlaying(); });
}

}

void initSoundDevice()
{
    g_playingList = std::make_unique<PlayingList>();
    if (!acquireAudioOutput()) {
        shutdownSoundDevice();
        return;
    }
    g_deviceOnOutput = true;
    g_soundDevice = std::make_shared<SoundMixer>(kAudioOutputRate);
    attachSoundMixer(g_soundDevice.get());
}

void initOfflineSoundDevice(std::uint32_t outputRate)
{
    g_playingList = std::make_unique<PlayingList>();
    g_soundDevice = std::make_shared<SoundMixer>(outputRate);
}

void shutdownSoundDevice()
{
    if (g_playingList) {
        for (const std::unique_ptr<SoundBuffer>& buffer : *g_playingList) {
            buffer->stop();
        }
        g_playingList->clear();
    }
    if (g_deviceOnOutput) {
        attachSoundMixer(nullptr);
        releaseAudioOutput();
        g_deviceOnOutput = false;
    }
    g_soundDevice.reset();
    g_playingList.reset();
}

void loadSoundList()
{
    for (std::size_t i = 0; i < kSampleFiles.size(); ++i) {
        g_samples[i] = loadWav(kSampleFiles[i].fileName);
        *kSampleFiles[i].sample = g_samples[i].get();
    }
}

void releaseSoundList()
{
    for (std::size_t i = 0; i < kSampleFiles.size(); ++i) {
        if (g_samples[i]) {
            g_samples[i]->buffer.reset();
        }
        g_samples[i].reset();
        *kSampleFiles[i].sample = nullptr;
    }
}

SoundSample* findSample(const std::string& fileName)
{
    const std::string wanted = normalizeAssetPath(fileName);
    for (const SampleFile& file : kSampleFiles) {
        if (normalizeAssetPath(file.fileName) == wanted) {
            return *file.sample;
        }
    }
    return nullptr;
}

void playSound(const SoundSample* sample)
{
    if (!g_soundEnabled || !g_soundDevice) {
        return;
    }
    releaseFinishedSounds();
    if (!sample || !sample->buffer) {
        return;
    }
    std::unique_ptr<SoundBuffer> copy = sample->buffer->duplicate();
    if (copy) {
        copy->play(false);
        g_playingList->push_back(std::move(copy));
    }
}

void stopAllSounds()
{
    if (!g_playingList) {
        return;
    }
    for (const std::unique_ptr<SoundBuffer>& buffer : *g_playingList) {
        buffer->stop();
    }
    releaseFinishedSounds();
}

}

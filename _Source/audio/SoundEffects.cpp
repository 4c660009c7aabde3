#include "audio/SoundEffects.h"

#include <iterator>
#include <list>
#include <optional>
#include <utility>

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

using BufferList = std::list<std::optional<SoundBuffer>>;

// The interface sounds started and not yet released, in the order they were
// started; the nodes of released ones are kept empty in spare and reused, so
// that playing a sound does not allocate once the list has grown.
struct PlayingList {
    BufferList playing;
    BufferList spare;
};

std::unique_ptr<PlayingList> g_playingList;
std::array<std::unique_ptr<SoundSample>, 23> g_samples;
bool g_deviceOnOutput = false;

void releaseFinishedSounds()
{
    BufferList& playing = g_playingList->playing;
    for (auto it = playing.begin(); it != playing.end();) {
        const auto next = std::next(it);
        if (!(*it)->isPlaying()) {
            it->reset();
            g_playingList->spare.splice(g_playingList->spare.end(), playing, it);
        }
        it = next;
    }
}

void appendPlaying(SoundBuffer&& buffer)
{
    BufferList& playing = g_playingList->playing;
    BufferList& spare = g_playingList->spare;
    if (spare.empty()) {
        playing.emplace_back(std::move(buffer));
    } else {
        spare.front().emplace(std::move(buffer));
        playing.splice(playing.end(), spare, spare.begin());
    }
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
        for (std::optional<SoundBuffer>& buffer : g_playingList->playing) {
            buffer->stop();
        }
        g_playingList->playing.clear();
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
    std::optional<SoundBuffer> copy = sample->buffer->duplicate();
    if (copy) {
        copy->play(false);
        appendPlaying(std::move(*copy));
    }
}

void stopAllSounds()
{
    if (!g_playingList) {
        return;
    }
    for (std::optional<SoundBuffer>& buffer : g_playingList->playing) {
        buffer->stop();
    }
    releaseFinishedSounds();
}

}

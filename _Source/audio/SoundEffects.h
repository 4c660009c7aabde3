#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "audio/SoundSample.h"
#include "platform/SoundMixer.h"

namespace dh {

// The sound-effect device; null when there is no audio output, and then every
// sound operation does nothing.
extern std::shared_ptr<SoundMixer> g_soundDevice;

// Gates the interface sounds (playSound) only; world sounds play regardless.
extern bool g_soundEnabled;

// Creates the device on the audio output and the playing list.
void initSoundDevice();
// The same without an audio output: the mix is taken with g_soundDevice->render
// (tests and offline rendering).
void initOfflineSoundDevice(std::uint32_t outputRate);
void shutdownSoundDevice();

// The 23 samples, named after their files' stems, loaded in this order; the
// last is the collision warning of the flight assists.
namespace sample {
extern SoundSample* buttonOver;
extern SoundSample* buttonClick;
extern SoundSample* dialogPopup;
extern SoundSample* tradeItemOver;
extern SoundSample* tradeBuySell;
extern SoundSample* systemOver;
extern SoundSample* repair;
extern SoundSample* dock;
extern SoundSample* launch;
extern SoundSample* hyperspace;
extern SoundSample* missileIncoming;
extern SoundSample* explosion;
extern SoundSample* rocketFire;
extern SoundSample* rocketEngine;
extern SoundSample* empFire;
extern SoundSample* empAmbient;
extern SoundSample* laser;
extern SoundSample* laserHit;
extern SoundSample* shipEngine;
extern SoundSample* stationLights;
extern SoundSample* collision1;
extern SoundSample* collision2;
extern SoundSample* collisionWarning;
}

struct SampleFile {
    SoundSample** sample;
    const char* fileName;
};
extern const std::array<SampleFile, 23> kSampleFiles;

void loadSoundList();
void releaseSoundList();
// The sample loaded from fileName ("snd//dock.wav", any separators), or null.
SoundSample* findSample(const std::string& fileName);

// Plays an interface sound once, unpositioned, when sound is enabled.
void playSound(const SoundSample* sample);
// Stops every interface sound and empties the playing list.
void stopAllSounds();

}

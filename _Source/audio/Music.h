#pragma once
#include <string>
#include <vector>

#include "audio/MusicTrack.h"

namespace dh {

// True when the music player is running; every operation below does nothing
// while it is false.
extern bool g_musicReady;
// Switched by the settings menu.
extern bool g_musicEnabled;

void initMusic();
// Lists every "*.mid" file directly in folder (an asset path); the intro
// track lies in a subfolder and is never listed.
void buildPlaylist(const std::string& folder = "mus");
// The playlist in listing order; empty when none was built.
const std::vector<MusicTrack>& playlist();
// Starts one of the tracks played least often so far, at random among them.
void playNextTrack();
// Loads and loops a MIDI file (asset path such as "mus\\intro\\intro.mid").
void playMusicFile(const std::string& path);
void stopMusic();
void shutdownMusic();
// The asset path of the loaded song, empty when none is loaded.
const std::string& currentMusicFile();

}

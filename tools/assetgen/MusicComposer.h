#pragma once
// A small composing kit for the game's music: a song is a run of spans, each
// playing a chord progression for some bars; parts (pads, arpeggios, bass,
// melody, counter-line, drums) are written over spans in the song's key, and
// the result is a General MIDI file with one track per part.
#include "Midi.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dh::audiogen {

constexpr int kTicksPerQuarter = 480;

using Scale = std::array<int, 7>;
constexpr Scale kAeolian = {0, 2, 3, 5, 7, 8, 10};
constexpr Scale kDorian = {0, 2, 3, 5, 7, 9, 10};
constexpr Scale kLydian = {0, 2, 4, 6, 7, 9, 11};
constexpr Scale kIonian = {0, 2, 4, 5, 7, 9, 11};

// A chord on a degree of the song's scale (0 = tonic), held for some beats.
// Suspended chords replace the third by the second (sus 2) or fourth (sus 4).
struct ChordStep {
    int degree;
    int beats;
    int size = 3;
    int sus = 0;
};
using Progression = std::vector<ChordStep>;

// A chord placed in time; tones are scale indices (degree + 7 * octave).
struct PlacedChord {
    std::uint32_t start;
    std::uint32_t end;
    std::vector<int> tones;
};

struct Span {
    std::uint32_t start;
    std::uint32_t end;
    int beatsPerBar;
    std::vector<PlacedChord> chords;
};

struct VoiceSetup {
    const char* name;
    int program;
    int volume;
    int pan;
    int reverb;
    int chorus;
};

enum class ArpStyle { Up, UpDown, Broken, Cascade };
enum class BassStyle { Held, Pulse, Groove, Walk };
enum class DrumStyle { Soft, Groove, Drive, Brush };

class Song {
public:
    Song(const std::string& title, double bpm, int tonicKey, const Scale& scale, std::uint32_t seed);

    // Voices take channels in order, skipping the drum channel.
    int addVoice(const VoiceSetup& setup);
    int addDrums(int volume, int reverb);

    Span play(const Progression& progression, int bars, int beatsPerBar = 4);
    // Shifts every voice's channel volume, so the tracks play equally loud.
    void setLevel(double decibels) { levelDb_ = decibels; }

    void pad(const Span& span, int voice, int low, int velocity);
    // Re-struck chords in a light syncopated rhythm, for pianos and the like.
    void comp(const Span& span, int voice, int low, int velocity);
    void arpeggio(const Span& span, int voice, ArpStyle style, int stepTicks, int low, int velocity);
    void bass(const Span& span, int voice, BassStyle style, int velocity);
    // A melody made of a two-bar motif repeated over the span, varied each
    // time and fitted to the chord under every strong beat.
    void melody(const Span& span, int voice, int low, int velocity, std::uint32_t motifSeed);
    void counterLine(const Span& span, int voice, int low, int velocity);
    void drums(const Span& span, DrumStyle style, int velocity, bool fillAtEnd);
    void crash(std::uint32_t tick, int velocity);
    // Fast repeated strokes (timpani, cymbal) with a velocity ramp.
    void roll(int voice, std::uint32_t start, std::uint32_t end, int key, int fromVelocity, int toVelocity);
    // Expression (CC 11) ramp over a tick range, for swells and fades.
    void swell(int voice, std::uint32_t start, std::uint32_t end, int from, int to);
    void noteAt(int voice, std::uint32_t tick, std::uint32_t length, int key, int velocity);

    std::vector<MidiTrack> finish() const;

private:
    struct Note {
        std::uint32_t tick;
        std::uint32_t length;
        int key;
        int velocity;
    };
    struct Control {
        std::uint32_t tick;
        int controller;
        int value;
    };
    struct Voice {
        VoiceSetup setup;
        int channel;
        std::vector<Note> notes;
        std::vector<Control> controls;
    };

    int keyOf(int tone) const;
    int vary(int velocity, int spread);
    int toneAtOrAbove(int key, int degree) const;
    int snapToChord(int tone, const std::vector<int>& chord) const;
    const PlacedChord& chordAt(const Span& span, std::uint32_t tick) const;
    std::vector<int> voiceChord(const std::vector<int>& chord, int low, const std::vector<int>& previous) const;
    std::vector<int> chordKeys(const std::vector<int>& chord, int low, int high) const;
    int bassRoot(const PlacedChord& chord) const;
    void drumBar(std::uint32_t bar, DrumStyle style, int velocity, bool fill);
    void drumHit(std::uint32_t tick, int key, int velocity);
    std::uint32_t nextRandom();

    std::string title_;
    double bpm_;
    double levelDb_ = 0.0;
    int tonicKey_;
    Scale scale_;
    std::uint32_t random_;
    std::uint32_t now_ = 0;
    std::vector<Voice> voices_;
    int drumVoice_ = -1;
    std::vector<std::pair<std::uint32_t, int>> meters_;
};

} // namespace dh::audiogen

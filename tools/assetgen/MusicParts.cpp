// The moving parts of a song: arpeggios, melodies and drum patterns.
#include "MusicComposer.h"

#include <algorithm>
#include <stdexcept>

namespace dh::audiogen {

namespace {

struct Rhythm {
    int onset;  // in eighths from the start of a two-bar motif
    int length; // in eighths
};

// Motif rhythms over two bars of 4/4 (16 eighths).
const std::vector<std::vector<Rhythm>> kMotifRhythms = {
    {{0, 3}, {3, 1}, {4, 4}, {8, 2}, {10, 2}, {12, 4}},
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 6}, {14, 2}},
    {{0, 4}, {4, 2}, {6, 2}, {8, 3}, {11, 1}, {12, 4}},
    {{0, 6}, {6, 2}, {8, 2}, {10, 2}, {12, 4}},
    {{2, 2}, {4, 2}, {6, 4}, {10, 2}, {12, 4}},
    {{0, 8}, {8, 4}, {12, 4}},
};

// Melodic steps in scale degrees, weighted towards small moves.
constexpr int kSteps[] = {-2, -1, -1, -1, 1, 1, 1, 2, 0, 3, -3, 2};

std::uint32_t stepRandom(std::uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

std::vector<int> makeContour(std::size_t count, std::uint32_t& state)
{
    constexpr int kStarts[] = {2, 4, 0, 7};
    std::vector<int> contour{kStarts[stepRandom(state) % 4]};
    while (contour.size() < count) {
        const int step = kSteps[stepRandom(state) % std::size(kSteps)];
        contour.push_back(std::clamp(contour.back() + step, -2, 9));
    }
    return contour;
}

enum Drum {
    kKick = 36,
    kSideStick = 37,
    kSnare = 38,
    kClosedHat = 42,
    kPedalHat = 44,
    kOpenHat = 46,
    kCrash = 49,
    kShaker = 70,
    kLowTom = 45,
    kMidTom = 47,
    kHighTom = 48,
    kHigherTom = 50,
};

struct DrumLine {
    int key;
    const char* steps; // 16 sixteenths, 'x' = hit
    int gain;          // velocity offset for this instrument
};

std::vector<DrumLine> patternOf(DrumStyle style)
{
    switch (style) {
    case DrumStyle::Soft:
        return {{kKick, "x.......x.......", 0}, {kSideStick, "....x.......x...", -10},
                {kClosedHat, "..x...x...x...x.", -22}, {kShaker, "x.x.x.x.x.x.x.x.", -30}};
    case DrumStyle::Groove:
        return {{kKick, "x.....x...x.....", 0}, {kSnare, "....x.......x...", -4},
                {kClosedHat, "x.x.x.x.x.x.x.x.", -18}, {kOpenHat, "..............x.", -20}};
    case DrumStyle::Drive:
        return {{kKick, "x..x..x...x..x..", 0}, {kSnare, "....x.......x...", 0},
                {kClosedHat, "xxxxxxxxxxxxxxxx", -20}};
    case DrumStyle::Brush:
        return {{kKick, "x.........x.....", -6}, {kSideStick, "....x.......x...", -12},
                {kPedalHat, "..x...x...x...x.", -24}, {kShaker, "xxxxxxxxxxxxxxxx", -32}};
    }
    return {};
}

} // namespace

void Song::arpeggio(const Span& span, int voice, ArpStyle style, int stepTicks, int low, int velocity)
{
    constexpr int kBroken[] = {0, 2, 1, 3, 2, 4, 3, 1};
    const auto step = static_cast<std::uint32_t>(stepTicks);
    for (const PlacedChord& chord : span.chords) {
        const std::vector<int> keys = chordKeys(chord.tones, low, low + 24);
        const int n = static_cast<int>(keys.size());
        int i = 0;
        for (std::uint32_t t = chord.start; t < chord.end; t += step, ++i) {
            int index = 0;
            switch (style) {
            case ArpStyle::Up:
                index = i % n;
                break;
            case ArpStyle::UpDown: {
                const int p = i % (2 * n - 2);
                index = p < n ? p : 2 * n - 2 - p;
                break;
            }
            case ArpStyle::Broken:
                index = kBroken[i % 8] % n;
                break;
            case ArpStyle::Cascade:
                index = n - 1 - i % n;
                break;
            }
            const bool onBeat = (t - span.start) % kTicksPerQuarter == 0;
            // Notes ring on for a step but stop at the chord change.
            const std::uint32_t length = std::min(2 * step, chord.end - t);
            noteAt(voice, t, length, keys[static_cast<std::size_t>(index)], vary(onBeat ? velocity + 8 : velocity, 5));
        }
    }
}

void Song::melody(const Span& span, int voice, int low, int velocity, std::uint32_t motifSeed)
{
    if (span.beatsPerBar != 4)
        throw std::runtime_error("melodies are written in 4/4");
    std::uint32_t state = motifSeed ? motifSeed : 1u;
    const std::vector<Rhythm>& rhythm = kMotifRhythms[stepRandom(state) % kMotifRhythms.size()];
    const std::vector<int> motif = makeContour(rhythm.size(), state);
    std::vector<int> answer = motif;
    // The answer keeps the motif's opening and comes home to the root.
    answer[answer.size() - 2] = answer[answer.size() - 3] + kSteps[stepRandom(state) % std::size(kSteps)];
    answer.back() = stepRandom(state) % 2 ? 0 : 7;

    const std::uint32_t eighth = kTicksPerQuarter / 2;
    int window = 0;
    for (std::uint32_t w = span.start; w < span.end; w += 16 * eighth, ++window) {
        const std::vector<int>& contour = window % 2 ? answer : motif;
        const int base = toneAtOrAbove(low, chordAt(span, w).tones.front());
        // Every fourth phrase breathes: its last note is dropped.
        const std::size_t count = window % 4 == 3 ? rhythm.size() - 1 : rhythm.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t t = w + static_cast<std::uint32_t>(rhythm[i].onset) * eighth;
            if (t >= span.end)
                break;
            const bool strong = rhythm[i].onset % 4 == 0;
            int tone = base + contour[i];
            if (strong)
                tone = snapToChord(tone, chordAt(span, t).tones);
            while (keyOf(tone) > low + 19)
                tone -= 7;
            while (keyOf(tone) < low)
                tone += 7;
            const std::uint32_t length = static_cast<std::uint32_t>(rhythm[i].length) * eighth - 30;
            noteAt(voice, t, std::min(length, span.end - t), keyOf(tone), vary(strong ? velocity + 6 : velocity, 5));
        }
    }
}

void Song::drums(const Span& span, DrumStyle style, int velocity, bool fillAtEnd)
{
    if (span.beatsPerBar != 4)
        throw std::runtime_error("drum patterns are written in 4/4");
    const std::uint32_t bar = 4 * kTicksPerQuarter;
    for (std::uint32_t b = span.start; b < span.end; b += bar)
        drumBar(b, style, velocity, fillAtEnd && b + bar >= span.end);
}

void Song::drumBar(std::uint32_t bar, DrumStyle style, int velocity, bool fill)
{
    const std::uint32_t sixteenth = kTicksPerQuarter / 4;
    for (const DrumLine& line : patternOf(style)) {
        for (int s = 0; s < 16; ++s) {
            if (line.steps[s] != 'x' || (fill && s >= 8 && line.key != kKick))
                continue;
            const int accent = s % 4 == 0 ? 8 : (s % 2 ? -10 : 0);
            drumHit(bar + static_cast<std::uint32_t>(s) * sixteenth, line.key, vary(velocity + line.gain + accent, 4));
        }
    }
    if (fill) {
        constexpr int kToms[] = {kHigherTom, kHigherTom, kHighTom, kHighTom, kMidTom, kMidTom, kLowTom, kLowTom};
        for (int s = 8; s < 16; ++s)
            drumHit(bar + static_cast<std::uint32_t>(s) * sixteenth, kToms[s - 8], vary(velocity - 16 + 2 * (s - 8), 3));
    }
}

void Song::drumHit(std::uint32_t tick, int key, int velocity)
{
    if (drumVoice_ < 0)
        throw std::runtime_error("a drum part needs addDrums first");
    noteAt(drumVoice_, tick, kTicksPerQuarter / 4, key, velocity);
}

void Song::crash(std::uint32_t tick, int velocity)
{
    drumHit(tick, kCrash, velocity);
}

} // namespace dh::audiogen

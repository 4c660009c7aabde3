#include "MusicComposer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

namespace dh::audiogen {

namespace {

constexpr int kDrumChannel = 9;

// General MIDI controllers.
constexpr int kBankSelect = 0;
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kExpression = 11;
constexpr int kReverb = 91;
constexpr int kChorus = 93;
constexpr int kResetControllers = 121;

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

Song::Song(const std::string& title, double bpm, int tonicKey, const Scale& scale, std::uint32_t seed)
    : title_(title), bpm_(bpm), tonicKey_(tonicKey), scale_(scale), random_(seed ? seed : 1u)
{
}

std::uint32_t Song::nextRandom()
{
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    return random_;
}

int Song::vary(int velocity, int spread)
{
    const int offset = static_cast<int>(nextRandom() % static_cast<std::uint32_t>(2 * spread + 1)) - spread;
    return std::clamp(velocity + offset, 1, 127);
}

int Song::addVoice(const VoiceSetup& setup)
{
    int channel = 0;
    for (const Voice& v : voices_)
        channel = std::max(channel, v.channel + 1);
    if (channel == kDrumChannel)
        ++channel;
    if (channel > 15)
        throw std::runtime_error("a song has more voices than MIDI channels");
    voices_.push_back({setup, channel, {}, {}});
    return static_cast<int>(voices_.size()) - 1;
}

int Song::addDrums(int volume, int reverb)
{
    voices_.push_back({{"Drums", 0, volume, 64, reverb, 0}, kDrumChannel, {}, {}});
    drumVoice_ = static_cast<int>(voices_.size()) - 1;
    return drumVoice_;
}

int Song::keyOf(int tone) const
{
    const int octave = floorDiv(tone, 7);
    return tonicKey_ + 12 * octave + scale_[static_cast<std::size_t>(tone - 7 * octave)];
}

int Song::toneAtOrAbove(int key, int degree) const
{
    int tone = degree + 7 * floorDiv(key - tonicKey_, 12) - 14;
    while (keyOf(tone) < key)
        tone += 7;
    return tone;
}

Span Song::play(const Progression& progression, int bars, int beatsPerBar)
{
    if (meters_.empty() || meters_.back().second != beatsPerBar)
        meters_.emplace_back(now_, beatsPerBar);
    Span span{now_, now_ + static_cast<std::uint32_t>(bars * beatsPerBar) * kTicksPerQuarter, beatsPerBar, {}};
    std::uint32_t tick = span.start;
    for (std::size_t i = 0; tick < span.end; i = (i + 1) % progression.size()) {
        const ChordStep& step = progression[i];
        std::vector<int> tones{step.degree, step.degree + 2, step.degree + 4};
        if (step.sus != 0)
            tones[1] = step.degree + step.sus - 1;
        if (step.size > 3)
            tones.push_back(step.degree + 6);
        const std::uint32_t end = std::min(span.end, tick + static_cast<std::uint32_t>(step.beats) * kTicksPerQuarter);
        span.chords.push_back({tick, end, tones});
        tick = end;
    }
    now_ = span.end;
    return span;
}

const PlacedChord& Song::chordAt(const Span& span, std::uint32_t tick) const
{
    for (const PlacedChord& chord : span.chords) {
        if (tick < chord.end)
            return chord;
    }
    return span.chords.back();
}

std::vector<int> Song::chordKeys(const std::vector<int>& chord, int low, int high) const
{
    std::vector<int> keys;
    for (int degree : chord) {
        for (int tone = toneAtOrAbove(low, degree); keyOf(tone) < high; tone += 7)
            keys.push_back(keyOf(tone));
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

int Song::snapToChord(int tone, const std::vector<int>& chord) const
{
    int best = tone;
    int bestDistance = std::numeric_limits<int>::max();
    for (int degree : chord) {
        for (int candidate = tone - 7; candidate <= tone + 7; ++candidate) {
            if (floorDiv(candidate - degree, 7) * 7 != candidate - degree)
                continue;
            const int distance = std::abs(keyOf(candidate) - keyOf(tone));
            if (distance < bestDistance) {
                bestDistance = distance;
                best = candidate;
            }
        }
    }
    return best;
}

int Song::bassRoot(const PlacedChord& chord) const
{
    return keyOf(toneAtOrAbove(33, chord.tones.front()));
}

void Song::noteAt(int voice, std::uint32_t tick, std::uint32_t length, int key, int velocity)
{
    voices_.at(static_cast<std::size_t>(voice)).notes.push_back({tick, length, key, velocity});
}

std::vector<int> Song::voiceChord(const std::vector<int>& chord, int low, const std::vector<int>& previous) const
{
    // The voicing within an octave and a half above low that moves the
    // fewest semitones from the one before; wide voicings thin out and
    // semitones rub, so both cost extra.
    const std::size_t n = chord.size();
    std::vector<std::vector<int>> perTone(n);
    for (int key : chordKeys(chord, low, low + 19)) {
        for (std::size_t t = 0; t < n; ++t) {
            if (keyOf(toneAtOrAbove(key, chord[t])) == key)
                perTone[t].push_back(key);
        }
    }
    std::vector<int> best;
    int bestCost = std::numeric_limits<int>::max();
    // Try every way of choosing one key per chord tone.
    std::vector<std::size_t> pick(n, 0);
    while (true) {
        std::vector<int> voicing;
        for (std::size_t t = 0; t < n; ++t)
            voicing.push_back(perTone[t][pick[t]]);
        std::sort(voicing.begin(), voicing.end());
        int cost = 2 * std::max(0, voicing.back() - voicing.front() - 14);
        for (std::size_t t = 1; t < n; ++t)
            cost += voicing[t] - voicing[t - 1] == 1 ? 24 : 0;
        for (int key : voicing) {
            int move = std::abs(key - (low + 7));
            if (!previous.empty()) {
                move = std::numeric_limits<int>::max();
                for (int before : previous)
                    move = std::min(move, std::abs(key - before));
            }
            cost += move;
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = voicing;
        }
        std::size_t t = 0;
        while (t < n && ++pick[t] == perTone[t].size())
            pick[t++] = 0;
        if (t == n)
            return best;
    }
}

void Song::pad(const Span& span, int voice, int low, int velocity)
{
    // Common tones are held over into the next chord rather than struck again.
    std::vector<int> previous;
    std::vector<std::size_t> sounding;
    Voice& v = voices_.at(static_cast<std::size_t>(voice));
    for (const PlacedChord& chord : span.chords) {
        const std::vector<int> voicing = voiceChord(chord.tones, low, previous);
        std::vector<std::size_t> next;
        for (int key : voicing) {
            auto held = std::find_if(sounding.begin(), sounding.end(),
                                     [&](std::size_t i) { return v.notes[i].key == key; });
            if (held != sounding.end()) {
                v.notes[*held].length = chord.end - v.notes[*held].tick;
                next.push_back(*held);
            } else {
                v.notes.push_back({chord.start, chord.end - chord.start, key, vary(velocity, 4)});
                next.push_back(v.notes.size() - 1);
            }
        }
        sounding = next;
        previous = voicing;
    }
}

void Song::comp(const Span& span, int voice, int low, int velocity)
{
    // Chords struck on one, the "and" of two and four, each held to the next.
    constexpr std::uint32_t kHits[] = {0, 3, 6};
    const std::uint32_t eighth = kTicksPerQuarter / 2;
    const std::uint32_t barLength = eighth * 2 * static_cast<std::uint32_t>(span.beatsPerBar);
    std::vector<int> previous;
    for (const PlacedChord& chord : span.chords) {
        const std::vector<int> voicing = voiceChord(chord.tones, low, previous);
        for (std::uint32_t bar = chord.start; bar < chord.end; bar += barLength) {
            for (std::size_t h = 0; h < std::size(kHits); ++h) {
                const std::uint32_t t = bar + kHits[h] * eighth;
                const std::uint32_t until = h + 1 < std::size(kHits) ? bar + kHits[h + 1] * eighth : bar + barLength;
                if (t >= chord.end)
                    break;
                for (int key : voicing)
                    noteAt(voice, t, std::min(until, chord.end) - t - 20, key, vary(h == 0 ? velocity + 6 : velocity, 4));
            }
        }
        previous = voicing;
    }
}

void Song::bass(const Span& span, int voice, BassStyle style, int velocity)
{
    const std::uint32_t beat = kTicksPerQuarter;
    const std::uint32_t eighth = beat / 2;
    for (std::size_t c = 0; c < span.chords.size(); ++c) {
        const PlacedChord& chord = span.chords[c];
        const int root = bassRoot(chord);
        const int fifth = keyOf(toneAtOrAbove(root, chord.tones[2]));
        const PlacedChord& next = span.chords[(c + 1) % span.chords.size()];
        const int nextRoot = bassRoot(next);
        const int approach = nextRoot + (nextRoot > root ? -1 : 2);
        for (std::uint32_t bar = chord.start; bar < chord.end; bar += beat * static_cast<std::uint32_t>(span.beatsPerBar)) {
            const std::uint32_t barEnd = std::min(chord.end, bar + beat * static_cast<std::uint32_t>(span.beatsPerBar));
            const bool lastBar = barEnd == chord.end;
            switch (style) {
            case BassStyle::Held:
                noteAt(voice, bar, barEnd - bar - eighth / 4, root, vary(velocity, 4));
                break;
            case BassStyle::Pulse:
                for (std::uint32_t t = bar; t < barEnd; t += eighth) {
                    const bool onBeat = (t - bar) % beat == 0;
                    const bool octave = t + eighth == barEnd && lastBar;
                    noteAt(voice, t, eighth - 30, octave ? root + 12 : root, vary(onBeat ? velocity : velocity - 14, 5));
                }
                break;
            case BassStyle::Groove: {
                const std::uint32_t offsets[] = {0, 3, 4, 6, 7};
                const std::uint32_t lengths[] = {3, 1, 2, 1, 1};
                const int keys[] = {root, root, fifth, root + 12, lastBar ? approach : fifth};
                for (int i = 0; i < 5; ++i) {
                    const std::uint32_t t = bar + offsets[i] * eighth;
                    if (t < barEnd)
                        noteAt(voice, t, lengths[i] * eighth - 40, keys[i], vary(i == 0 ? velocity : velocity - 10, 5));
                }
                break;
            }
            case BassStyle::Walk: {
                const int third = keyOf(toneAtOrAbove(root, chord.tones[1]));
                const int keys[] = {root, third, fifth, lastBar ? approach : root + 12};
                for (int i = 0; i < 4 && bar + static_cast<std::uint32_t>(i) * beat < barEnd; ++i)
                    noteAt(voice, bar + static_cast<std::uint32_t>(i) * beat, beat - 40, keys[i], vary(velocity - (i % 2) * 8, 5));
                break;
            }
            }
        }
    }
}

void Song::counterLine(const Span& span, int voice, int low, int velocity)
{
    int previous = low + 6;
    for (const PlacedChord& chord : span.chords) {
        // The third or the seventh colours a chord most; move to the nearer.
        std::vector<int> colour{chord.tones[1]};
        if (chord.tones.size() > 3)
            colour.push_back(chord.tones[3]);
        int best = previous;
        int bestDistance = std::numeric_limits<int>::max();
        for (int key : chordKeys(colour, low, low + 13)) {
            if (std::abs(key - previous) < bestDistance) {
                bestDistance = std::abs(key - previous);
                best = key;
            }
        }
        noteAt(voice, chord.start, chord.end - chord.start, best, vary(velocity, 5));
        previous = best;
    }
}

void Song::swell(int voice, std::uint32_t start, std::uint32_t end, int from, int to)
{
    Voice& v = voices_.at(static_cast<std::size_t>(voice));
    const std::uint32_t step = kTicksPerQuarter / 8;
    for (std::uint32_t t = start; t <= end; t += step) {
        const double x = end > start ? static_cast<double>(t - start) / (end - start) : 1.0;
        v.controls.push_back({t, kExpression, static_cast<int>(std::lround(from + (to - from) * x))});
    }
}

void Song::roll(int voice, std::uint32_t start, std::uint32_t end, int key, int fromVelocity, int toVelocity)
{
    const std::uint32_t stroke = kTicksPerQuarter / 8;
    for (std::uint32_t t = start; t < end; t += stroke) {
        const double x = static_cast<double>(t - start) / (end - start);
        noteAt(voice, t, stroke, key, vary(static_cast<int>(std::lround(fromVelocity + (toVelocity - fromVelocity) * x)), 3));
    }
}

std::vector<MidiTrack> Song::finish() const
{
    std::vector<MidiTrack> tracks;
    MidiTrack conductor(title_);
    conductor.tempo(0, bpm_);
    for (const auto& [tick, beats] : meters_)
        conductor.timeSignature(tick, beats, 4);
    conductor.endAt(now_);
    tracks.push_back(conductor);

    for (const Voice& v : voices_) {
        MidiTrack track(v.setup.name);
        const int ch = v.channel;
        track.control(0, ch, kResetControllers, 0);
        track.control(0, ch, kBankSelect, 0);
        if (ch != kDrumChannel)
            track.program(0, ch, v.setup.program);
        // Channel volume acts on amplitude as its square: 40 dB per decade.
        const double volume = v.setup.volume * std::pow(10.0, levelDb_ / 40.0);
        track.control(0, ch, kVolume, std::min(127, static_cast<int>(std::lround(volume))));
        track.control(0, ch, kPan, v.setup.pan);
        track.control(0, ch, kReverb, v.setup.reverb);
        track.control(0, ch, kChorus, v.setup.chorus);
        track.control(0, ch, kExpression, 127);
        for (const Control& c : v.controls)
            track.control(std::min(c.tick, now_), ch, c.controller, c.value);

        // A note must end before the same key sounds again, and every note
        // ends by the song's end so the loop starts clean.
        std::vector<Note> notes = v.notes;
        std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
            return a.key != b.key ? a.key < b.key : a.tick < b.tick;
        });
        for (std::size_t i = 0; i < notes.size(); ++i) {
            Note n = notes[i];
            if (i + 1 < notes.size() && notes[i + 1].key == n.key)
                n.length = std::min(n.length, notes[i + 1].tick - n.tick);
            if (n.tick < now_)
                n.length = std::min(n.length, now_ - n.tick);
            else
                n.length = 0;
            track.note(n.tick, n.length, ch, n.key, n.velocity);
        }
        track.endAt(now_);
        tracks.push_back(track);
    }
    return tracks;
}

} // namespace dh::audiogen

// The intro's track, timed to its pictures at 72 beats a minute: one bar of
// six beats (5 s) for the title card, a brass call rising with the title and
// dying away with it, then eighteen bars of four (60 s) under the text crawl,
// building to a last D minor chord that fades as the crawl ends.
#include "MusicTracks.h"

namespace dh::audiogen {

namespace {

enum Program {
    kContrabass = 43,
    kHarp = 46,
    kTimpani = 47,
    kStrings = 48,
    kChoir = 52,
    kFrenchHorn = 60,
    kBrass = 61,
};

constexpr int kRide = 51;
constexpr std::uint32_t kBeat = kTicksPerQuarter;

struct IntroVoices {
    int strings;
    int brass;
    int horn;
    int harp;
    int choir;
    int bass;
    int timpani;
    int drums;
};

void titleCard(Song& song, const IntroVoices& v)
{
    const Span s = song.play({{0, 6}}, 1, 6);
    song.pad(s, v.strings, 50, 76);
    song.swell(v.strings, 0, 3 * kBeat, 40, 124);
    song.swell(v.strings, 3 * kBeat, 6 * kBeat, 124, 96);
    for (int key : {38, 50, 57})
        song.noteAt(v.brass, 0, 6 * kBeat - 60, key, 84);
    song.swell(v.brass, 0, 2 * kBeat, 50, 127);
    song.swell(v.brass, 3 * kBeat, 6 * kBeat, 127, 70);

    // The call: up to the high D as the title reaches full size, then down.
    struct Call {
        std::uint32_t at, length;
        int key;
    };
    constexpr Call kCall[] = {{0, 440, 62},    {480, 220, 69},  {720, 220, 72}, {960, 900, 74},
                              {1920, 220, 76}, {2160, 220, 74}, {2400, 460, 69}};
    for (const Call& c : kCall)
        song.noteAt(v.horn, c.at, c.length, c.key, 96);

    song.roll(v.timpani, 0, 2 * kBeat, 38, 30, 100);
    song.noteAt(v.timpani, 2 * kBeat, kBeat, 38, 118);
    song.noteAt(v.timpani, 5 * kBeat, kBeat, 33, 80);
    song.roll(v.drums, 0, 2 * kBeat, kRide, 16, 70);
    song.crash(2 * kBeat, 100);
}

void crawl(Song& song, const IntroVoices& v)
{
    const Progression p1 = {{0, 4}, {5, 4}, {2, 4}, {6, 4}};
    const Progression p2 = {{0, 4}, {5, 4}, {3, 4}, {4, 4, 3, 4}};
    const Progression p3 = {{5, 4}, {2, 4}, {6, 4}, {0, 4}};
    const Progression p4 = {{3, 4}, {5, 4}, {6, 4}, {4, 4, 3, 4}};

    Span s = song.play(p1, 4);
    song.pad(s, v.strings, 50, 62);
    song.arpeggio(s, v.harp, ArpStyle::UpDown, 240, 62, 58);
    song.bass(s, v.bass, BassStyle::Held, 70);

    s = song.play(p2, 4);
    song.pad(s, v.strings, 50, 64);
    song.arpeggio(s, v.harp, ArpStyle::UpDown, 240, 62, 58);
    song.bass(s, v.bass, BassStyle::Held, 74);
    song.melody(s, v.horn, 62, 80, 0x1A7u);
    song.counterLine(s, v.choir, 62, 54);

    s = song.play(p3, 4);
    song.crash(s.start, 80);
    song.pad(s, v.strings, 50, 70);
    song.pad(s, v.brass, 50, 48);
    song.arpeggio(s, v.harp, ArpStyle::Broken, 240, 62, 60);
    song.bass(s, v.bass, BassStyle::Held, 78);
    song.melody(s, v.horn, 62, 84, 0x2C3u);
    song.counterLine(s, v.choir, 62, 60);
    constexpr int kTimpaniRoots[] = {34, 41, 36, 38};
    for (std::size_t i = 0; i < s.chords.size(); ++i)
        song.noteAt(v.timpani, s.chords[i].start, kBeat, kTimpaniRoots[i], 90);

    s = song.play(p4, 4);
    song.pad(s, v.strings, 50, 74);
    song.pad(s, v.brass, 50, 56);
    song.arpeggio(s, v.harp, ArpStyle::Broken, 240, 62, 62);
    song.bass(s, v.bass, BassStyle::Held, 80);
    song.melody(s, v.horn, 62, 88, 0x1A7u);
    song.counterLine(s, v.choir, 62, 64);
    song.roll(v.timpani, s.end - 2 * kBeat, s.end, 33, 40, 110);

    // The last chord: everything on D minor, dying away into the fade.
    s = song.play({{0, 8}}, 2);
    song.crash(s.start, 104);
    song.noteAt(v.timpani, s.start, 2 * kBeat, 38, 120);
    song.pad(s, v.strings, 50, 84);
    song.pad(s, v.brass, 50, 70);
    song.pad(s, v.choir, 57, 64);
    song.bass(s, v.bass, BassStyle::Held, 84);
    song.noteAt(v.horn, s.start, 8 * kBeat - 120, 74, 92);
    PlacedChord firstBar = s.chords.front();
    firstBar.end = s.start + 4 * kBeat;
    song.arpeggio({s.start, firstBar.end, 4, {firstBar}}, v.harp, ArpStyle::Up, 240, 62, 58);
    for (int voice : {v.strings, v.brass, v.choir, v.bass, v.horn})
        song.swell(voice, s.start + kBeat, s.end, 127, 44);
}

} // namespace

Song composeIntro()
{
    Song song("Drift Hauler", 72.0, 50, kAeolian, 0x1D7Bu);
    song.setLevel(-2.5);
    IntroVoices v{};
    v.strings = song.addVoice({"Strings", kStrings, 100, 64, 100, 20});
    v.brass = song.addVoice({"Brass", kBrass, 88, 52, 90, 0});
    v.horn = song.addVoice({"French horn", kFrenchHorn, 96, 72, 90, 0});
    v.harp = song.addVoice({"Harp", kHarp, 80, 36, 90, 0});
    v.choir = song.addVoice({"Choir", kChoir, 72, 92, 110, 20});
    v.bass = song.addVoice({"Contrabass", kContrabass, 92, 64, 70, 0});
    v.timpani = song.addVoice({"Timpani", kTimpani, 100, 60, 80, 0});
    v.drums = song.addDrums(86, 80);
    titleCard(song, v);
    crawl(song, v);
    return song;
}

} // namespace dh::audiogen

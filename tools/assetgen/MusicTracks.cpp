// The background tracks. Each opens and closes with the same sparse texture
// and ends on a chord that leads back into its first, so the loop is heard
// as one more turn of the piece.
#include "MusicTracks.h"

namespace dh::audiogen {

namespace {

// General MIDI programs (numbered from 0).
enum Program {
    kElectricPiano = 4,
    kCelesta = 8,
    kMusicBox = 10,
    kVibraphone = 11,
    kMarimba = 12,
    kFingerBass = 33,
    kFretlessBass = 35,
    kSynthBass = 38,
    kContrabass = 43,
    kHarp = 46,
    kStrings = 48,
    kSlowStrings = 49,
    kChoir = 52,
    kFrenchHorn = 60,
    kFlute = 73,
    kPanFlute = 75,
    kSquareLead = 80,
    kSawLead = 81,
    kWarmPad = 89,
    kPolySynth = 90,
    kBowedPad = 92,
    kHaloPad = 94,
    kSweepPad = 95,
};

} // namespace

Song composeLongHaul()
{
    // D dorian, unhurried: the song of a long cruise between stations.
    Song song("Long Haul", 84.0, 50, kDorian, 0x10A6u);
    song.setLevel(0.5);
    const int pad = song.addVoice({"Warm pad", kWarmPad, 82, 64, 90, 40});
    const int keys = song.addVoice({"Electric piano", kElectricPiano, 68, 44, 70, 30});
    const int bass = song.addVoice({"Fretless bass", kFretlessBass, 96, 64, 30, 0});
    const int flute = song.addVoice({"Flute", kFlute, 84, 76, 80, 10});
    const int strings = song.addVoice({"Strings", kSlowStrings, 70, 88, 90, 20});
    song.addDrums(78, 40);
    const Progression a = {{0, 8, 4}, {3, 8}, {2, 8}, {6, 8}};
    const Progression b = {{4, 4, 4}, {2, 4}, {3, 4}, {0, 4, 4}};

    Span s = song.play(a, 8);
    song.pad(s, pad, 55, 62);
    song.arpeggio(s, keys, ArpStyle::UpDown, 240, 60, 52);

    s = song.play(a, 8);
    song.pad(s, pad, 55, 66);
    song.arpeggio(s, keys, ArpStyle::UpDown, 240, 60, 56);
    song.bass(s, bass, BassStyle::Held, 80);
    song.counterLine(s, strings, 62, 58);

    s = song.play(a, 8);
    song.pad(s, pad, 55, 62);
    song.arpeggio(s, keys, ArpStyle::Broken, 240, 60, 52);
    song.bass(s, bass, BassStyle::Groove, 84);
    song.melody(s, flute, 72, 78, 0x51u);
    song.drums(s, DrumStyle::Soft, 70, false);

    s = song.play(b, 8);
    song.pad(s, pad, 55, 64);
    song.arpeggio(s, keys, ArpStyle::Broken, 240, 60, 54);
    song.bass(s, bass, BassStyle::Groove, 86);
    song.melody(s, flute, 72, 80, 0x77u);
    song.drums(s, DrumStyle::Soft, 74, true);

    s = song.play(a, 8);
    song.crash(s.start, 70);
    song.pad(s, pad, 55, 66);
    song.arpeggio(s, keys, ArpStyle::UpDown, 240, 60, 56);
    song.bass(s, bass, BassStyle::Groove, 88);
    song.melody(s, flute, 72, 84, 0x51u);
    song.counterLine(s, strings, 62, 56);
    song.drums(s, DrumStyle::Groove, 76, true);

    s = song.play(b, 8);
    song.pad(s, pad, 55, 60);
    song.arpeggio(s, keys, ArpStyle::Up, 240, 60, 50);
    song.bass(s, bass, BassStyle::Held, 78);
    song.counterLine(s, strings, 62, 64);

    s = song.play(a, 8);
    song.crash(s.start, 74);
    song.pad(s, pad, 55, 66);
    song.arpeggio(s, keys, ArpStyle::Broken, 240, 60, 56);
    song.bass(s, bass, BassStyle::Groove, 88);
    song.melody(s, flute, 72, 84, 0x77u);
    song.drums(s, DrumStyle::Groove, 78, false);

    s = song.play(a, 8);
    song.pad(s, pad, 55, 62);
    song.arpeggio(s, keys, ArpStyle::UpDown, 240, 60, 52);
    song.bass(s, bass, BassStyle::Held, 76);
    song.counterLine(s, strings, 62, 54);
    return song;
}

Song composeNebula()
{
    // A minor, slow and wide: drifting past clouds of gas.
    Song song("Nebula", 66.0, 57, kAeolian, 0x4EB7u);
    song.setLevel(2.0);
    const int pad = song.addVoice({"Halo pad", kHaloPad, 86, 64, 110, 50});
    const int harp = song.addVoice({"Harp", kHarp, 76, 40, 90, 10});
    const int bass = song.addVoice({"Contrabass", kContrabass, 82, 64, 60, 0});
    const int choir = song.addVoice({"Choir", kChoir, 64, 84, 110, 30});
    const int horn = song.addVoice({"French horn", kFrenchHorn, 80, 70, 90, 0});
    const int celesta = song.addVoice({"Celesta", kCelesta, 62, 96, 100, 20});
    const Progression a = {{0, 8, 4}, {5, 8}, {2, 8}, {6, 8}};
    const Progression b = {{3, 8, 4}, {5, 8}, {4, 4, 4}, {4, 4, 3, 4}};

    Span s = song.play(a, 8);
    song.pad(s, pad, 55, 60);
    song.arpeggio(s, harp, ArpStyle::UpDown, 240, 57, 56);

    s = song.play(a, 8);
    song.pad(s, pad, 55, 64);
    song.arpeggio(s, harp, ArpStyle::UpDown, 240, 57, 58);
    song.bass(s, bass, BassStyle::Held, 72);
    song.counterLine(s, choir, 64, 60);

    s = song.play(b, 8);
    song.pad(s, pad, 55, 64);
    song.arpeggio(s, harp, ArpStyle::Cascade, 240, 57, 56);
    song.bass(s, bass, BassStyle::Held, 74);
    song.melody(s, horn, 60, 76, 0xA11u);

    s = song.play(a, 8);
    song.pad(s, pad, 55, 66);
    song.arpeggio(s, harp, ArpStyle::UpDown, 240, 57, 58);
    song.arpeggio(s, celesta, ArpStyle::Up, 480, 76, 50);
    song.bass(s, bass, BassStyle::Held, 74);
    song.melody(s, horn, 60, 80, 0x3C7u);

    s = song.play(b, 8);
    song.pad(s, pad, 55, 62);
    song.arpeggio(s, harp, ArpStyle::Cascade, 240, 57, 56);
    song.bass(s, bass, BassStyle::Held, 70);
    song.counterLine(s, choir, 64, 66);

    s = song.play(a, 4);
    song.pad(s, pad, 55, 58);
    song.arpeggio(s, harp, ArpStyle::UpDown, 240, 57, 54);
    return song;
}

Song composeFrontierRun()
{
    // E minor, driving: lawless systems and pirates on the scanner.
    Song song("Frontier Run", 118.0, 52, kAeolian, 0xF407u);
    song.setLevel(-2.5);
    const int pad = song.addVoice({"Poly synth", kPolySynth, 74, 64, 70, 50});
    const int arp = song.addVoice({"Square arpeggio", kSquareLead, 52, 40, 60, 30});
    const int bass = song.addVoice({"Synth bass", kSynthBass, 100, 64, 20, 0});
    const int lead = song.addVoice({"Saw lead", kSawLead, 78, 76, 70, 40});
    const int strings = song.addVoice({"Strings", kStrings, 76, 92, 80, 10});
    song.addDrums(100, 30);
    const Progression a = {{0, 4}, {5, 4}, {2, 4}, {6, 4}};
    const Progression b = {{3, 8, 4}, {5, 8}, {6, 8}, {4, 8, 3, 4}};

    Span s = song.play(a, 8);
    song.pad(s, pad, 52, 60);
    song.arpeggio(s, arp, ArpStyle::Up, 120, 64, 56);
    song.bass(s, bass, BassStyle::Pulse, 84);

    s = song.play(a, 8);
    song.pad(s, pad, 52, 62);
    song.arpeggio(s, arp, ArpStyle::Up, 120, 64, 58);
    song.bass(s, bass, BassStyle::Pulse, 90);
    song.drums(s, DrumStyle::Groove, 84, true);

    const std::uint32_t motifs[] = {0xF1u, 0x2E9u};
    for (int round = 0; round < 2; ++round) {
        s = song.play(a, 8);
        song.crash(s.start, 90);
        song.pad(s, pad, 52, 64);
        song.arpeggio(s, arp, ArpStyle::Broken, 120, 64, 56);
        song.bass(s, bass, BassStyle::Pulse, 94);
        song.melody(s, lead, 64, 86, motifs[round]);
        song.drums(s, DrumStyle::Drive, 88, false);

        s = song.play(b, 8);
        song.pad(s, pad, 52, 66);
        song.arpeggio(s, arp, ArpStyle::UpDown, 120, 64, 58);
        song.bass(s, bass, BassStyle::Pulse, 94);
        song.melody(s, lead, 64, 88, motifs[1 - round]);
        song.counterLine(s, strings, 60, 70);
        song.drums(s, DrumStyle::Drive, 90, true);

        s = song.play(a, 8);
        song.pad(s, pad, 52, 62);
        song.arpeggio(s, arp, ArpStyle::Up, 120, 64, 54);
        song.bass(s, bass, BassStyle::Held, 84);
        song.counterLine(s, strings, 60, 66);
        song.drums(s, DrumStyle::Soft, 80, round == 0);
    }

    s = song.play(b, 8);
    song.crash(s.start, 92);
    song.pad(s, pad, 52, 66);
    song.arpeggio(s, arp, ArpStyle::Broken, 120, 64, 58);
    song.bass(s, bass, BassStyle::Pulse, 96);
    song.melody(s, lead, 64, 90, 0xF1u);
    song.counterLine(s, strings, 60, 72);
    song.drums(s, DrumStyle::Drive, 92, true);

    s = song.play(a, 8);
    song.pad(s, pad, 52, 60);
    song.arpeggio(s, arp, ArpStyle::Up, 120, 64, 56);
    song.bass(s, bass, BassStyle::Pulse, 86);
    return song;
}

Song composeTradeWinds()
{
    // F lydian, light on its feet: a busy station concourse.
    Song song("Trade Winds", 96.0, 53, kLydian, 0x7AD3u);
    song.setLevel(1.5);
    const int keys = song.addVoice({"Electric piano", kElectricPiano, 80, 56, 70, 40});
    const int marimba = song.addVoice({"Marimba", kMarimba, 60, 34, 60, 0});
    const int bass = song.addVoice({"Finger bass", kFingerBass, 92, 64, 30, 0});
    const int vibes = song.addVoice({"Vibraphone", kVibraphone, 84, 80, 80, 20});
    const int strings = song.addVoice({"Strings", kStrings, 58, 96, 90, 10});
    song.addDrums(72, 40);
    const Progression a = {{0, 8}, {1, 8}, {6, 8, 4}, {2, 8, 4}};
    const Progression b = {{5, 4, 4}, {1, 4}, {4, 4}, {0, 4}};

    Span s = song.play(a, 8);
    song.comp(s, keys, 57, 58);
    song.arpeggio(s, marimba, ArpStyle::Broken, 240, 65, 52);

    s = song.play(a, 8);
    song.comp(s, keys, 57, 60);
    song.arpeggio(s, marimba, ArpStyle::Broken, 240, 65, 54);
    song.bass(s, bass, BassStyle::Walk, 84);
    song.drums(s, DrumStyle::Brush, 70, false);

    const std::uint32_t motifs[] = {0x7E1u, 0x1B5u, 0x7E1u};
    for (int round = 0; round < 3; ++round) {
        s = song.play(b, 8);
        song.comp(s, keys, 57, 60);
        song.bass(s, bass, BassStyle::Walk, 86);
        song.melody(s, vibes, 69, 80, motifs[round]);
        song.drums(s, DrumStyle::Brush, 72, round == 1);
        if (round != 1)
            song.arpeggio(s, marimba, ArpStyle::Broken, 240, 65, 50);

        s = song.play(a, 8);
        song.comp(s, keys, 57, 62);
        song.bass(s, bass, round == 1 ? BassStyle::Held : BassStyle::Walk, 86);
        song.counterLine(s, strings, 64, 62);
        if (round != 1) {
            song.melody(s, vibes, 69, 82, motifs[2 - round]);
            song.drums(s, DrumStyle::Brush, 74, round == 0);
        } else {
            song.arpeggio(s, marimba, ArpStyle::UpDown, 240, 65, 54);
        }
    }

    s = song.play(a, 8);
    song.comp(s, keys, 57, 58);
    song.arpeggio(s, marimba, ArpStyle::Broken, 240, 65, 52);
    song.bass(s, bass, BassStyle::Held, 78);
    return song;
}

Song composeDeepField()
{
    // C minor, dark and patient: the empty reaches between the stars.
    Song song("Deep Field", 76.0, 48, kAeolian, 0xDEE9u);
    song.setLevel(6.0);
    const int pad = song.addVoice({"Sweep pad", kSweepPad, 84, 64, 110, 50});
    const int bowed = song.addVoice({"Bowed pad", kBowedPad, 66, 80, 100, 20});
    const int box = song.addVoice({"Music box", kMusicBox, 58, 44, 110, 10});
    const int bass = song.addVoice({"Fretless bass", kFretlessBass, 88, 64, 50, 0});
    const int flute = song.addVoice({"Pan flute", kPanFlute, 80, 72, 100, 10});
    song.addDrums(66, 60);
    const Progression a = {{0, 8}, {5, 8}, {2, 8}, {6, 8}};
    const Progression b = {{3, 8, 4}, {5, 8}, {6, 8, 3, 4}, {6, 8}};

    Span s = song.play(a, 8);
    song.pad(s, pad, 53, 60);
    song.arpeggio(s, box, ArpStyle::Cascade, 240, 72, 50);

    s = song.play(a, 8);
    song.pad(s, pad, 53, 62);
    song.arpeggio(s, box, ArpStyle::Cascade, 240, 72, 52);
    song.bass(s, bass, BassStyle::Held, 76);
    song.counterLine(s, bowed, 60, 60);

    s = song.play(b, 8);
    song.pad(s, pad, 53, 62);
    song.bass(s, bass, BassStyle::Held, 78);
    song.melody(s, flute, 67, 76, 0xD1u);
    song.counterLine(s, bowed, 60, 58);

    s = song.play(a, 8);
    song.pad(s, pad, 53, 64);
    song.arpeggio(s, box, ArpStyle::Broken, 240, 72, 50);
    song.bass(s, bass, BassStyle::Groove, 80);
    song.melody(s, flute, 67, 80, 0x9Bu);
    song.drums(s, DrumStyle::Soft, 64, false);

    s = song.play(b, 8);
    song.pad(s, pad, 53, 64);
    song.arpeggio(s, box, ArpStyle::Cascade, 240, 72, 50);
    song.bass(s, bass, BassStyle::Groove, 80);
    song.melody(s, flute, 67, 82, 0xD1u);
    song.drums(s, DrumStyle::Soft, 66, true);

    s = song.play(a, 8);
    song.pad(s, pad, 53, 60);
    song.arpeggio(s, box, ArpStyle::Cascade, 240, 72, 50);
    song.counterLine(s, bowed, 60, 56);
    return song;
}

} // namespace dh::audiogen

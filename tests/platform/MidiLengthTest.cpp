#include "platform/MidiLength.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using dh::midiLengthInTicks;

void put32(Bytes& out, std::size_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

Bytes chunk(const char* tag, const Bytes& body)
{
    Bytes out(tag, tag + 4);
    put32(out, body.size());
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// A file of the given format whose tracks are the given event bytes.
Bytes midi(const std::vector<Bytes>& tracks, std::uint8_t format = 1)
{
    Bytes out = chunk("MThd", {0, format, 0, static_cast<std::uint8_t>(tracks.size()), 0x01, 0xE0});
    for (const Bytes& track : tracks) {
        const Bytes c = chunk("MTrk", track);
        out.insert(out.end(), c.begin(), c.end());
    }
    return out;
}

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};

Bytes ended(Bytes events)
{
    events.insert(events.end(), kEnd.begin(), kEnd.end());
    return events;
}

TEST(MidiLength, TheLatestTickOfAnyTrackCountsWithRunningStatusAndOtherChunksBetween)
{
    // A note held 480 ticks (delta 0x83 0x60), written with a new status and again with running status.
    EXPECT_EQ(midiLengthInTicks(midi({ended({0x00, 0x90, 60, 0x60, 0x83, 0x60, 0x80, 60, 0x40})})), 480u);
    EXPECT_EQ(midiLengthInTicks(midi({ended({0x00, 0x90, 60, 0x60, 0x83, 0x60, 60, 0x00})})), 480u);

    // Tempo and a program change (one data byte) in a first track ending at once, notes to
    // tick 960 = 0x87 0x40 in the second, and an unknown chunk between them, skipped.
    Bytes file = midi({ended({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xC0, 0x05})});
    const Bytes unknown = chunk("XYZW", {1, 2, 3});
    file.insert(file.end(), unknown.begin(), unknown.end());
    const Bytes second = chunk("MTrk", ended({0x00, 0x90, 64, 0x60, 0x87, 0x40, 0x80, 64, 0x00}));
    file.insert(file.end(), second.begin(), second.end());
    file[11] = 2;
    EXPECT_EQ(midiLengthInTicks(file), 960u);

    // A system exclusive message and the end-of-track's own delta move the end.
    EXPECT_EQ(midiLengthInTicks(midi({{0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x81, 0x00, 0xFF, 0x2F, 0x00}})), 128u);
}

TEST(MidiLength, AFileOfNoLengthReadsZero)
{
    EXPECT_EQ(midiLengthInTicks(midi({kEnd})), 0u);
    EXPECT_EQ(midiLengthInTicks(midi({ended({0x00, 0x90, 60, 0x60, 0x00, 0x80, 60, 0x40})}, 0)), 0u);
}

TEST(MidiLength, DamagedFilesAreRefusedWhole)
{
    const Bytes good = midi({ended({0x00, 0x90, 60, 0x60, 0x83, 0x60, 0x80, 60, 0x40})});
    EXPECT_FALSE(midiLengthInTicks(Bytes{}));
    EXPECT_FALSE(midiLengthInTicks(Bytes{'x'}));
    for (std::size_t size = 0; size < good.size(); ++size)
        EXPECT_FALSE(midiLengthInTicks(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))))
            << "cut to " << size << " bytes";

    Bytes shortHeader = good;
    shortHeader[7] = 5;
    EXPECT_FALSE(midiLengthInTicks(shortHeader));
    EXPECT_FALSE(midiLengthInTicks(midi({})));
    EXPECT_FALSE(midiLengthInTicks(midi({kEnd}, 3)));

    // A track that never ends, running status with no status before it or after a meta
    // event, a status byte where data belongs, a five-byte delta, a system common message.
    EXPECT_FALSE(midiLengthInTicks(midi({{0x00, 0x90, 60, 0x60}})));
    EXPECT_FALSE(midiLengthInTicks(midi({ended({0x00, 60, 0x60})})));
    EXPECT_FALSE(midiLengthInTicks(midi({ended({0x00, 0xFF, 0x01, 0x01, 'a', 0x00, 60, 0x60})})));
    EXPECT_FALSE(midiLengthInTicks(midi({ended({0x00, 0x90, 60, 0x90})})));
    EXPECT_FALSE(midiLengthInTicks(midi({ended({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 60, 0x60})})));
    EXPECT_FALSE(midiLengthInTicks(midi({ended({0x00, 0xF2, 0x01, 0x01})})));

    // A chunk claiming more bytes than the file holds, and a meta event running past its track.
    Bytes overlong = good;
    overlong[21] += 1;
    EXPECT_FALSE(midiLengthInTicks(overlong));
    EXPECT_FALSE(midiLengthInTicks(midi({{0x00, 0xFF, 0x01, 0x7F, 'a'}, kEnd}, 1)));
}

TEST(MidiLength, EveryGeneratedTuneHasALength)
{
    int tunes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::filesystem::path(DH_BUILD_DIR) / "mus")) {
        if (entry.path().extension() != ".mid")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const auto ticks = midiLengthInTicks(bytes);
        ASSERT_TRUE(ticks) << entry.path();
        EXPECT_GT(*ticks, 0u) << entry.path();
        ++tunes;
    }
    EXPECT_GE(tunes, 2);
}

}

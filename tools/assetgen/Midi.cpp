#include "Midi.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace dh::audiogen {

namespace {

std::uint8_t low7(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 127));
}

std::uint8_t status(int kind, int channel)
{
    if (channel < 0 || channel > 15)
        throw std::runtime_error("MIDI channel out of range");
    return static_cast<std::uint8_t>(kind | channel);
}

void putVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

MidiTrack::MidiTrack(const std::string& name)
{
    meta(0, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
}

void MidiTrack::add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> bytes)
{
    events_.push_back({tick, rank, static_cast<std::uint32_t>(events_.size()), std::move(bytes)});
    end_ = std::max(end_, tick);
}

void MidiTrack::meta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> bytes{0xFF, type};
    putVariableLength(bytes, static_cast<std::uint32_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    add(tick, Rank::Meta, std::move(bytes));
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute)
{
    const auto micros = static_cast<std::uint32_t>(std::lround(60000000.0 / beatsPerMinute));
    meta(tick, 0x51, {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
                      static_cast<std::uint8_t>(micros)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit)
{
    std::uint8_t power = 0;
    while ((1 << power) < beatUnit)
        ++power;
    meta(tick, 0x58, {static_cast<std::uint8_t>(beatsPerBar), power, 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program)
{
    add(tick, Rank::Setup, {status(0xC0, channel), low7(program)});
}

void MidiTrack::control(std::uint32_t tick, int channel, int controller, int value)
{
    add(tick, Rank::Setup, {status(0xB0, channel), low7(controller), low7(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity)
{
    if (length == 0 || key < 0 || key > 127)
        return;
    add(tick, Rank::NoteOn, {status(0x90, channel), low7(key), low7(std::max(velocity, 1))});
    add(tick + length, Rank::NoteOff, {status(0x90, channel), low7(key), 0});
}

void MidiTrack::endAt(std::uint32_t tick)
{
    end_ = std::max(end_, tick);
}

std::vector<std::uint8_t> MidiTrack::encode() const
{
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick)
            return a.tick < b.tick;
        if (a.rank != b.rank)
            return a.rank < b.rank;
        return a.sequence < b.sequence;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    std::uint8_t running = 0;
    for (const Event& e : sorted) {
        putVariableLength(body, e.tick - now);
        now = e.tick;
        const std::uint8_t first = e.bytes.front();
        if (first == 0xFF) {
            // Meta events cancel running status for readers that follow the
            // letter of the standard.
            running = 0;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        } else {
            const auto from = first == running ? e.bytes.begin() + 1 : e.bytes.begin();
            running = first;
            body.insert(body.end(), from, e.bytes.end());
        }
    }
    putVariableLength(body, end_ - now);
    body.push_back(0xFF);
    body.push_back(0x2F);
    body.push_back(0x00);

    std::vector<std::uint8_t> chunk;
    putTag(chunk, "MTrk");
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter)
{
    std::vector<std::uint8_t> out;
    putTag(out, "MThd");
    putBigEndian(out, 6, 4);
    putBigEndian(out, 1, 2);
    putBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> chunk = track.encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

void writeMidiFile(const std::filesystem::path& path, const std::vector<MidiTrack>& tracks, int ticksPerQuarter)
{
    const std::vector<std::uint8_t> bytes = encodeMidiFile(tracks, ticksPerQuarter);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace dh::audiogen

#pragma once
// Standard MIDI file writer: format 1, one track per part, note-offs as
// note-ons of velocity 0 and running status to keep the files small.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dh::audiogen {

class MidiTrack {
public:
    explicit MidiTrack(const std::string& name);

    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit);
    void program(std::uint32_t tick, int channel, int program);
    void control(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track's end-of-track event goes at this tick (or after its last event).
    void endAt(std::uint32_t tick);

    // The whole "MTrk" chunk, header included.
    std::vector<std::uint8_t> encode() const;

private:
    // Events at the same tick are ordered meta, set-up, note-off, note-on,
    // so a note repeated on the next beat is released before it restarts.
    enum class Rank { Meta, Setup, NoteOff, NoteOn };
    struct Event {
        std::uint32_t tick;
        Rank rank;
        std::uint32_t sequence;
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, Rank rank, std::vector<std::uint8_t> bytes);
    void meta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data);

    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, int ticksPerQuarter);
void writeMidiFile(const std::filesystem::path& path, const std::vector<MidiTrack>& tracks,
                   int ticksPerQuarter);

} // namespace dh::audiogen

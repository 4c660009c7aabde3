#include "platform/MidiLength.h"

#include <algorithm>

namespace dh {

namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - at_; }

    std::optional<std::uint8_t> byte()
    {
        if (atEnd())
            return std::nullopt;
        return bytes_[at_++];
    }

    std::optional<std::uint32_t> bigEndian(int count)
    {
        if (left() < static_cast<std::size_t>(count))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | bytes_[at_++];
        return value;
    }

    // A variable-length quantity: at most four bytes of seven bits.
    std::optional<std::uint32_t> quantity()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b)
                return std::nullopt;
            value = value << 7 | (*b & 0x7Fu);
            if ((*b & 0x80u) == 0)
                return value;
        }
        return std::nullopt;
    }

    bool skip(std::size_t count)
    {
        if (left() < count)
            return false;
        at_ += count;
        return true;
    }

    bool tag(const char (&name)[5])
    {
        if (left() < 4 || !std::equal(name, name + 4, bytes_.begin() + static_cast<std::ptrdiff_t>(at_)))
            return false;
        at_ += 4;
        return true;
    }

    Reader sub(std::size_t count)
    {
        Reader part(bytes_.subspan(at_, count));
        at_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// The track's last tick, or empty when an event is malformed or the track
// does not close with an end-of-track event. Meta events and system
// exclusive messages end a running status, as the file format has it.
std::optional<std::uint64_t> trackLength(Reader track)
{
    std::uint64_t tick = 0;
    std::uint8_t status = 0;
    while (true) {
        const auto delta = track.quantity();
        const auto first = track.byte();
        if (!delta || !first)
            return std::nullopt;
        tick += *delta;
        if (*first >= 0x80)
            status = *first;
        else if (status == 0)
            return std::nullopt;
        if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            const auto type = status == 0xFF ? track.byte() : std::optional<std::uint8_t>(0);
            const auto length = track.quantity();
            if (!type || !length || !track.skip(*length))
                return std::nullopt;
            if (status == 0xFF && *type == 0x2F)
                return tick;
            status = 0;
            continue;
        }
        if (status > 0xF0)
            return std::nullopt;
        const auto data = *first >= 0x80 ? track.byte() : first;
        const bool oneDataByte = (status & 0xE0) == 0xC0;
        if (!data || *data >= 0x80 || (!oneDataByte && track.byte().value_or(0x80) >= 0x80))
            return std::nullopt;
    }
}

}

std::optional<std::uint64_t> midiLengthInTicks(std::span<const std::uint8_t> bytes)
{
    Reader file(bytes);
    const auto headerLength = file.tag("MThd") ? file.bigEndian(4) : std::nullopt;
    if (!headerLength || *headerLength < 6 || file.left() < *headerLength)
        return std::nullopt;
    Reader header = file.sub(*headerLength);
    const auto format = header.bigEndian(2);
    const auto tracks = header.bigEndian(2);
    if (!format || *format > 2 || !tracks || *tracks == 0)
        return std::nullopt;
    std::uint64_t length = 0;
    for (std::uint32_t found = 0; found < *tracks;) {
        const bool isTrack = file.tag("MTrk");
        if (!isTrack && !file.skip(4))
            return std::nullopt;
        const auto chunkLength = file.bigEndian(4);
        if (!chunkLength || file.left() < *chunkLength)
            return std::nullopt;
        Reader chunk = file.sub(*chunkLength);
        if (!isTrack)
            continue;
        const auto trackTicks = trackLength(chunk);
        if (!trackTicks)
            return std::nullopt;
        length = std::max(length, *trackTicks);
        ++found;
    }
    return length;
}

}

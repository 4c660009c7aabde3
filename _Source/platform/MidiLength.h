#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace dh {

// The length in ticks of a Standard MIDI File: the latest tick any track's
// events reach. Empty when the bytes are not a well-formed file, so that a
// damaged file is refused whole rather than half played.
//
// The music player loops a song by starting it again when it ends; a song
// that ends before it has made a sample would restart forever inside the
// audio thread and hang the game at the next stop, so a song of no length
// must never reach it.
std::optional<std::uint64_t> midiLengthInTicks(std::span<const std::uint8_t> bytes);

}

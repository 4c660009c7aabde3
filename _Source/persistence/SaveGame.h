#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace dh {

class Game;

// Saving the running game into a slot file and loading it back. Both return
// what the player is to be told; the screens show it.
class SaveGame {
public:
    // The error raised inside saving and loading; it never leaves them.
    class SaveException {
    public:
        explicit SaveException(const char* message) : message(message) {}
        const char* message;  // a string constant
    };

    // What the player is told; no title when nothing was attempted.
    struct Outcome {
        bool succeeded = false;
        const char* title = nullptr;
        const char* text = nullptr;
    };

    static constexpr std::size_t kFileSize = 5746;
    static constexpr std::array<std::uint32_t, 4> kSignature{0x24F01212u, 0x21474412u, 0xFC12A566u, 0xDD134512u};

    // Nothing happens without a path, a game, its commander or its ship. A
    // failed save leaves the slot's previous file as it was; a failed load
    // leaves the game as it was.
    static Outcome trySave(const char* path, Game* game);
    static Outcome tryLoad(const char* path, Game* game);
};

}

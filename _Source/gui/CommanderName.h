#pragma once
#include <array>
#include <cstddef>

namespace dh {

// The name typed into the name entry: at most 32 characters, always
// zero-terminated. Only letters, digits, full stops and spaces that are not
// the first character are taken; Backspace removes the last character.
class CommanderName {
public:
    static constexpr std::size_t kMaxLength = 32;
    static constexpr char kBackspace = 8;

    void clear();
    void type(char c);

    const char* text() const { return buffer_.data(); }
    std::size_t length() const { return length_; }

private:
    std::array<char, kMaxLength + 1> buffer_{};
    std::size_t length_ = 0;
};

}

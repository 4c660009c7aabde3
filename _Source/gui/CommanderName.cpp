#include "gui/CommanderName.h"

namespace dh {

namespace {

bool allowed(char c, std::size_t position)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           (c == ' ' && position > 0);
}

}

void CommanderName::clear()
{
    buffer_.fill(0);
    length_ = 0;
}

void CommanderName::type(char c)
{
    if (c == kBackspace) {
        if (length_ > 0)
            buffer_[--length_] = 0;
        return;
    }
    if (length_ < kMaxLength && allowed(c, length_)) {
        buffer_[length_++] = c;
        buffer_[length_] = 0;
    }
}

}

#include "platform/RelativePointer.h"

namespace dh {

void RelativePointer::capture(bool captured, int x, int y)
{
    // Repeated captures (the shape is set again at every paint) keep the
    // position the motion has reached.
    if (captured && !captured_) {
        x_ = x;
        y_ = y;
    }
    captured_ = captured;
}

void RelativePointer::refuseMove(int x, int y)
{
    refused_ = true;
    x_ = x;
    y_ = y;
}

void RelativePointer::moveTo(int x, int y)
{
    x_ = x;
    y_ = y;
}

void RelativePointer::moveBy(int dx, int dy)
{
    x_ += dx;
    y_ += dy;
}

}

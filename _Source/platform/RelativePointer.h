#pragma once

namespace dh {

// Mouse steering and the galaxy map's drag read the pointer and move it back
// to a fixed place after every read. Where the window system will not move
// the pointer (native Wayland), a captured pointer is followed through its
// motion instead: the game's moves place a pointer of its own, and the
// motion carries it on from there. Everywhere else the real pointer is used.
class RelativePointer {
public:
    // Whether the captured pointer is followed through its motion now.
    bool active() const { return captured_ && refused_; }

    // The pointer starts or stops steering or dragging; (x, y) is where the
    // real pointer is then.
    void capture(bool captured, int x, int y);
    // The window system would not move the pointer to (x, y); from now on a
    // captured pointer is followed through its motion, starting there.
    void refuseMove(int x, int y);
    // The game moves its own pointer (only while active).
    void moveTo(int x, int y);
    // The pointer's motion since the last read.
    void moveBy(int dx, int dy);

    int x() const { return x_; }
    int y() const { return y_; }

private:
    bool captured_ = false;
    bool refused_ = false;
    int x_ = 0;
    int y_ = 0;
};

}

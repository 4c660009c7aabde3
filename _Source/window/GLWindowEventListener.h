#pragma once

namespace dh {

// Receives the window's events. Exactly one listener is current at a time
// (g_listener); every screen, the flight and each widget implements it.
class GLWindowEventListener {
public:
    virtual ~GLWindowEventListener() = default;
    virtual void onMouseMove(int x, int y);
    virtual void onMouseDown(int x, int y, int button);
    virtual void onMouseUp(int x, int y, int button);
    virtual void onKeyDown(unsigned virtualKey);
    virtual void onKeyUp(unsigned virtualKey);
    virtual void onResize();
    virtual void onClose();
    virtual void onDestroy();
    virtual void onPaint();
};

}

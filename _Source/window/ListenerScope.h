#pragma once

namespace dh {

class GLWindowEventListener;

// Makes a listener (or none) current for as long as the scope lives, and gives
// the window's events back to the one it replaced when the scope ends. Modal
// loops nest, so each one remembers only the listener just outside it.
class ListenerScope {
public:
    explicit ListenerScope(GLWindowEventListener* listener);
    ~ListenerScope();
    ListenerScope(const ListenerScope&) = delete;
    ListenerScope& operator=(const ListenerScope&) = delete;

private:
    GLWindowEventListener* previous_;
};

}

#include "window/ListenerScope.h"

#include "window/GLWindow.h"

namespace dh {

ListenerScope::ListenerScope(GLWindowEventListener* listener) : previous_(g_listener)
{
    g_listener = listener;
}

ListenerScope::~ListenerScope()
{
    g_listener = previous_;
}

}

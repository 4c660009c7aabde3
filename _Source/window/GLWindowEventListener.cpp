#include "window/GLWindowEventListener.h"

namespace dh {

void GLWindowEventListener::onMouseMove(int, int) {}
void GLWindowEventListener::onMouseDown(int, int, int) {}
void GLWindowEventListener::onMouseUp(int, int, int) {}
void GLWindowEventListener::onKeyDown(unsigned) {}
void GLWindowEventListener::onKeyUp(unsigned) {}
void GLWindowEventListener::onResize() {}
void GLWindowEventListener::onClose() {}
void GLWindowEventListener::onDestroy() {}
void GLWindowEventListener::onPaint() {}

}

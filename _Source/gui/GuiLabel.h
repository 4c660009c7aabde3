#pragma once
#include "gui/GuiWidget.h"

namespace dh {

class GLFont;

// One line of text at the label's position, drawn in the label's colour.
class GuiLabel : public GuiWidget {
public:
    GLFont* font;
    unsigned textSize = 8;
    const char* text = nullptr;  // not owned

    GuiLabel();

    void onPaint() override;
};

}

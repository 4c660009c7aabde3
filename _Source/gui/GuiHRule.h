#pragma once
#include "gui/GuiWidget.h"

namespace dh {

// A three-pixel engraved line across the widget's width.
class GuiHRule : public GuiWidget {
public:
    bool sunken = false;

    GuiHRule();

    void onPaint() override;
};

}

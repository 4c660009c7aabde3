#pragma once
#include "gui/GuiWidget.h"

namespace dh {

class GLTexture;

// A texture stretched over the widget's rectangle, blended by its alpha.
class GuiImage : public GuiWidget {
public:
    struct TitleImage {};

    GLTexture* texture = nullptr;
    bool ownsTexture = false;

    GuiImage() = default;
    // Loads the title screen picture and owns it.
    explicit GuiImage(TitleImage);
    ~GuiImage() override;
    GuiImage(const GuiImage&) = delete;
    GuiImage& operator=(const GuiImage&) = delete;

    // Shows a texture owned elsewhere (the global texture list), releasing
    // one this image owned.
    void setTexture(GLTexture* shown);

    void onPaint() override;

private:
    void releaseTexture();
};

}

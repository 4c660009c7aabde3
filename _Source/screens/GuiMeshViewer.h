#pragma once
#include "gui/GuiWidget.h"

#include <cstdint>

namespace dh {

class Mesh;

// A spinning, lit preview of a model in its own viewport over the widget's
// rectangle. Panels embed it and place it themselves before each paint.
class GuiMeshViewer : public GuiWidget {
public:
    GuiMeshViewer();

    void onPaint() override;

    Mesh* mesh = nullptr;  // not owned; null draws nothing
    // The camera stands distance x the mesh's bound radius + 1 in front of it.
    float distance = 1.0f;
    float angleY = 0.0f;
    float angleX = 0.0f;
    std::uint32_t ticksPerSecond = 1000;
    std::uint32_t lastClock;
    std::uint32_t deltaTicks = 0;
    float deltaSeconds = 0.0f;
    bool spinY = true;
    bool spinX = true;

    // Advances the spin by the time since the last paint, one radian per second.
    void advanceSpin(std::uint32_t clock);
};

}

#pragma once

#include "flight/AssistScanner.h"

namespace dh {

class Game;

// What the flight assists add to the HUD: the docking corridor, the arrows
// to what is out of sight and the scanner. Drawn only while they are on.
class AssistHud {
public:
    // The matrices are those of the 3D frame just drawn (column order); the
    // HUD's own projection is set.
    void draw(const Game& game, const float* modelview, const float* projection);

private:
    AssistScanner scanner;
};

}

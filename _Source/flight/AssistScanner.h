#pragma once

#include "core/Vector3.h"

#include <memory>
#include <optional>

namespace dh {

class Game;
class GameObject;
class GLTexture;

// Where an object shows on the scanner, in scanner radii from its centre,
// y downwards: `x` and `planeY` mark its place on the ship's horizontal plane
// (drawn as a flattened disc, ahead at the top), `y` the end of the height
// mark that stands on that place.
struct ScannerPlot {
    float x = 0.0f;
    float planeY = 0.0f;
    float y = 0.0f;
};

// The round scanner beside the console: the station, the computer ships and
// the missiles within range, as seen from the ship's heading.
class AssistScanner {
public:
    static constexpr float kRange = 25000.0f;
    // The drawn plane's vertical semi-axis and the height marks, against its width.
    static constexpr float kFlattening = 0.5f;

    AssistScanner();
    ~AssistScanner();
    AssistScanner(const AssistScanner&) = delete;
    AssistScanner& operator=(const AssistScanner&) = delete;

    // Nothing beyond the range. Distances are drawn on a square-root scale,
    // so that a fight close by is not squeezed into the middle. The left and
    // right are those of the cockpit view ahead.
    static std::optional<ScannerPlot> plot(const GameObject& ship, Vector3 position);

    // At the bottom left of the console in the HUD's virtual screen of the
    // given size, the HUD's projection set.
    void draw(const Game& game, float width, float height);

private:
    std::unique_ptr<GLTexture> art;
};

}

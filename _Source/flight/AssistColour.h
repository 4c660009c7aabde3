#pragma once

namespace dh {

// The colours the assists give what they show, on the scanner and at the
// edges of the view alike.
struct AssistColour {
    float r, g, b;
};

inline constexpr AssistColour kAssistStation{1.0f, 1.0f, 1.0f};
inline constexpr AssistColour kAssistHostile{1.0f, 0.15f, 0.1f};
inline constexpr AssistColour kAssistMissile{1.0f, 1.0f, 0.0f};
inline constexpr AssistColour kAssistCorridor{0.2f, 1.0f, 0.3f};
inline constexpr AssistColour kAssistTooFast{1.0f, 0.3f, 0.2f};

}

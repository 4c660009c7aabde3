#pragma once

// Brightness drawn into the frame itself, for displays that refuse the gamma
// ramp (most X11 GL windows, Wayland). The scale is the ramp's: a colour c is
// shown as min(1, brightness x c).
namespace dh {

// 1.0 draws nothing; values are kept within 0 .. 2, the ramp's range.
void setFrameBrightness(float brightness);
float frameBrightness();

// Around the buffer swap: the first scales the finished frame and says whether
// it did; the second puts the unscaled frame back into the back buffer, so
// that what is read back later (the dialogs' frozen background, the tunnel's
// smear) never carries the scale twice.
bool scaleFrameBrightness();
void restoreUnscaledFrame();

void releaseFrameBrightness();

}

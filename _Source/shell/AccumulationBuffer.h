#pragma once

// The accumulation buffer holds a frozen frame behind dialogs and smears the
// hyperspace tunnel. Where the driver has none, a texture copy of the back
// buffer stands in for it with the same four operations.
namespace dh {

void accumLoad(float weight);
void accumMultiply(float factor);
void accumAdd(float weight);
void accumReturn(float weight);

// Whether the operations go through the driver's own buffer.
bool accumIsNative();
// Forces the texture stand-in even when the driver has a real buffer.
void accumForceEmulation(bool force);
void releaseAccumulationBuffer();

}

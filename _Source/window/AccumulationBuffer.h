#pragma once

// The accumulation buffer holds a frozen frame behind dialogs and smears the
// hyperspace tunnel. A texture copy of the back buffer stands in for the
// driver's own: drivers that still offer one often run it in software, and
// Mesa's returns sRGB-encoded values (a frame darkened to 30 % shows at 58 %).
namespace dh {

void accumLoad(float weight);
void accumMultiply(float factor);
void accumAdd(float weight);
void accumReturn(float weight);
void releaseAccumulationBuffer();

}

#pragma once

#include "core/Vector3.h"

namespace dh {

struct Camera;
class GameObject;
class GLTexture;

// Shared helpers of the flight objects' own drawing (beams, arcs, billboards).

// Loads the camera's view as the modelview matrix.
void loadViewMatrix(const Camera& camera);
// Loads the camera's view followed by the object's own frame.
void loadObjectMatrix(const Camera& camera, const GameObject& obj);

// The corners of a band from `a` to `b`, `halfWidth` to each side, turned to
// face the eye: a - side, a + side, b + side, b - side. False (nothing to
// draw) when the band points within about 6 degrees of the eye.
bool facingBand(Vector3 a, Vector3 b, Vector3 eye, float halfWidth, Vector3 (&corners)[4]);

// The camera's right and up axes in world coordinates.
Vector3 cameraRight(const Camera& camera);
Vector3 cameraUp(const Camera& camera);

// Additive blending with (source factor, one), depth writes, lighting and
// culling off, texturing on.
void beginAdditive(bool sourceAlpha);
void endAdditive();
// Binds a texture of the list; with the list not loaded, texturing goes off.
void bindOrUntextured(const GLTexture* texture);

}

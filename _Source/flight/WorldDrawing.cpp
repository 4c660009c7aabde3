#include "flight/World.h"

#include "rendering/SpaceBackground.h"

namespace dh {

void World::draw(const Camera& camera)
{
    if (background) {
        background->drawSky(camera);
    }
    lights.applyLights(camera);
    objects.drawMeshes(camera);
    objects.renderAll(camera);
    particles.drawParticles(&camera);
    if (background) {
        background->drawStarPoints(camera);
        background->drawLensFlare(camera);
    }
}

}

#include "flight/Game.h"

#include "audio/SoundSet.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "core/Random.h"
#include "flight/World.h"
#include "flight/Hud.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace dh {

namespace {

constexpr float kDeathCameraDistance = 800.0f;
constexpr float kDeathFadeSeconds = 3.0f;
constexpr float kFarPlane = 262144.0f;

}

void Game::onPaint()
{
    clipCursorToWindow(false);
    const Camera& camera = simulateFrame();
    drawFrame(camera);
    runPendingDock();
}

const Camera& Game::simulateFrame()
{
    g_randomSeed = kFrameSeed;
    tickTime();
    const Camera& camera = chooseCamera();
    const float dt = std::min(timeStep, kMaxWorldStep);
    world->objects.updateAll(dt);
    world->particles.updateParticles(dt);
    world->objects.stepPhysics(dt);
    if (const GameObject_Ship* ship = playerShip()) {
        lastPlayerPosition = ship->position;
    }
    removeLostComputerShips();
    for (std::uint32_t i = 0; i < aiCount; ++i) {
        aiPilots[i]->update(timeStep);
    }
    human->update(timeStep);
    return camera;
}

void Game::tickTime()
{
    frameTimer->tick();
    // The step is refreshed from eight whole frames before the ninth is counted,
    // so the first eight frames after a reset run with a step of 0.
    if (frameCount == 8) {
        timeStep = timeAccum * 0.125f;
        timeAccum = 0.0f;
        frameCount = 0;
    }
    timeAccum += frameTimer->deltaSeconds;
    frameCount += 1;
}

const Camera& Game::chooseCamera()
{
    if (playerShip() != nullptr) {
        return human->currentView();
    }
    const float angle = deathCameraAngle;
    *deathCamera = Camera{};
    deathCamera->position = Vector3{-kDeathCameraDistance * std::sin(angle), 0.0f,
                                    kDeathCameraDistance * std::cos(angle)}
                          + lastPlayerPosition;
    turnCameraYaw(*deathCamera, -angle);
    deathCameraAngle += timeStep;
    return *deathCamera;
}

// Every computer ship that is gone counts as a kill, whatever destroyed it.
// The entry moved into a freed slot waits for the next frame.
void Game::removeLostComputerShips()
{
    for (std::uint32_t i = 0; i < aiCount; ++i) {
        if (aiShipRefs[i]->object != nullptr) {
            continue;
        }
        world->objects.untrackRef(aiShipRefs[i].get());
        aiShipRefs[i].reset();
        aiPilots[i].reset();
        aiCount -= 1;
        if (i != aiCount) {
            aiPilots[i] = std::move(aiPilots[aiCount]);
            aiShipRefs[i] = std::move(aiShipRefs[aiCount]);
        }
        human->kills += 1;
    }
}

void Game::drawFrame(const Camera& camera)
{
    setPerspectiveProjection(kFarPlane);
    world->draw(camera);

    setSoundListener(world->sounds, getEyePosition(camera), getViewRotation(camera));
    updateSounds(world->sounds);

    if (playerShip() != nullptr) {
        updateConsole();
        updateAssists();
        drawHud(*this);
    } else {
        drawDeathFade();
    }
    swapBuffers();
}

// The world keeps moving under the fade; the dialog ends the game.
void Game::drawDeathFade()
{
    deathTimer += timeStep;
    setCursorMode(1);
    setOrthoProjection();
    glDisable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float w = static_cast<float>(clientWidth());
    const float h = static_cast<float>(clientHeight());
    glColor4f(0.0f, 0.0f, 0.0f, deathTimer * 0.33333334f);
    glBegin(GL_QUADS);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(w, 0.0f);
    glVertex2f(w, h);
    glVertex2f(0.0f, h);
    glEnd();
    if (deathTimer >= kDeathFadeSeconds) {
        showDeathMessage();
        running = false;
    }
}

}

#include "flight/Hud.h"

#include "flight/AssistHud.h"
#include "flight/DockingCorridor.h"
#include "flight/FlightAssists.h"
#include "flight/Game.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"
#include "window/UiSpace.h"
#include "rendering/GLFont.h"
#include "rendering/TextDrawing.h"
#include "rendering/TextureList.h"
#include "window/GLWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace dh {

namespace {

constexpr float kLabel[3] = {1.0f, 1.0f, 0.6f};

struct Quad {
    Point2 corners[4];
};

struct HudFrame {
    float scale;
    float width;
    float height;
    float centre;
};

int roundHalfAway(float value)
{
    return static_cast<int>(std::lround(value));
}

float textLength(const char* text)
{
    return static_cast<float>(std::strlen(text));
}

void label(const char* text, float x, float y)
{
    drawText(g_fontMain, text, x, y, 8.0f, kLabel[0], kLabel[1], kLabel[2]);
}

// A textured quad, white and alpha blended, the texture clamped; texture
// coordinates (0,0), (1,0), (1,1), (0,1) unless flipped left to right.
void imageQuad(const GLTexture& image, const Quad& quad, bool flipped = false)
{
    glEnable(GL_TEXTURE_2D);
    image.bind();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    constexpr float kS[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    constexpr float kT[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(flipped ? 1.0f - kS[i] : kS[i], kT[i]);
        glVertex2f(quad.corners[i].x, quad.corners[i].y);
    }
    glEnd();
}

void texturedQuad(Tex tex, const Quad& quad, bool flipped = false)
{
    if (const GLTexture* image = texture(tex)) {
        imageQuad(*image, quad, flipped);
    }
}

void rectangle(Tex tex, float left, float top, float right, float bottom)
{
    texturedQuad(tex, {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}});
}

void flatQuad(const Quad& quad, float r, float g, float b)
{
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    for (const Point2& corner : quad.corners) {
        glVertex2f(corner.x, corner.y);
    }
    glEnd();
}

void drawTargetMarker(const Game& game, const HudFrame& frame, const float* modelview, const float* projection)
{
    const GameObject* target = game.human->target;
    if (target == nullptr || !game.world->objects.containsObject(target)) {
        return;
    }
    const float v[4] = {target->position.x, target->position.y, target->position.z, 1.0f};
    float eye[4];
    float clip[4];
    for (int i = 0; i < 4; ++i) {
        eye[i] = modelview[i] * v[0] + modelview[4 + i] * v[1] + modelview[8 + i] * v[2] + modelview[12 + i] * v[3];
    }
    for (int i = 0; i < 4; ++i) {
        clip[i] = projection[i] * eye[0] + projection[4 + i] * eye[1] + projection[8 + i] * eye[2]
                + projection[12 + i] * eye[3];
    }
    const float sx = static_cast<float>(static_cast<int>((clip[0] / clip[3] + 1.0f) * frame.width * 0.5f));
    const float sy = static_cast<float>(static_cast<int>((-clip[1] / clip[3] + 1.0f) * frame.height * 0.5f));
    rectangle(Tex::target, sx - 32.0f, sy - 32.0f, sx + 32.0f, sy + 32.0f);

    label(target->name, static_cast<float>(static_cast<int>(sx - 4.0f * textLength(target->name))),
          static_cast<float>(static_cast<int>(sy - 48.0f)));
    if (const GameObject_Ship* ship = game.playerShip()) {
        char text[32];
        const Vector3 measured = DockingCorridor::labelPoint(game, *target);
        std::snprintf(text, sizeof text, "%1.2f km", length(measured - ship->position) * 0.001f);
        label(text, static_cast<float>(static_cast<int>(sx - 4.0f * textLength(text))),
              static_cast<float>(static_cast<int>(sy + 40.0f)));
    }
}

void drawSpeedConsole(const GameObject_Ship* ship, const HudFrame& frame)
{
    const float c = frame.centre;
    const float h = frame.height;
    const float topSpeed = ship != nullptr ? ship->topSpeed : 1.0f;
    const float targetSpeed = ship != nullptr ? ship->targetSpeed : 0.0f;
    const float speed = ship != nullptr ? std::min(length(ship->velocity), topSpeed) : 0.0f;

    rectangle(Tex::guageSpeeds, c - 128.0f, h - 64.0f, c + 128.0f, h - 32.0f);
    const float a = static_cast<float>(roundHalfAway(targetSpeed / topSpeed * 128.0f));
    const float b = static_cast<float>(roundHalfAway(speed / topSpeed * 128.0f));
    flatQuad({{{c - 64.0f, h - 36.0f}, {c - 64.0f + a, h - 36.0f}, {c - 64.0f + a, h - 40.0f}, {c - 64.0f, h - 40.0f}}},
             0.0f, 1.0f, 0.0f);
    flatQuad({{{c - 64.0f, h - 40.0f}, {c - 64.0f + b, h - 40.0f}, {c - 64.0f + b, h - 44.0f}, {c - 64.0f, h - 44.0f}}},
             0.0f, 1.0f, 0.0f);

    char text[32];
    std::snprintf(text, sizeof text, "%1.2f kmph", speed * 0.001f * 3600.0f);
    label(text, c - 4.0f * textLength(text), h - 58.0f);
}

void drawGauges(const GameObject_Ship* ship, const HudFrame& frame)
{
    const float c = frame.centre;
    const float h = frame.height;
    const float heat = ship != nullptr ? ship->laser.heat : 0.0f;
    const float shield = ship != nullptr ? ship->shield : 0.0f;
    const float maxShield = ship != nullptr ? ship->maxShield : 1.0f;

    rectangle(Tex::guageHeatHull, c - 160.0f, h - 64.0f, c - 32.0f, h);
    const float hh = static_cast<float>(roundHalfAway(heat * 0.0005f * 48.0f));
    flatQuad({{{c - 144.0f + hh, h - 8.0f - hh}, {c - 128.0f + hh, h - 8.0f - hh}, {c - 128.0f, h - 8.0f},
               {c - 144.0f, h - 8.0f}}},
             1.0f, 0.0f, 0.0f);

    texturedQuad(Tex::guageHeatHull, {{{c + 32.0f, h - 64.0f}, {c + 160.0f, h - 64.0f}, {c + 160.0f, h},
                                       {c + 32.0f, h}}},
                 true);
    const float k = static_cast<float>(roundHalfAway(shield / maxShield * 48.0f));
    flatQuad({{{c + 144.0f - k, h - 8.0f - k}, {c + 128.0f - k, h - 8.0f - k}, {c + 128.0f, h - 8.0f},
               {c + 144.0f, h - 8.0f}}},
             0.0f, 0.0f, 1.0f);
}

void drawButton(bool hover, Tex normal, Tex hovered, float left, float right, const HudFrame& frame)
{
    rectangle(hover ? hovered : normal, left, frame.height - 32.0f, right, frame.height);
}

void drawCrosshair(const HudFrame& frame)
{
    const GLTexture* cross = texture(Tex::crosshair);
    if (cross == nullptr) {
        return;
    }
    const float tw = static_cast<float>(cross->width);
    const float th = static_cast<float>(cross->height);
    const float x = frame.width * 0.5f - tw * 0.5f;
    const float y = frame.height * 0.5f - th * 0.5f;
    rectangle(Tex::crosshair, x, y, x + tw, y + th);
}

void drawButtons(const Game& game, const HudFrame& frame)
{
    const float c = frame.centre;
    drawButton(game.menuHover, Tex::buttonMenu, Tex::buttonMenuH, c - 128.0f, c + 128.0f, frame);
    drawCrosshair(frame);
    drawButton(game.missileHover, Tex::buttonMissile, Tex::buttonMissileH, c - 192.0f, c - 128.0f, frame);
    drawButton(game.empHover, Tex::buttonEmp, Tex::buttonEmpH, c + 128.0f, c + 192.0f, frame);

    if (const GameObject_Ship* ship = game.playerShip()) {
        char text[16];
        std::snprintf(text, sizeof text, "%1u", ship->missiles);
        drawText(g_fontMain, text, c - 168.0f - 4.0f * textLength(text), frame.height - 12.0f, 8.0f, 0.0f, 0.0f,
                 0.0f);
        std::snprintf(text, sizeof text, "%1u", ship->empBombs);
        drawText(g_fontMain, text, c + 168.0f - 4.0f * textLength(text), frame.height - 12.0f, 8.0f, 0.0f, 0.0f,
                 0.0f);
    }
}

void drawMissileWarning(const Game& game, const HudFrame& frame)
{
    const GameObject* missile = findIncomingMissile(game);
    if (missile == nullptr) {
        return;
    }
    char text[256];
    std::snprintf(text, sizeof text, "Warning! Incoming Missile! ( %1.2f km ) ",
                  length(missile->position - game.playerShip()->position) * 0.001f);
    drawText(g_fontBig, text, frame.centre - 8.0f * textLength(text), 32.0f, 16.0f, 1.0f, 0.0f, 0.0f);
}

}

std::array<Point2, 4> hudButtonQuad(HudButton button, float width, float height)
{
    const float c = width * 0.5f;
    const float h = height;
    switch (button) {
    case HudButton::Menu:
        return {{{c - 128.0f, h}, {c - 96.0f, h - 32.0f}, {c + 96.0f, h - 32.0f}, {c + 128.0f, h}}};
    case HudButton::Missile:
        return {{{c - 192.0f, h}, {c - 160.0f, h - 32.0f}, {c - 128.0f, h - 32.0f}, {c - 160.0f, h}}};
    case HudButton::Emp:
        break;
    }
    return {{{c + 128.0f, h - 32.0f}, {c + 160.0f, h - 32.0f}, {c + 192.0f, h}, {c + 160.0f, h}}};
}

void drawHud(const Game& game)
{
    float modelview[16];
    float projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);

    HudFrame frame{uiScale(), 0.0f, 0.0f, 0.0f};
    uiSize(frame.width, frame.height);
    frame.centre = frame.width * 0.5f;

    glPushAttrib(GL_ENABLE_BIT | GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    setOrthoProjection();
    glMatrixMode(GL_PROJECTION);
    glScalef(frame.scale, frame.scale, frame.scale);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glDepthMask(GL_FALSE);

    const GameObject_Ship* ship = game.playerShip();
    drawTargetMarker(game, frame, modelview, projection);
    if (g_flightAssists) {
        game.assistHud->draw(game, modelview, projection);
    }
    drawSpeedConsole(ship, frame);
    drawGauges(ship, frame);
    drawButtons(game, frame);
    drawMissileWarning(game, frame);
    if (g_flightAssists) {
        game.hudMessages.draw(frame.width);
        game.collisionWarning.draw(frame.width, frame.height);
    }
    game.human->dockingComputer.drawLabel(frame.width);
    glPopAttrib();
}

void drawHudImage(const GLTexture& image, float left, float top, float right, float bottom)
{
    imageQuad(image, {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}});
}

GameObject* findIncomingMissile(const Game& game)
{
    const GameObject_Ship* ship = game.playerShip();
    if (ship == nullptr) {
        return nullptr;
    }
    const ObjectList& objects = game.world->objects;
    GameObject* nearest = nullptr;
    float nearestDistance = 0.0f;
    for (GameObject* obj = objects.findFirstMissile(); obj != nullptr; obj = objects.findNextOfSameKind(obj)) {
        const auto* missile = static_cast<const GameObject_Missile*>(obj);
        if (missile->target != ship) {
            continue;
        }
        const float distance = length(obj->position - ship->position);
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = obj;
            nearestDistance = distance;
        }
    }
    return nearest;
}

}

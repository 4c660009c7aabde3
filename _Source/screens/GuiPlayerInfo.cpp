#include "screens/GuiPlayerInfo.h"

#include "flight/Game.h"
#include "flight/PlayerHuman.h"
#include "rendering/GLFont.h"
#include "rendering/ModelList.h"
#include "rendering/TextDrawing.h"
#include "screens/DockDrawing.h"

#include <GL/gl.h>

#include <cstdio>

namespace dh {

namespace {

struct Rank {
    std::uint32_t fromKills;
    const char* name;
};

constexpr std::array<Rank, 8> kRanks = {{
    {500, "Lethal"},
    {250, "Deadly"},
    {100, "Dangerous"},
    {50, "Skilled"},
    {25, "Competent"},
    {10, "Able"},
    {5, "Harmless"},
    {0, "Hopeless"},
}};

}

GuiPlayerInfo::GuiPlayerInfo(Game* game) : game(game)
{
    modelView.distance = 1.25f;
    modelView.angleX = -0.3f;
    modelView.spinX = false;
}

const char* GuiPlayerInfo::rankName(std::uint32_t kills)
{
    for (const Rank& rank : kRanks)
        if (kills >= rank.fromKills)
            return rank.name;
    return kRanks.back().name;
}

std::array<std::string, 4> GuiPlayerInfo::commanderLines() const
{
    const PlayerHuman& human = *game->human;
    char line[4][512];
    std::snprintf(line[0], sizeof line[0], "Name:     %1s", human.commanderName.c_str());
    const float credits = static_cast<float>(human.credits);
    std::snprintf(line[1], sizeof line[1], "Credits:  Cr %1.2f", static_cast<double>(credits));
    std::snprintf(line[2], sizeof line[2], "Kills:    %1i", static_cast<int>(human.kills));
    std::snprintf(line[3], sizeof line[3], "Rank:     %1s", rankName(human.kills));
    return {line[0], line[1], line[2], line[3]};
}

void GuiPlayerInfo::onPaint()
{
    glPushAttrib(GL_ENABLE_BIT);
    fillBlack(x, y, width, height);
    if (!game || !game->human) {
        glPopAttrib();
        return;
    }
    modelView.mesh = model(Model::Commander);
    modelView.x = x + 8;
    modelView.y = y + 8;
    modelView.width = 470;
    modelView.height = 372;
    modelView.onPaint();
    rule.x = x + 8;
    rule.y = y + 388;
    rule.width = 470;
    rule.height = 4;
    rule.onPaint();
    const std::array<std::string, 4> lines = commanderLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const float lineY = static_cast<float>(y + 404 + 12 * static_cast<int>(i));
        drawText(g_fontMain, lines[i].c_str(), static_cast<float>(x + 8), lineY, 8.0f, 1.0f, 1.0f, 1.0f);
    }
    glPopAttrib();
}

}

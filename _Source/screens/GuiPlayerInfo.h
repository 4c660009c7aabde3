#pragma once
#include "gui/GuiHRule.h"
#include "gui/GuiWidget.h"
#include "screens/GuiMeshViewer.h"

#include <array>
#include <cstdint>
#include <string>

namespace dh {

class Game;

// The commander: portrait, name, credits, kills and rank.
class GuiPlayerInfo : public GuiWidget {
public:
    explicit GuiPlayerInfo(Game* game);

    void onPaint() override;

    // "Hopeless" .. "Lethal" by the number of kills.
    static const char* rankName(std::uint32_t kills);
    // The name, credits, kills and rank lines, top to bottom, as shown.
    std::array<std::string, 4> commanderLines() const;

    Game* game;
    GuiMeshViewer modelView;
    GuiHRule rule;
};

}

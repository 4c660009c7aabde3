#include "rendering/ModelList.h"
#include "rendering/TextureList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ArtLists, FiftyFourTexturesAndSevenModelsInLoadOrder)
{
    std::vector<std::string> expected{"gradientCircle", "star"};
    for (int i = 1; i <= 8; ++i)
        expected.push_back("planet" + std::to_string(i));
    expected.insert(expected.end(), {"hyperspace1", "hyperspace2", "particle", "lens1", "lens2"});
    for (int i = 1; i <= 18; ++i)
        expected.push_back("explosion" + std::to_string(i));
    expected.insert(expected.end(), {"beam", "crosshair", "target", "menuTitlePanel", "menuButtonPanel", "money",
                                     "repair", "cargo", "missile", "emp", "guageSpeeds", "guageHeatHull",
                                     "buttonHighlight", "buttonMenu", "buttonMenuH", "buttonHome", "buttonHomeH",
                                     "buttonMissile", "buttonMissileH", "buttonEmp", "buttonEmpH"});
    EXPECT_EQ(std::vector<std::string>(dh::kTextureStems.begin(), dh::kTextureStems.end()), expected);
    EXPECT_EQ(static_cast<std::size_t>(dh::Tex::explosion1), 15u);
    EXPECT_EQ(static_cast<std::size_t>(dh::Tex::guageSpeeds), 43u);

    // Before loading, and for unknown stems, lookups give null.
    EXPECT_EQ(dh::findTexture("star"), nullptr);
    EXPECT_EQ(dh::findTexture("stars1"), nullptr);
    EXPECT_EQ(dh::explosionTexture(40), nullptr);

    EXPECT_EQ(std::vector<std::string>(dh::kModelStems.begin(), dh::kModelStems.end()),
              (std::vector<std::string>{"Commander", "Cargo", "Missile", "Emp", "Spacestation", "Ship_Explorer",
                                        "Ship_Fighter"}));
    EXPECT_EQ(static_cast<std::size_t>(dh::Model::Spacestation), 4u);
    EXPECT_EQ(dh::findModel("Missile"), nullptr);
}

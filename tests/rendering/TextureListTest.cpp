#include "rendering/ModelList.h"
#include "rendering/TextureList.h"

#include <gtest/gtest.h>

#include <string>

// The stems are the file names in load order; the enums index the same lists,
// so a stem out of place would show one picture or model in place of another.
TEST(ArtLists, FiftyFourTexturesAndSevenModelsInLoadOrder)
{
    std::string expected = "gradientCircle star planet1 planet2 planet3 planet4 planet5 planet6 planet7 planet8 "
                           "hyperspace1 hyperspace2 particle lens1 lens2 ";
    for (int i = 1; i <= 18; ++i)
        expected += "explosion" + std::to_string(i) + " ";
    expected += "beam crosshair target menuTitlePanel menuButtonPanel money repair cargo missile emp guageSpeeds "
                "guageHeatHull buttonHighlight buttonMenu buttonMenuH buttonHome buttonHomeH buttonMissile "
                "buttonMissileH buttonEmp buttonEmpH ";
    std::string stems;
    for (const char* stem : dh::kTextureStems)
        stems += std::string(stem) + " ";
    EXPECT_EQ(stems, expected);
    EXPECT_EQ(static_cast<std::size_t>(dh::Tex::explosion1), 15u);
    EXPECT_EQ(static_cast<std::size_t>(dh::Tex::guageSpeeds), 43u);
    EXPECT_EQ(static_cast<std::size_t>(dh::Tex::buttonEmpH), 53u);

    stems.clear();
    for (const char* stem : dh::kModelStems)
        stems += std::string(stem) + " ";
    EXPECT_EQ(stems, "Commander Cargo Missile Emp Spacestation Ship_Explorer Ship_Fighter ");
    EXPECT_EQ(static_cast<std::size_t>(dh::Model::Spacestation), 4u);
}

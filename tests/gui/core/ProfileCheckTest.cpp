#include "gui/main/ProfileCheck.h"

#include <gtest/gtest.h>

using namespace korva::gui;

TEST(ProfileCheckTest, ThinLayerIsNamedWithItsThickness)
{
    const auto warning = CheckProfile({1, {10, 11}, 0, 0});
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, "Thickness of layer should be at least 2 ft\nto avoid numerical errors. "
                        "\nPlease check layer 2 . Thickness = 1 ft");
}

TEST(ProfileCheckTest, ThinLayerInSiUnitsNamesMetres)
{
    const auto warning = CheckProfile({2, {3.1, 3.6, 20}, 0, 0});
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, "Thickness of layer should be at least 0.6 m\nto avoid numerical errors. "
                        "\nPlease check layer 2 . Thickness = 0.5 m");
}

TEST(ProfileCheckTest, FirstLayerIsMeasuredFromTheSurface)
{
    const auto warning = CheckProfile({1, {1.5, 40}, 0, 0});
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("Please check layer 1 . Thickness = 1.5 ft"), std::string::npos);
}

TEST(ProfileCheckTest, BottomLayerMustReachShaftPlusTwoDiameters)
{
    const auto warning = CheckProfile({1, {40}, 35, 3});
    ASSERT_TRUE(warning);
    EXPECT_EQ(*warning, "Depth of Bottom Layer, 40 ft\nshould be at least the shaft length plus "
                        "two shaft diameters 41 ft\nto perform analysis. \nPlease check !");
    EXPECT_FALSE(CheckProfile({1, {41}, 35, 3}));
}

TEST(ProfileCheckTest, DesignLoadProjectNeedsTwoDiametersOnly)
{
    EXPECT_FALSE(CheckProfile({1, {20, 50}, 0, 3}));
    EXPECT_TRUE(CheckProfile({2, {5}, 0, 3}));
}

TEST(ProfileCheckTest, ProjectWithoutLayersDoesNotRun)
{
    const auto warning = CheckProfile({1, {}, 30, 3});
    ASSERT_TRUE(warning);
    EXPECT_NE(warning->find("no layers"), std::string::npos);
}

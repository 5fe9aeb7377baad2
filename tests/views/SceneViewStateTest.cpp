#include "gui/views/SceneViewState.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korva::gui;

namespace {

constexpr int W = 800;
constexpr int H = 600;

TVec3 Times(const TMatrix3& m, const TVec3& v)
{
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
}

TMatrix3 FrameMatrix(const TSceneViewState& s)
{
    return SceneRotationMatrix(s.RotX, s.RotY, s.RotZ, s.Z1 * s.Z2);
}

void Drag(TSceneViewState& s, int x0, int y0, int x, int y, bool shift = false)
{
    const TMatrix3 m = FrameMatrix(s);
    s.Press(x0, y0, true);
    s.Move((x0 + x) / 2, (y0 + y) / 2, shift, W, H, m);
    s.Release(x, y, shift, W, H, m);
}

TEST(SceneViewState, ZoomButtonsAndRestart)
{
    TSceneViewState s;
    s.ZoomIn();
    s.ZoomIn();
    s.ZoomOut();
    EXPECT_NEAR(s.Z2, 1.4142, 1e-9);
    s.RotX = 10;
    s.RotZ = -4;
    s.Pan = {1, 2, 3};
    s.RestartView();
    EXPECT_EQ(s.Z2, 1.0);
    EXPECT_EQ(s.RotX, 0.0);
    EXPECT_EQ(s.RotZ, 0.0);
    EXPECT_EQ(s.Pan, TVec3{});
}

TEST(SceneViewState, TheInitialFrameShowsModelZUpOnTheScreen)
{
    const TMatrix3 m = SceneRotationMatrix(0, 0, 0, 1);
    const TVec3 up = Times(m, {0, 0, 1});
    EXPECT_NEAR(up.y, 1.0, 1e-12);
    EXPECT_NEAR(Times(m, {1, 0, 0}).x, 1.0, 1e-12);
}

TEST(SceneViewState, PanningMakesTheSceneFollowTheMouse)
{
    for (const double rotX : {0.0, 35.0}) {
        TSceneViewState s;
        s.Mode = TMouseMode::Panning;
        s.Z1 = 4.0;
        s.Z2 = 1.5;
        s.RotX = rotX;
        s.RotZ = 20.0;
        const TMatrix3 m = FrameMatrix(s);
        Drag(s, 100, 100, 160, 80);
        // The pan, carried to the screen, is the drag in pixels (y up on the screen).
        const TVec3 screen = Times(m, s.Pan);
        EXPECT_NEAR(screen.x, 60.0, 1e-9);
        EXPECT_NEAR(screen.y, 20.0, 1e-9);
        EXPECT_NEAR(screen.z, 0.0, 1e-9);
    }
    // With Shift only the larger count moves the scene.
    TSceneViewState s;
    s.Mode = TMouseMode::Panning;
    const TMatrix3 m = FrameMatrix(s);
    Drag(s, 100, 100, 160, 80, true);
    const TVec3 screen = Times(m, s.Pan);
    EXPECT_NEAR(screen.x, 60.0, 1e-9);
    EXPECT_NEAR(screen.y, 0.0, 1e-9);
}

TEST(SceneViewState, ZoomingByDragging)
{
    TSceneViewState s;
    s.Mode = TMouseMode::Zooming;
    s.Z2 = 2.0;
    Drag(s, 10, 300, 10, 150); // up by a quarter of the height: larger
    EXPECT_DOUBLE_EQ(s.Z2, 2.0 * 1.25);
    Drag(s, 10, 300, 10, 450); // down by a quarter: smaller
    EXPECT_DOUBLE_EQ(s.Z2, 2.5 * 0.75);
    // Dragged down beyond the window: the scene shrinks but never turns over.
    Drag(s, 10, 0, 10, 5 * H);
    EXPECT_GT(s.Z2, 0.0);
}

TEST(SceneViewState, RotatingWithAndWithoutShift)
{
    TSceneViewState s;
    s.Mode = TMouseMode::Rotating;
    Drag(s, 400, 300, 500, 320, true); // mostly across: turns about one screen direction only
    EXPECT_NEAR(s.RotX, 0.0, 1e-12);
    EXPECT_NEAR(s.RotY, 0.0, 1e-12);
    EXPECT_NEAR(std::fabs(s.RotZ), 90.0 * 100 / W, 1e-9);

    TSceneViewState free;
    free.Mode = TMouseMode::Rotating;
    Drag(free, 400, 300, 500, 360);
    const double a = 90.0 * 60 / H;
    const double b = 90.0 * 100 / W;
    EXPECT_NEAR(std::hypot(free.RotX, std::hypot(free.RotY, free.RotZ)), std::hypot(a, b), 1e-9);
    EXPECT_NEAR(std::fabs(free.RotX), a, 1e-9);
    EXPECT_NEAR(std::fabs(free.RotZ), b, 1e-9);
}

TEST(SceneViewState, ZoomWindow)
{
    // A click without width or height changes nothing.
    for (const auto& [x, y] : {std::pair{200, 200}, std::pair{200, 350}, std::pair{320, 200}}) {
        TSceneViewState s;
        s.Mode = TMouseMode::ZoomWindow;
        s.Z2 = 1.3;
        s.Pan = {1, 2, 3};
        Drag(s, 200, 200, x, y);
        EXPECT_EQ(s.Z2, 1.3);
        EXPECT_EQ(s.Pan, (TVec3{1, 2, 3}));
    }
    // A box centred on the window only zooms, by the tighter of the two ratios.
    TSceneViewState s;
    s.Mode = TMouseMode::ZoomWindow;
    s.Z1 = 2.0;
    const TMatrix3 m = FrameMatrix(s);
    s.Press(300, 250, true);
    EXPECT_TRUE(s.ZoomBoxShown());
    s.Move(500, 350, false, W, H, m);
    EXPECT_EQ(s.Z2, 1.0); // nothing changes while the box is dragged
    EXPECT_EQ(s.BoxX(), 500);
    s.Release(500, 350, false, W, H, m);
    EXPECT_FALSE(s.ZoomBoxShown());
    EXPECT_DOUBLE_EQ(s.Z2, std::min(600.0 / 100.0, 800.0 / 200.0));
    EXPECT_NEAR(s.Pan.x, 0.0, 1e-12);
    EXPECT_NEAR(s.Pan.z, 0.0, 1e-12);
    // An off-centre box brings its centre to the window's centre.
    TSceneViewState t;
    t.Mode = TMouseMode::ZoomWindow;
    t.Z1 = 2.0;
    const TMatrix3 tm = FrameMatrix(t);
    Drag(t, 0, 0, 200, 100);
    const TVec3 screen = Times(tm, t.Pan);
    EXPECT_NEAR(screen.x, 400.0 - 100.0, 1e-9);
    EXPECT_NEAR(screen.y, -(300.0 - 50.0), 1e-9);
}

TEST(SceneViewState, OnlyTheLeftButtonDrags)
{
    TSceneViewState s;
    s.Mode = TMouseMode::Zooming;
    const TMatrix3 m = FrameMatrix(s);
    s.Press(10, 300, false);
    s.Move(10, 100, false, W, H, m);
    s.Release(10, 100, false, W, H, m);
    EXPECT_EQ(s.Z2, 1.0);
    TSceneViewState none;
    none.Press(10, 300, true);
    none.Release(10, 100, false, W, H, m);
    EXPECT_EQ(none.Z2, 1.0);
}

} // namespace

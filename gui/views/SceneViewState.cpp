#include "gui/views/SceneViewState.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korva::gui {

namespace {

using TMat = std::array<double, 9>;

TMat Multiply(const TMat& a, const TMat& b)
{
    TMat c{};
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 3; ++j)
                c[3 * r + k] += a[3 * r + j] * b[3 * j + k];
    return c;
}

TMat Rotation(double degrees, int axis)
{
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a);
    const double s = std::sin(a);
    switch (axis) {
    case 0:
        return {1, 0, 0, 0, c, -s, 0, s, c};
    case 1:
        return {c, 0, s, 0, 1, 0, -s, 0, c};
    default:
        return {c, -s, 0, s, c, 0, 0, 0, 1};
    }
}

// Least factor a zoom drag can shrink the view by: dragging down beyond the window's height
// would otherwise turn the scale negative (a mirrored scene) or zero.
constexpr double LeastZoomFactor = 0.01;

} // namespace

TMatrix3 SceneRotationMatrix(double RotX, double RotY, double RotZ, double scale)
{
    TMat m = Multiply(Multiply(Multiply(Rotation(-90.0, 0), Rotation(RotX, 0)), Rotation(RotY, 1)),
                      Rotation(RotZ, 2));
    for (double& v : m)
        v *= scale;
    return m;
}

TVec3 TransposedTimes(const TMatrix3& m, const TVec3& v)
{
    return {m[0] * v.x + m[3] * v.y + m[6] * v.z, m[1] * v.x + m[4] * v.y + m[7] * v.z,
            m[2] * v.x + m[5] * v.y + m[8] * v.z};
}

void TSceneViewState::RestartView()
{
    RotX = RotY = RotZ = 0.0;
    Z2 = 1.0;
    Pan = {};
}

void TSceneViewState::Press(int x, int y, bool leftButton)
{
    fX0 = fX = x;
    fY0 = fY = y;
    fPanAtPress = Pan;
    fZ2AtPress = Z2;
    fRotAtPress[0] = RotX;
    fRotAtPress[1] = RotY;
    fRotAtPress[2] = RotZ;
    fDragging = leftButton && Mode != TMouseMode::None;
    fBoxShown = fDragging && Mode == TMouseMode::ZoomWindow;
}

void TSceneViewState::Move(int x, int y, bool shift, int W, int H, const TMatrix3& M3)
{
    if (fDragging)
        Apply(x, y, shift, W, H, M3, false);
}

void TSceneViewState::Release(int x, int y, bool shift, int W, int H, const TMatrix3& M3)
{
    if (fDragging)
        Apply(x, y, shift, W, H, M3, true);
    fDragging = false;
    fBoxShown = false;
}

void TSceneViewState::Apply(int X, int Y, bool shift, int W, int H, const TMatrix3& M3,
                            bool release)
{
    fX = X;
    fY = Y;
    if (W <= 0 || H <= 0)
        return;
    const double s = Z1 * Z2;
    switch (Mode) {
    case TMouseMode::None:
        break;
    case TMouseMode::Panning: {
        double dx = X - fX0;
        double dy = fY0 - Y;
        if (shift) {
            if (std::fabs(dx) >= std::fabs(dy))
                dy = 0.0;
            else
                dx = 0.0;
        }
        const TVec3 move = TransposedTimes(M3, {dx, dy, 0.0});
        Pan = {fPanAtPress.x + move.x / (s * s), fPanAtPress.y + move.y / (s * s),
               fPanAtPress.z + move.z / (s * s)};
        break;
    }
    case TMouseMode::Zooming:
        Z2 = fZ2AtPress * std::max(1.0 - static_cast<double>(Y - fY0) / H, LeastZoomFactor);
        break;
    case TMouseMode::Rotating: {
        double a = 90.0 * (Y - fY0) / H;
        double b = 90.0 * (X - fX0) / W;
        if (shift) {
            if (std::fabs(a) >= std::fabs(b))
                b = 0.0;
            else
                a = 0.0;
        }
        const double h = std::sqrt(a * a + b * b);
        TVec3 v = TransposedTimes(M3, {a, b, 0.0});
        const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        if (length > 0.0)
            v = {h * v.x / length, h * v.y / length, h * v.z / length};
        RotX = fRotAtPress[0] + v.x;
        RotY = fRotAtPress[1] + v.y;
        RotZ = fRotAtPress[2] + v.z;
        break;
    }
    case TMouseMode::ZoomWindow:
        if (release && X != fX0 && Y != fY0) {
            const TVec3 move =
                TransposedTimes(M3, {W / 2.0 - (X + fX0) / 2.0, -(H / 2.0 - (Y + fY0) / 2.0), 0.0});
            Pan = {fPanAtPress.x + move.x / (s * s), fPanAtPress.y + move.y / (s * s),
                   fPanAtPress.z + move.z / (s * s)};
            Z2 = fZ2AtPress * std::min(static_cast<double>(H) / std::abs(Y - fY0),
                                       static_cast<double>(W) / std::abs(X - fX0));
        }
        break;
    }
}

} // namespace korva::gui

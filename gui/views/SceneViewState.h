#pragma once

#include "gui/views/SceneGeometry.h"

#include <array>

namespace korva::gui {

// Upper-left 3 x 3 part of the model-view matrix, row by row (row r, column c at 3 r + c).
using TMatrix3 = std::array<double, 9>;

// Rotation part of the model-view matrix of a frame: -90 degrees about x (model z up on the
// screen), then RotX about x, RotY about y, RotZ about z, scaled uniformly by `scale`.
TMatrix3 SceneRotationMatrix(double RotX, double RotY, double RotZ, double scale);
// M^T v.
TVec3 TransposedTimes(const TMatrix3& m, const TVec3& v);

// What a mouse drag does in the 3-D view.
enum class TMouseMode { None = 0, Panning = 1, Zooming = 2, Rotating = 3, ZoomWindow = 4 };

// View state of the 3-D view: the rotation angles, the fit zoom Z1 and the user zoom Z2, the
// pan, and the mouse drag in progress. Kept while the window lives; survives every rebuild
// of the scene.
class TSceneViewState
{
  public:
    static constexpr double ZoomStep = 1.4142;

    double RotX = 0.0;
    double RotY = 0.0;
    double RotZ = 0.0;
    double Z1 = 1.0;
    double Z2 = 1.0;
    TVec3 Pan;
    TMouseMode Mode = TMouseMode::None;

    void ZoomIn() { Z2 *= ZoomStep; }
    void ZoomOut() { Z2 *= 1.0 / ZoomStep; }
    // Rotations 0, Z2 1, pan 0.
    void RestartView();

    // Mouse on a client area of W x H pixels (x right, y down). A press records the point and
    // what the mode changes; moves act while the left button is held; the release applies
    // the last position once more and ends the drag. M3 is the rotation part of the model-
    // view matrix of the last frame.
    void Press(int x, int y, bool leftButton);
    void Move(int x, int y, bool shift, int W, int H, const TMatrix3& M3);
    void Release(int x, int y, bool shift, int W, int H, const TMatrix3& M3);
    bool Dragging() const { return fDragging; }
    // The zoom-window box being dragged (screen pixels), when there is one.
    bool ZoomBoxShown() const { return fBoxShown; }
    int BoxX0() const { return fX0; }
    int BoxY0() const { return fY0; }
    int BoxX() const { return fX; }
    int BoxY() const { return fY; }

  private:
    void Apply(int x, int y, bool shift, int W, int H, const TMatrix3& M3, bool release);

    bool fDragging = false;
    bool fBoxShown = false;
    int fX0 = 0;
    int fY0 = 0;
    int fX = 0;
    int fY = 0;
    TVec3 fPanAtPress;
    double fZ2AtPress = 1.0;
    double fRotAtPress[3] = {0.0, 0.0, 0.0};
};

} // namespace korva::gui

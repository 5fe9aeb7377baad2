#pragma once

#include "gui/views/ViewProject.h"

#include <array>
#include <string>
#include <vector>

namespace korva::gui {

// Scene coordinates of the 3-D view: x and y horizontal, z up, the shaft axis on the z axis,
// the ground surface and the shaft head at z = 0, a depth d at z = -d; project length unit.
struct TVec3
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    bool operator==(const TVec3&) const = default;
};

// Colour with alpha, components 0 to 1.
struct TRgba
{
    float r = 0.0F;
    float g = 0.0F;
    float b = 0.0F;
    float a = 1.0F;
    bool operator==(const TRgba&) const = default;
};

// One drawing primitive of a display list. Filled polygons (triangle fans) wind counter-
// clockwise seen from outside, so back-face culling keeps the faces that face the viewer.
enum class TPrimitiveKind { TriangleFan, LineStrip, LineLoop, Lines };
struct TPrimitive
{
    TPrimitiveKind Kind = TPrimitiveKind::LineStrip;
    TRgba Colour;
    std::vector<TVec3> Vertices;
};

// Text written at a scene point with a fixed pixel size, facing the viewer, over everything.
struct TSceneLabel
{
    TVec3 Position;
    std::string Text;
    TRgba Colour{0.0F, 0.0F, 0.0F, 1.0F};
};

// What one display list holds.
struct TSceneList
{
    std::vector<TPrimitive> Primitives;
    std::vector<TSceneLabel> Labels;
};

// What the scene contains.
struct TSceneShowFlags
{
    bool Shaft = true;
    bool WaterLevel = true;
    bool SoilLayers = true;
    bool LayerLabels = false;
    bool LayerDepths = false;
    bool GlobalAxes = true;
    bool operator==(const TSceneShowFlags&) const = default;
};

// Size of the scene: Zmax the deeper of the shaft tip and the last layer's bottom, G the
// half-width of the soil blocks (the greater of 12.5 D and the water depth), M the largest
// dimension, Wx the scene width and zc the vertical centre.
struct TSceneExtent
{
    double Zmax = 0.0;
    double G = 0.0;
    double M = 0.0;
    double Wx = 0.0;
    double zc = 0.0;
};

// Shaft length the scene draws: PD, or the last layer's bottom when the length is sought
// (METHOD 1).
double SceneShaftLength(const TViewProject& project);
TSceneExtent SceneExtentOf(const TViewProject& project);
// Pixels per model unit that fit the scene in a client area with about 25 pixels to spare on
// each side; `previous` when the area has no room at all.
double FitZoom(int clientWidth, int clientHeight, const TSceneExtent& extent, double previous);
// Half depth of the orthographic projection in pixels, deep enough for the turned scene.
double ProjectionDepth(int width, int height, const TSceneExtent& extent, double D);

// Colour of soil layer row k.
TRgba SoilLayerColour(std::size_t k);
// Name of a soil layer in the scene by its kind code; "Layer n" for another code.
std::string SceneLayerName(int kind, std::size_t row);

// Height of the bell of the 3-D view: |D R - D| / 2 / tan(theta), theta in degrees.
double SceneBellHeight(double D, double R, double theta);

// The shaft as the 3-D view draws it: side surfaces of 20-sided cylinders and frustums, rings
// (outlines) and discs.
struct TShaftSurface
{
    double ZTop = 0.0;
    double ZBottom = 0.0;
    double DiameterTop = 0.0;
    double DiameterBottom = 0.0;
    TRgba Colour;
};
struct TShaftRing
{
    double Z = 0.0;
    double Diameter = 0.0;
};
struct TShaftDisc
{
    double Z = 0.0;
    double Diameter = 0.0;
    bool FacingUp = true;
};
struct TShaftModel
{
    bool Belled = false;
    double BellHeight = 0.0;
    double EffectiveLength = 0.0;
    std::vector<TShaftSurface> Surfaces; // from the head down
    std::vector<TShaftRing> Rings;
    std::vector<TShaftDisc> Discs;
};
TShaftModel BuildShaftModel(const TViewProject& project);

constexpr int CylinderSides = 20;
// Vertices of a horizontal circle of the given diameter at height z, counter-clockwise seen
// from above, starting on the +x axis.
std::vector<TVec3> CircleVertices(double diameter, double z, int sides = CylinderSides);
// The side faces of a cylinder or frustum, each a quadrilateral facing outwards.
std::vector<TPrimitive> SideSurfacePrimitives(const TShaftSurface& surface);

// Display list of the soil layers with the water table.
TSceneList BuildSoilList(const TViewProject& project, const TSceneShowFlags& show,
                         const TSceneExtent& extent);
// Display list of the shaft (the combined-plot diagrams are appended by their own builder).
TSceneList BuildShaftList(const TViewProject& project, const TSceneShowFlags& show);
// The global axes from the origin, each `length` model units long: X blue along +x, Y green
// along +y, D red along -z.
TSceneList BuildAxes(double length);

// Turns a polygon so that it winds counter-clockwise seen from outside, outside being the
// side away from `inside`.
void OrientOutward(std::vector<TVec3>& polygon, const TVec3& inside);
// Normal of a polygon by its winding (not normalised).
TVec3 PolygonNormal(const std::vector<TVec3>& polygon);

} // namespace korva::gui

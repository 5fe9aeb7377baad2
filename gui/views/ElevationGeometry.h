#pragma once

#include "gui/views/ViewProject.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korva::gui {

// Hatch of a soil band in the elevation view.
enum class TSoilHatch {
    Vertical,      // vertical lines
    DiagonalUp,    // diagonal lines rising to the right
    DiagonalCross, // diagonal cross-hatch
    Cross,         // horizontal-and-vertical cross-hatch
};

// Name, hatch and colour (0xRRGGBB) of a soil type of the elevation view.
struct TSoilTypeStyle
{
    const char* Name;
    TSoilHatch Hatch;
    std::uint32_t Colour;
};

// Soil types by material kind code 1-9:
//   code  name                      hatch                   colour
constexpr std::array<TSoilTypeStyle, 9> SoilTypeStyles{{
    {"Sand", TSoilHatch::Vertical, 0xC0C0C0},                // 1 silver
    {"Clay", TSoilHatch::DiagonalUp, 0x808000},              // 2 olive
    {"Shale", TSoilHatch::DiagonalCross, 0x800080},          // 3 purple
    {"Strong Rock", TSoilHatch::Cross, 0xA6CAF0},            // 4 sky blue
    {"Decomposed Rock/Gravel", TSoilHatch::Cross, 0x800000}, // 5 maroon
    {"Weak Rock", TSoilHatch::Cross, 0x00FFFF},              // 6 aqua
    {"Strong Rock", TSoilHatch::Cross, 0xA6CAF0},            // 7 sky blue
    {"Gravelly Sand", TSoilHatch::DiagonalCross, 0x0000FF},  // 8 blue
    {"Gravel", TSoilHatch::DiagonalCross, 0xFF00FF},         // 9 fuchsia
}};

// Style of a material kind code; none for a code outside 1-9 (drawn unfilled, unnamed).
std::optional<TSoilTypeStyle> SoilTypeStyleOf(int kind);

struct TDrawPoint
{
    double x = 0.0;
    double y = 0.0;
    bool operator==(const TDrawPoint&) const = default;
};

// A part of the shaft in drawing units (x = 0 on the axis, y downward, the ground at y = 2 D):
// corners upper left, upper right, lower left, lower right.
struct TShaftPart
{
    std::array<TDrawPoint, 4> Corners;
};

// Colour of the shaft part at `index` of the list: the ignored top portion red, the effective
// shaft grey, the ignored bottom portion blue, the bell (and any later part) grey.
std::uint32_t ShaftPartColour(std::size_t index);

// Height of a bell of base diameter RATIO x D widening at BELANGL degrees from the vertical;
// 0 without a bell (BELANGL <= 0 or RATIO <= 1).
double ElevationBellHeight(double D, double RATIO, double BELANGL);

// Drawing extent in drawing units.
struct TDrawingExtent
{
    double Left = -10.0;
    double Right = 10.0;
    double Top = 0.0;
    double Bottom = 10.0;
    bool operator==(const TDrawingExtent&) const = default;
};

// One soil band of the elevation view.
struct TSoilBand
{
    double TopDepth = 0.0;
    double BottomDepth = 0.0;
    int Kind = 0;
    std::string Label; // "Layer 1; depth= 0.00 - 15.00; Clay"
};

// Geometry and view state of the elevation view: the shaft parts and the drawing extent
// built from the project, the visible window fitted to the client area with the same scale
// across and down, and the mapping between drawing units and pixels.
class TElevationView
{
  public:
    // Rebuilds the parts and the extent from the project (each time the window is activated
    // or the project changes). With no soil layer the part list is emptied and the extent
    // kept. The layout has to be redone afterwards.
    void Rebuild(const TViewProject& project);
    // Fits the visible window to a client area; false (nothing to draw) when the proportion
    // is undefined: a client area or an extent without width or height.
    bool Layout(int clientWidth, int clientHeight);
    bool NoDrawing() const { return fNoDrawing; }

    const TViewProject& Project() const { return fProject; }
    const std::vector<TShaftPart>& Parts() const { return fParts; }
    const TDrawingExtent& Extent() const { return fExtent; }
    const TDrawingExtent& Visible() const { return fVisible; }
    // The ground surface in drawing units (y = 2 D).
    double GroundY() const { return 2.0 * fProject.DSTART; }
    // Length drawn for the shaft: PD, or the last layer's bottom when PD is (nearly) 0.
    double DrawnShaftLength() const;

    // Drawing units to client pixels and back.
    int MapX(double x) const;
    int MapY(double y) const;
    double UnmapY(int py) const;
    // Caption for the mouse at pixel row py: "  Depth: " + depth below the ground, 1 decimal.
    std::string DepthReadout(int py) const;

    // The soil bands from the surface down with their labels; with the unit word on the page.
    std::vector<TSoilBand> Bands(bool withUnitWord = false) const;

  private:
    TViewProject fProject;
    std::vector<TShaftPart> fParts;
    TDrawingExtent fExtent;
    TDrawingExtent fVisible;
    int fWidth = 0;
    int fHeight = 0;
    bool fNoDrawing = false;
};

// Mapping of the print-out on a page of Wp x Hp device pixels: the profile from the ground
// to the last layer's bottom over the middle 80 % of the page height, the same scale across.
class TElevationPage
{
  public:
    TElevationPage(const TElevationView& view, int pageWidth, int pageHeight);
    // False when there is nothing to scale (no layer and no diameter).
    bool Valid() const { return fYmax > 0.0; }
    int MapDepth(double depth) const; // depth below the ground
    int MapY(double y) const;         // drawing units (y = depth + 2 D)
    int MapX(double x) const;         // drawing units, x = 0 on the axis
    int Left() const;                 // 0.1 Wp
    int Right() const;                // 0.9 Wp
    int LabelX() const;               // 0.15 Hp
    int GroundStep() const;           // round(0.02 Hp)
    int StrokeLength() const;         // round(0.01 Hp)
    // Start points of the ground hatch strokes along the ground line.
    std::vector<int> GroundStrokeStarts() const;

  private:
    double fYmax;
    double fGround;
    int fWidth;
    int fHeight;
};

// Start points of the ground hatch strokes on the screen: every 20 pixels from x = 20 while
// x < clientWidth - 25.
std::vector<int> ScreenGroundStrokeStarts(int clientWidth);

} // namespace korva::gui

#pragma once
#include <QIcon>

namespace korva::gui {

// Pictures of the main window's tool buttons, drawn at run time.
enum class ToolBarGlyph {
    NewFile,
    OpenFile,
    SaveFile,
    Title,
    ShaftProperties,
    SoilLayers,
    FactorOfSafety,
    Run,
    ViewOutput,
    SoilProfile,
    View3D,
    CombinedUltimate,
    CombinedFactored,
    LoadSettlement,
    TzCurves,
    QwCurves,
    LiveResults,
};

QIcon ToolBarIcon(ToolBarGlyph glyph);

} // namespace korva::gui

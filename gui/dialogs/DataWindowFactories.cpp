#include "gui/dialogs/DataWindowFactories.h"

#include "gui/dialogs/DesignChart.h"
#include "gui/dialogs/FactorOfSafety.h"
#include "gui/dialogs/Options.h"
#include "gui/dialogs/PileProperties.h"
#include "gui/dialogs/ShaftLength.h"
#include "gui/dialogs/ShaftLoad.h"
#include "gui/dialogs/SoilLayers.h"
#include "gui/dialogs/TZPrint.h"
#include "gui/dialogs/Title.h"
#include "gui/dialogs/VaryLength.h"
#include "gui/dialogs/WaterDepth.h"

#include <QApplication>

namespace korva::gui {

namespace {

template <class TWindow> ChildWindowFactory Make()
{
    return [](const TChildWindowContext& context) -> QWidget* { return new TWindow(context); };
}

} // namespace

std::map<ChildWindowKind, ChildWindowFactory> DataWindowFactories()
{
    return {
        {ChildWindowKind::Title, Make<TfrmTitle>()},
        {ChildWindowKind::ShaftProperties, Make<TfrmPileProperties>()},
        {ChildWindowKind::FactorOfSafety, Make<TfrmFactorOfSafety>()},
        {ChildWindowKind::WaterTable, Make<TfrmWaterDepth>()},
        {ChildWindowKind::ShaftLength, Make<TfrmShaftLength>()},
        {ChildWindowKind::DesignLoad, Make<TfrmShaftLoad>()},
        {ChildWindowKind::MultipleLengths, Make<TfrmVaryLength>()},
        {ChildWindowKind::DesignCharts, Make<TfrmDesignChart>()},
        {ChildWindowKind::ControlOptions, Make<TfrmOptions>()},
        {ChildWindowKind::SoilLayers, Make<TDlgSoilLayers>()},
        // The t-z printing option is a modal window: it is done when the factory returns.
        {ChildWindowKind::TzPrinting,
         [](const TChildWindowContext& context) -> QWidget* {
             TfrmTZPrint dialog(context.Project, QApplication::activeWindow());
             dialog.exec();
             return nullptr;
         }},
    };
}

} // namespace korva::gui

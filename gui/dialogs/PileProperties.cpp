#include "gui/dialogs/PileProperties.h"

#include "gui/controls/DataEdit.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace korva::gui {

namespace {

constexpr const char* Advice =
    "The shaft diameter is stepped in increments of 6 inches (0.15 m) from the minimum to the "
    "maximum diameter; the design charts can set another increment.\n\n"
    "The upper exclusion zone is the top portion of the shaft that carries no side friction, "
    "for example soil that may shrink away from the shaft or be removed by scour.\n\n"
    "The bottom portion without side friction is measured from the top of the bell for a "
    "belled shaft, or from the base for a straight shaft. For belled shafts a bell angle of "
    "45 degrees and a ratio of base to shaft diameter of up to 3 are usual.";

} // namespace

TfrmPileProperties::TfrmPileProperties(const TChildWindowContext& context)
    : TDataWindow(context, "Drilled-Shaft Properties")
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    fDSTART = AddField(grid, 0, "Minimum Shaft Diameter, B, to be Considered", "L2", "DSTART",
                       "Practical minimum value is 2 ft or 0.6 m");
    fDIALIM = AddField(grid, 1, "Maximum Shaft Diameter, B, to be Considered", "L2", "DIALIM",
                       "Practical maximum is 12 ft or 3.6 m");
    fDialimNote = Note("(Enter 0 if same as minimum)");
    grid->addWidget(fDialimNote, 1, 2);
    fRATIO = AddField(grid, 2, "&Ratio of Base Diameter to Shaft Diameter,  Bb/B", "", "RATIO",
                      "Usual value for belled shafts is 3");
    grid->addWidget(Note("(Enter 0 for straight shaft)"), 2, 2);
    fBELANGL = AddField(grid, 3, "&Angle of Bell with Respect to Vertical,  Ang  (deg)", "",
                        "BELANGL", "Usual value for belled shafts is 45 degrees");
    grid->addWidget(Note("(Enter 0 for straight shaft)"), 3, 2);
    fTOPLENG = AddField(grid, 4, "Length of &Upper Exclusion Zone without Skin Friction, Lue", "L2",
                        "TOPLENG");
    fBS = AddField(grid, 5, "Lenght of Bottom Portion of Shaft without Skin Friction, Lle", "L2",
                   "BS", "From top of bell for belled shafts or from base for straight shafts");
    fEPILE = AddField(grid, 6, "&Modulus of Elasticity of Drilled Shaft ", "F/L²", "EPILE");

    auto* advice = new QPlainTextEdit(Advice, this);
    advice->setObjectName("Advice");
    advice->setReadOnly(true);
    advice->setFixedHeight(advice->fontMetrics().lineSpacing() * 10);
    layout->addWidget(advice);
    ShowProjectValues();
}

void TfrmPileProperties::LoadValues()
{
    const TProgramData& p = Project();
    fDSTART->SetNumber(p.DSTART);
    fDIALIM->SetNumber(p.DIALIM);
    fRATIO->SetNumber(p.RATIO);
    fBELANGL->SetNumber(p.BELANGL);
    fTOPLENG->SetNumber(p.TOPLENG);
    fBS->SetNumber(p.BS);
    fEPILE->SetNumber(p.EPILE);
}

void TfrmPileProperties::StoreValues()
{
    TProgramData& p = Project();
    p.Store(p.DSTART, Number(fDSTART, p.DSTART));
    p.Store(p.DIALIM, Number(fDIALIM, p.DIALIM));
    p.Store(p.RATIO, Number(fRATIO, p.RATIO));
    p.Store(p.BELANGL, Number(fBELANGL, p.BELANGL));
    p.Store(p.TOPLENG, Number(fTOPLENG, p.TOPLENG));
    p.Store(p.BS, Number(fBS, p.BS));
    p.Store(p.EPILE, Number(fEPILE, p.EPILE));
}

void TfrmPileProperties::UpdateEnabling()
{
    // Multiple lengths of a given shaft length are analysed for one diameter.
    const bool oneDiameter = Project().METHOD == 2 && Project().IPENT == 1;
    fDIALIM->setEnabled(!oneDiameter);
    fDialimNote->setVisible(!oneDiameter);
}

} // namespace korva::gui

#pragma once
#include "gui/dialogs/DataWindow.h"
#include "gui/dialogs/LengthVariation.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QTableWidget;
class QToolButton;

namespace korva::gui {

class TSettlementGrid;

// "ASD/LRFD Design Charts": whether design charts are computed (IChart), the variation of
// shaft length and diameter they span (PD, PDMIN, PDINCR, DIAMINCR) and the settlements at
// which the head loads are charted (NPOINTPD points of PDSETT, inches or metres).
//
// The grid shows one row per point; the rows follow "Number of Points" whenever it holds a
// whole number from 1 to 10. Leaving the window stores as many settlements as there are rows,
// and that number as NPOINTPD: a project without settlements (NPOINTPD 0) shows the field's
// minimum 1 but no row, and keeps NPOINTPD 0 until the user gives it points.
class TfrmDesignChart : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmDesignChart(const TChildWindowContext& context);

    QCheckBox* Compute() const { return fCompute; }
    TDataEdit* Points() const { return fPoints; }
    QToolButton* Up() const { return fUp; }
    QToolButton* Down() const { return fDown; }
    QTableWidget* Settlements() const;

  protected:
    void LoadValues() override;
    void StoreValues() override;
    void UpdateEnabling() override;
    bool CheckOtherEntries() override;

  private:
    // The point rows follow the number of points when it is a whole number from 1 to 10.
    void PointsChanged();
    void SetPointRows(int points);
    void StepPoints(int step);
    int PointRows() const;

    QCheckBox* fCompute;
    QGroupBox* fVariation;
    QGroupBox* fDefined;
    TLengthVariation fLengths;
    TDataEdit* fDIAMINCR;
    TDataEdit* fPoints;
    QToolButton* fUp;
    QToolButton* fDown;
    TSettlementGrid* fGrid;
    // Texts of the ten point rows; rows cut off keep theirs for when they come back.
    std::array<QString, 10> fCellTexts;
    bool fFilling = false;
};

} // namespace korva::gui

#pragma once

#include "gui/views/CombinedPlotDiagrams.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QPushButton;

namespace korva::gui {

class TDlgBlock;

// "Combined Plots": the options of the capacity diagrams of the 3-D view. A small window
// that stays on top; every change is stored in the view at once and redraws it.
class TDlgPileDiagrams : public QDialog
{
    Q_OBJECT
  public:
    TDlgPileDiagrams(TDlgBlock& view, QWidget* parent);

    // Takes the view's options into the controls and shows the window.
    void ShowOptions(const TDiagramOptions& options);
    // Places the window over the main window (its frame in screen coordinates).
    void PlaceOver(const QRect& mainFrame);

    QCheckBox* ShowPlots() const { return fShowPlots; }
    QCheckBox* SkinFriction() const { return fSkin; }
    QCheckBox* TipResistance() const { return fTip; }
    QCheckBox* TotalCapacity() const { return fTotal; }
    QRadioButton* Ultimate() const { return fUltimate; }
    QRadioButton* Factored() const { return fFactored; }
    QCheckBox* MaximumValues() const { return fMaximum; }
    QLineEdit* SizeFactor() const { return fSizeFactor; }
    QToolButton* SizeUp() const { return fUp; }
    QToolButton* SizeDown() const { return fDown; }
    QLabel* SizeFactorNote() const { return fNote; }
    QPushButton* CloseButton() const { return fClose; }

  private:
    void Store();
    void StepFactor(bool up);
    void EnableControls();

    TDlgBlock& fView;
    TDiagramOptions fOptions;
    bool fLoading = false;
    QCheckBox* fShowPlots;
    QCheckBox* fSkin;
    QCheckBox* fTip;
    QCheckBox* fTotal;
    QRadioButton* fUltimate;
    QRadioButton* fFactored;
    QCheckBox* fMaximum;
    QLabel* fSizeLabel;
    QLineEdit* fSizeFactor;
    QToolButton* fUp;
    QToolButton* fDown;
    QLabel* fNote;
    QPushButton* fClose;
};

} // namespace korva::gui

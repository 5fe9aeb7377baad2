#pragma once
#include "gui/dialogs/DataWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korva::gui {

class TTzDepthsGroup;

// "Control Options": the sand end-bearing option (IMOD), the report's output increment (PINC),
// elevations as depth labels (UseElevation, ValElevation), the text editor command of the
// program, and the additional t-z curves (PrintTZCurves and their depths).
class TfrmOptions : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmOptions(const TChildWindowContext& context);

    QRadioButton* LinearEndBearing() const { return fLinear; }
    QRadioButton* MaximumEndBearing() const { return fMaximum; }
    QCheckBox* UseElevation() const { return fUseElevation; }
    QLineEdit* TextEditor() const { return fEditor; }
    QPushButton* Browse() const { return fBrowse; }
    TTzDepthsGroup* TzDepths() const { return fTz; }

    // Chooses a program for the text editor: an open dialog for an existing executable file,
    // starting at the current command. The chosen path replaces the editor field.
    void BrowseClick();

  protected:
    void LoadValues() override;
    void StoreValues() override;
    void UpdateEnabling() override;

  private:
    QRadioButton* fLinear;
    QRadioButton* fMaximum;
    TDataEdit* fPINC;
    QCheckBox* fUseElevation;
    TDataEdit* fValElevation;
    QLineEdit* fEditor;
    QPushButton* fBrowse;
    TTzDepthsGroup* fTz;
};

} // namespace korva::gui

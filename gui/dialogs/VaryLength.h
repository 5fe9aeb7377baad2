#pragma once
#include "gui/dialogs/DataWindow.h"
#include "gui/dialogs/LengthVariation.h"

class QCheckBox;

namespace korva::gui {

// "Multiple Shaft Lengths": whether a series of shaft lengths is analysed for the specified
// diameter (IPENT), from the minimum to the maximum length in steps of the increment.
class TfrmVaryLength : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmVaryLength(const TChildWindowContext& context);
    QCheckBox* Evaluate() const { return fEvaluate; }

  protected:
    void LoadValues() override;
    void StoreValues() override;
    void UpdateEnabling() override;

  private:
    QCheckBox* fEvaluate;
    TLengthVariation fLengths;
    QWidget* fDefaultNote;
};

} // namespace korva::gui

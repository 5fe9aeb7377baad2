#pragma once
#include "gui/dialogs/DataWindow.h"

namespace korva::gui {

class TLoadingGroup;

// "Drilled Shaft Length": the proposed shaft length PD of computation method 2 and the type of
// loading. A positive length zeroes the design load.
class TfrmShaftLength : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmShaftLength(const TChildWindowContext& context);
    TLoadingGroup* Loading() const { return fLoading; }

  protected:
    void LoadValues() override;
    void StoreValues() override;
    void UpdateEnabling() override;

  private:
    TDataEdit* fPD;
    TLoadingGroup* fLoading;
};

} // namespace korva::gui

#pragma once
#include "gui/dialogs/DataWindow.h"

namespace korva::gui {

class TLoadingGroup;

// "Specification of Design Load": the design load LPD of computation method 1 and the type of
// loading. A positive load zeroes the shaft length.
class TfrmShaftLoad : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmShaftLoad(const TChildWindowContext& context);
    TLoadingGroup* Loading() const { return fLoading; }

  protected:
    void LoadValues() override;
    void StoreValues() override;

  private:
    TDataEdit* fLPD;
    TLoadingGroup* fLoading;
};

} // namespace korva::gui

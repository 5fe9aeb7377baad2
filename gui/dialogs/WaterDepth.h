#pragma once
#include "gui/dialogs/DataWindow.h"

namespace korva::gui {

// "Water Table": the depth of the water table below the ground surface (WTD).
class TfrmWaterDepth : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmWaterDepth(const TChildWindowContext& context);

  protected:
    void LoadValues() override;
    void StoreValues() override;

  private:
    TDataEdit* fWTD;
};

} // namespace korva::gui

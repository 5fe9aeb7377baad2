#pragma once
#include "gui/dialogs/DataWindow.h"

namespace korva::gui {

// "Factor of Safety (F.S.)": the factors of allowable stress design on the ultimate side
// friction (FST) and the ultimate base capacity (FSB).
class TfrmFactorOfSafety : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmFactorOfSafety(const TChildWindowContext& context);

  protected:
    void LoadValues() override;
    void StoreValues() override;

  private:
    TDataEdit* fFST;
    TDataEdit* fFSB;
};

} // namespace korva::gui

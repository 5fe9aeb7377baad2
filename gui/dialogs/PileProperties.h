#pragma once
#include "gui/dialogs/DataWindow.h"

class QLabel;

namespace korva::gui {

// "Drilled-Shaft Properties": the range of stem diameters, the bell, the portions without
// side resistance and the modulus of the shaft (DSTART, DIALIM, RATIO, BELANGL, TOPLENG, BS,
// EPILE). With multiple lengths of a given shaft length one diameter is analysed: the maximum
// diameter is then not asked for.
class TfrmPileProperties : public TDataWindow
{
    Q_OBJECT

  public:
    explicit TfrmPileProperties(const TChildWindowContext& context);

  protected:
    void LoadValues() override;
    void StoreValues() override;
    void UpdateEnabling() override;

  private:
    TDataEdit* fDSTART;
    TDataEdit* fDIALIM;
    TDataEdit* fRATIO;
    TDataEdit* fBELANGL;
    TDataEdit* fTOPLENG;
    TDataEdit* fBS;
    TDataEdit* fEPILE;
    QLabel* fDialimNote;
};

} // namespace korva::gui

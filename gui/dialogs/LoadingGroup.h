#pragma once
#include <QGroupBox>

class QGridLayout;
class QRadioButton;

namespace korva::gui {

class TDataEdit;
class TDataWindow;
class TProgramData;

// The "Type of Loading" group of the shaft-length and design-load windows: compression or
// uplift (KCYCL) and the reduction factor for uplift loading (RCYCL).
class TLoadingGroup : public QGroupBox
{
    Q_OBJECT

  public:
    // reductionOnlyForUplift: the factor can be entered only while uplift is chosen.
    TLoadingGroup(TDataWindow& window, QGridLayout* grid, int row, bool reductionOnlyForUplift);

    void Load(const TProgramData& project);
    void Store(TProgramData& project) const;
    void UpdateEnabling();

    QRadioButton* Compression() const { return fCompression; }
    QRadioButton* Uplift() const { return fUplift; }
    TDataEdit* Reduction() const { return fReduction; }

  private:
    QRadioButton* fCompression;
    QRadioButton* fUplift;
    TDataEdit* fReduction;
    bool fReductionOnlyForUplift;
};

} // namespace korva::gui

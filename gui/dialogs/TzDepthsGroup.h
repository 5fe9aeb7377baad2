#pragma once
#include <QGroupBox>

class QCheckBox;
class QPushButton;

namespace korva::gui {

class TGridTable;

// "Printing Additional t-z Curves": whether t-z curves are printed at the depths of the t-z
// depth table (PrintTZCurves), and "Edit Depths", which shows that table in a modal grid
// window while the box is checked.
class TTzDepthsGroup : public QGroupBox
{
    Q_OBJECT

  public:
    TTzDepthsGroup(TGridTable& depths, QWidget* parent);

    void Load(int printTZCurves);
    int PrintTZCurves() const;
    QCheckBox* Print() const { return fPrint; }
    QPushButton* EditDepths() const { return fEditDepths; }

  private:
    TGridTable& fDepths;
    QCheckBox* fPrint;
    QPushButton* fEditDepths;
};

} // namespace korva::gui

#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

namespace korva::gui {

// "Save Attributes": size of a saved plot picture in inches and its pixels per inch.
class TdlgFormat : public QDialog
{
    Q_OBJECT
  public:
    explicit TdlgFormat(QWidget* parent = nullptr);

    double HeightInches() const;
    double WidthInches() const;
    int PixelsPerInch() const;

    QDoubleSpinBox* HeightBox() const { return fHeight; }
    QDoubleSpinBox* WidthBox() const { return fWidth; }
    QSpinBox* PpiBox() const { return fPpi; }

  private:
    QDoubleSpinBox* fHeight;
    QDoubleSpinBox* fWidth;
    QSpinBox* fPpi;
};

} // namespace korva::gui

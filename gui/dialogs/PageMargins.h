#pragma once

#include <QDialog>

#include <array>

class QSpinBox;

namespace korva::gui {

// Page margins of printed plots in thousandths of an inch (left, top, right, bottom).
class TdlgPageMargins : public QDialog
{
    Q_OBJECT
  public:
    TdlgPageMargins(const std::array<int, 4>& marginsMils, QWidget* parent = nullptr);
    std::array<int, 4> MarginsMils() const;

  private:
    std::array<QSpinBox*, 4> fBoxes{};
};

} // namespace korva::gui

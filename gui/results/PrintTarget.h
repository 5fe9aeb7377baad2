#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace korva::gui {

// Lets the user choose where a page goes: the print dialog when a printer is installed, else a
// PDF file (".pdf" added when missing) chosen in a save dialog that opens in `startFolder`.
// False when the user cancels.
bool ChoosePrintTarget(QPrinter& printer, QWidget* parent, const QString& startFolder);

} // namespace korva::gui

#pragma once
#include <QStringList>

#include <optional>

namespace korva::gui {

// Commands of korvawin that run without a window, for scripts:
//   korvawin --export-xlsx OUT.xlsx PROJECT.kv8d
//   korvawin --export-pdf OUT.pdf PROJECT.kv8d
//   korvawin --help
// True when the arguments (without the program) name one of them.
bool IsWindowlessCommand(const QStringList& arguments);

// Runs such a command and returns the exit status: 0 when the document was written; 1 when
// the project could not be analysed or the document not written (the message on standard
// error); 2 when the command line is not understood (the usage on standard error). A
// QApplication must exist; no window is shown.
int RunWindowlessCommand(const QStringList& arguments);

} // namespace korva::gui

#pragma once
#include <QString>

class QWidget;

namespace korva::gui {

// Shows a refused entry's message in an information box with an OK button, over the window of
// `field`. Line breaks of the message (CR) are shown as line breaks.
void ShowEntryMessage(QWidget* field, const QString& message);

// The text as the box shows it: every CR or CR LF becomes a line feed.
QString EntryMessageText(const QString& message);

} // namespace korva::gui

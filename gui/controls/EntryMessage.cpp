#include "gui/controls/EntryMessage.h"

#include "gui/model/ProgramTitle.h"

#include <QMessageBox>
#include <QWidget>

namespace korva::gui {

QString EntryMessageText(const QString& message)
{
    QString text = message;
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

void ShowEntryMessage(QWidget* field, const QString& message)
{
    QMessageBox::information(field != nullptr ? field->window() : nullptr, ApplicationTitle,
                             EntryMessageText(message));
}

} // namespace korva::gui

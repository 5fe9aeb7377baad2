#include "gui/dialogs/DataWindow.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/EntryMessage.h"
#include "gui/model/FieldLimits.h"
#include "gui/model/ProgramData.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace korva::gui {

TDataWindow::TDataWindow(const TChildWindowContext& context, const QString& caption)
    : fContext(context)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

TDataEdit* TDataWindow::AddField(QGridLayout* grid, int row, const QString& caption,
                                 const QString& unitCode, const char* limitsOf, const QString& hint)
{
    auto* label = new QLabel(this);
    auto* field = new TDataEdit(this);
    field->setObjectName(limitsOf);
    field->SetUnitsString(unitCode);
    field->SetCaption(caption);
    field->SetEditLabel(label);
    const TFieldLimits limits = EntryLimitsOf(limitsOf);
    field->SetMaxVal(limits.Max);
    field->SetMinVal(limits.Min);
    field->setToolTip(hint);
    label->setToolTip(hint);
    field->setMinimumWidth(110);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    fFields.push_back(field);
    connect(field, &QLineEdit::textEdited, this, [this] { UpdateEnabling(); });
    connect(field, &TDataEdit::Accepted, this, [this] { StoreAcceptedField(); });
    return field;
}

QLabel* TDataWindow::Note(const QString& text)
{
    auto* label = new QLabel(text, this);
    return label;
}

long double TDataWindow::Number(const TDataEdit* field, long double unchanged)
{
    try {
        return field->GetNumber();
    } catch (const EControlError&) {
        return unchanged;
    }
}

void TDataWindow::ShowProjectValues()
{
    for (TDataEdit* field : fFields)
        field->SetUnits(fContext.Project.Units());
    LoadValues();
    UpdateEnabling();
}

bool TDataWindow::StoreEdits()
{
    // The focused field first, with its range; then every other field must at least hold a
    // number.
    if (auto* focused = qobject_cast<TDataEdit*>(QApplication::focusWidget()))
        if (focused->window() == window() && isAncestorOf(focused) && !focused->CloseQuery())
            return false;
    for (TDataEdit* field : fFields) {
        if (!field->isEnabled())
            continue;
        try {
            field->GetNumber();
        } catch (const EControlError& error) {
            ShowEntryMessage(field, QString::fromStdString(error.what()));
            field->setFocus();
            field->selectAll();
            return false;
        }
    }
    if (!CheckOtherEntries())
        return false;
    StoreValues();
    fContext.Edited();
    return true;
}

void TDataWindow::StoreAcceptedField()
{
    if (!fContext.StoreEachAcceptedField())
        return;
    // Stored only while every enabled field holds a number: a field still wrong is told about
    // when the window is left, as it is without live results.
    for (TDataEdit* field : fFields) {
        if (!field->isEnabled())
            continue;
        try {
            field->GetNumber();
        } catch (const EControlError&) {
            return;
        }
    }
    if (!CheckOtherEntries())
        return;
    StoreValues();
    fContext.Edited();
}

void TDataWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (fChoicesWatched)
        return;
    fChoicesWatched = true;
    // A choice the user makes (a check box, an option button, a list entry) is an accepted
    // entry too. Queued, so that the window's own handler of the choice has run first.
    for (QAbstractButton* button : findChildren<QAbstractButton*>())
        if (button->isCheckable())
            connect(
                button, &QAbstractButton::clicked, this, [this] { StoreAcceptedField(); },
                Qt::QueuedConnection);
    for (QComboBox* list : findChildren<QComboBox*>())
        connect(
            list, &QComboBox::activated, this, [this] { StoreAcceptedField(); },
            Qt::QueuedConnection);
}

void TDataWindow::closeEvent(QCloseEvent* event)
{
    if (!StoreEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace korva::gui

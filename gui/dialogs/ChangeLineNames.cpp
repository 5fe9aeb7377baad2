#include "gui/dialogs/ChangeLineNames.h"

#include "gui/results/PlotPainter.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>

namespace korva::gui {

TfrmLineNames::TfrmLineNames(const QStringList& names, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Legend"));
    setMinimumSize(195, 167);
    Inform = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    auto* layout = new QVBoxLayout(this);
    fList = new QListWidget(this);
    fList->addItems(names);
    layout->addWidget(fList, 1);
    auto* label = new QLabel(QStringLiteral("Type new legend below:"), this);
    fEdit = new QLineEdit(this);
    label->setBuddy(fEdit);
    layout->addWidget(label);
    layout->addWidget(fEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    connect(fList, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
    connect(fEdit, &QLineEdit::editingFinished, this, [this] { StoreEdit(); });
    // Enter in the name box stores the name; the dialog's OK button does not take it.
    fEdit->installEventFilter(this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        StoreEdit();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!names.isEmpty())
        fList->setCurrentRow(0);
}

bool TfrmLineNames::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            StoreEdit();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmLineNames::SelectionChanged()
{
    int row = fList->currentRow();
    if (row < 0)
        return;
    QPalette palette = fEdit->palette();
    palette.setColor(QPalette::Text, CurveColour(row));
    fEdit->setPalette(palette);
    fEdit->setText(fList->item(row)->text());
}

void TfrmLineNames::StoreEdit()
{
    QListWidgetItem* entry = fList->currentItem();
    if (!entry)
        return;
    if (fEdit->text().isEmpty()) {
        // The previous name comes back first, so that the box losing its focus to the message
        // does not refuse the same empty text a second time.
        fEdit->setText(entry->text());
        if (Inform)
            Inform(QStringLiteral("The line must have a name!"));
        return;
    }
    entry->setText(fEdit->text());
}

QStringList TfrmLineNames::Names() const
{
    QStringList names;
    for (int k = 0; k < fList->count(); ++k)
        names << fList->item(k)->text();
    return names;
}

} // namespace korva::gui

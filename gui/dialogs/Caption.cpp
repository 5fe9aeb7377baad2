#include "gui/dialogs/Caption.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korva::gui {

TfrmGraphCaption::TfrmGraphCaption(const QString& caption, bool onTop, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Graph Caption"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter Graph Caption"), this);
    fEdit = new QLineEdit(caption, this);
    label->setBuddy(fEdit);
    fEdit->setMinimumWidth(320);
    layout->addWidget(label);
    layout->addWidget(fEdit);

    auto* location = new QGroupBox(QStringLiteral("Caption Location"), this);
    auto* row = new QHBoxLayout(location);
    fTop = new QRadioButton(QStringLiteral("Top"), location);
    fBottom = new QRadioButton(QStringLiteral("Bottom"), location);
    (onTop ? fTop : fBottom)->setChecked(true);
    row->addWidget(fTop);
    row->addWidget(fBottom);
    layout->addWidget(location);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

QString TfrmGraphCaption::GraphCaption() const
{
    return fEdit->text();
}

bool TfrmGraphCaption::CaptionOnTop() const
{
    return fTop->isChecked();
}

} // namespace korva::gui

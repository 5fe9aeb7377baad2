#include "gui/dialogs/ChangeActiveLines.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korva::gui {

namespace {
const QString kYes = QStringLiteral(" yes : ");
const QString kNo = QStringLiteral(" no  : ");
const QString kGap = QStringLiteral("   ");
} // namespace

TfrmActiveLines::TfrmActiveLines(const QStringList& names, const std::vector<bool>& active,
                                 QWidget* parent)
    : QDialog(parent), fNames(names)
{
    setWindowTitle(QStringLiteral("Active Curves"));
    setMinimumSize(190, 234);
    auto* layout = new QVBoxLayout(this);
    fList = new QListWidget(this);
    fList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QFont mono = fList->font();
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamily(QStringLiteral("Monospace"));
    fList->setFont(mono);
    for (int k = 0; k < names.size(); ++k) {
        fList->addItem(QString());
        SetEntry(k, k < static_cast<int>(active.size()) && active[static_cast<std::size_t>(k)]);
    }
    layout->addWidget(fList, 1);

    auto* row = new QHBoxLayout;
    auto* all = new QPushButton(QStringLiteral("Activate All"), this);
    auto* none = new QPushButton(QStringLiteral("Deactivate All"), this);
    auto* selected = new QPushButton(QStringLiteral("Activate/Deactivate Selected"), this);
    row->addWidget(all);
    row->addWidget(none);
    row->addWidget(selected);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);

    connect(all, &QPushButton::clicked, this, [this] { ActivateAll(); });
    connect(none, &QPushButton::clicked, this, [this] { DeactivateAll(); });
    connect(selected, &QPushButton::clicked, this, [this] { ToggleSelected(); });
    connect(fList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Toggle(fList->row(item)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TfrmActiveLines::SetEntry(int row, bool active)
{
    fList->item(row)->setText((active ? kYes : kNo) + kGap + fNames[row]);
}

void TfrmActiveLines::Toggle(int row)
{
    if (row < 0 || row >= fList->count())
        return;
    SetEntry(row, !fList->item(row)->text().startsWith(kYes));
}

void TfrmActiveLines::ActivateAll()
{
    for (int k = 0; k < fList->count(); ++k)
        SetEntry(k, true);
}

void TfrmActiveLines::DeactivateAll()
{
    for (int k = 0; k < fList->count(); ++k)
        SetEntry(k, false);
}

void TfrmActiveLines::ToggleSelected()
{
    for (int k = 0; k < fList->count(); ++k)
        if (fList->item(k)->isSelected())
            Toggle(k);
}

std::vector<bool> TfrmActiveLines::Active() const
{
    std::vector<bool> active;
    for (int k = 0; k < fList->count(); ++k)
        active.push_back(fList->item(k)->text().startsWith(kYes));
    return active;
}

} // namespace korva::gui

#include "gui/dialogs/LoadingGroup.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/dialogs/DataWindow.h"
#include "gui/model/ProgramData.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korva::gui {

TLoadingGroup::TLoadingGroup(TDataWindow& window, QGridLayout* grid, int row,
                             bool reductionOnlyForUplift)
    : QGroupBox("Type of Loading", &window), fReductionOnlyForUplift(reductionOnlyForUplift)
{
    auto* buttons = new QVBoxLayout(this);
    fCompression = new QRadioButton("C&ompression", this);
    fCompression->setObjectName("Compression");
    fUplift = new QRadioButton("&Uplift ", this);
    fUplift->setObjectName("Uplift");
    buttons->addWidget(fCompression);
    buttons->addWidget(fUplift);
    grid->addWidget(this, row, 0, 1, 2);
    fReduction =
        window.AddField(grid, row + 1, "&Reduction factor for uplift loading", "", "RCYCL");
    connect(fCompression, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
}

void TLoadingGroup::Load(const TProgramData& project)
{
    (project.KCYCL == 2 ? fUplift : fCompression)->setChecked(true);
    fReduction->SetNumber(project.RCYCL);
    UpdateEnabling();
}

void TLoadingGroup::Store(TProgramData& project) const
{
    long double reduction = project.RCYCL;
    try {
        reduction = fReduction->GetNumber();
    } catch (const EControlError&) {
        // a factor that cannot be used with compression is not asked for
    }
    project.StoreLoading(fUplift->isChecked() ? 2 : 1, reduction);
}

void TLoadingGroup::UpdateEnabling()
{
    if (fReductionOnlyForUplift)
        fReduction->setEnabled(fUplift->isChecked());
}

} // namespace korva::gui

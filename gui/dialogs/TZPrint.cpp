#include "gui/dialogs/TZPrint.h"

#include "gui/dialogs/TzDepthsGroup.h"
#include "gui/model/ProgramData.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace korva::gui {

TfrmTZPrint::TfrmTZPrint(TProgramData& project, QWidget* parent)
    : QDialog(parent), fProject(project)
{
    setWindowTitle("Option of Printing t-z Curves");
    auto* layout = new QVBoxLayout(this);
    fGroup = new TTzDepthsGroup(project.TblTZDepth(), this);
    fGroup->setTitle({});
    fGroup->setFlat(true);
    layout->addWidget(fGroup);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("Close");
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    fGroup->Load(project.PrintTZCurves);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmTZPrint::done(int result)
{
    fProject.Store(fProject.PrintTZCurves, fGroup->PrintTZCurves());
    QDialog::done(result);
}

} // namespace korva::gui

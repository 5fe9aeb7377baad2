#include "gui/dialogs/Title.h"

#include "gui/model/ProgramData.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korva::gui {

TfrmTitle::TfrmTitle(const TChildWindowContext& context) : TDataWindow(context, "Project Title")
{
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Enter line of text for project description:", this);
    fTitle = new QLineEdit(this);
    fTitle->setObjectName("Title");
    fTitle->setMaxLength(MaxTitleLength);
    fTitle->setMinimumWidth(fTitle->fontMetrics().horizontalAdvance(QString(60, 'n')));
    label->setBuddy(fTitle);
    layout->addWidget(label);
    layout->addWidget(fTitle);
    ShowProjectValues();
}

void TfrmTitle::LoadValues()
{
    fTitle->setText(QString::fromStdString(Project().Title));
}

void TfrmTitle::StoreValues()
{
    // Stored, and the project marked changed, only when the text differs.
    Project().Store(Project().Title, fTitle->text().toStdString());
}

} // namespace korva::gui

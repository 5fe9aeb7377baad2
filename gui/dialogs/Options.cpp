#include "gui/dialogs/Options.h"

#include "gui/controls/DataEdit.h"
#include "gui/controls/EntryMessage.h"
#include "gui/dialogs/TzDepthsGroup.h"
#include "gui/model/ProgramData.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korva::gui {

TfrmOptions::TfrmOptions(const TChildWindowContext& context)
    : TDataWindow(context, "Control Options")
{
    auto* layout = new QVBoxLayout(this);

    auto* endBearing = new QGroupBox("End Bearing in Sands", this);
    auto* endBearingLayout = new QVBoxLayout(endBearing);
    fLinear = new QRadioButton(
        "Use linear interpolation from zero at ground to \nmaximum values at 10 pile diameters.",
        endBearing);
    fLinear->setObjectName("IMODLinear");
    fMaximum = new QRadioButton("Use maximum values at any depth", endBearing);
    fMaximum->setObjectName("IMODMaximum");
    endBearingLayout->addWidget(fLinear);
    endBearingLayout->addWidget(fMaximum);
    layout->addWidget(endBearing);

    auto* printing = new QGroupBox("Printing Options", this);
    auto* printingGrid = new QGridLayout(printing);
    fPINC = AddField(printingGrid, 0, "Output Increment", "L2", "PINC");
    layout->addWidget(printing);

    auto* plot = new QGroupBox("Plot Options", this);
    auto* plotGrid = new QGridLayout(plot);
    fUseElevation =
        new QCheckBox("Use Elevation instead of Depth for Label of Vertical Axis", plot);
    fUseElevation->setObjectName("UseElevation");
    plotGrid->addWidget(fUseElevation, 0, 0, 1, 2);
    fValElevation = AddField(plotGrid, 1, "Elevation for Top of Shaft", "L2", "ValElevation");
    plotGrid->addWidget(
        new QLabel("Note: Labels will be updated after analysis is completed.", plot), 2, 0, 1, 2);
    layout->addWidget(plot);

    auto* editor = new QGroupBox("Text Editor Options", this);
    auto* editorLayout = new QHBoxLayout(editor);
    auto* editorLabel = new QLabel("&Text Editor:", editor);
    fEditor = new QLineEdit(editor);
    fEditor->setObjectName("TextEditor");
    fEditor->setMinimumWidth(260);
    // Empty: no editor of the user's; the program then takes $VISUAL or $EDITOR, the
    // desktop's graphical editor, or its own read-only viewer.
    fEditor->setPlaceholderText("desktop editor, else built-in viewer");
    fEditor->setToolTip("Program that shows the report and the run notes. Empty: $VISUAL or "
                        "$EDITOR, else the desktop's graphical editor, else the program's own "
                        "read-only viewer. A terminal editor runs inside a terminal window.");
    editorLabel->setBuddy(fEditor);
    fBrowse = new QPushButton("&Browse...", editor);
    fBrowse->setObjectName("Browse");
    fBrowse->setAutoDefault(false);
    editorLayout->addWidget(editorLabel);
    editorLayout->addWidget(fEditor, 1);
    editorLayout->addWidget(fBrowse);
    layout->addWidget(editor);

    fTz = new TTzDepthsGroup(Project().TblTZDepth(), this);
    layout->addWidget(fTz);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("Close");
    close->setAutoDefault(false);
    layout->addWidget(close, 0, Qt::AlignRight);

    connect(fUseElevation, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(fBrowse, &QPushButton::clicked, this, [this] { BrowseClick(); });
    connect(close, &QPushButton::clicked, this, [this] { window()->close(); });
    ShowProjectValues();
}

void TfrmOptions::LoadValues()
{
    const TProgramData& p = Project();
    fEditor->setText(Context().WordProcessor);
    fPINC->SetNumber(p.PINC);
    (p.IMOD == 1 ? fLinear : fMaximum)->setChecked(true);
    fUseElevation->setChecked(p.UseElevation == 1);
    fValElevation->SetNumber(p.ValElevation);
    fTz->Load(p.PrintTZCurves);
}

void TfrmOptions::StoreValues()
{
    TProgramData& p = Project();
    p.Store(p.IMOD, fLinear->isChecked() ? 1 : 0);
    p.Store(p.PINC, Number(fPINC, p.PINC));
    p.Store(p.UseElevation, fUseElevation->isChecked() ? 1 : 0);
    p.Store(p.ValElevation, Number(fValElevation, p.ValElevation));
    p.Store(p.PrintTZCurves, fTz->PrintTZCurves());
    // The editor is a setting of the user, not of the project.
    Context().WordProcessor = fEditor->text().trimmed();
}

void TfrmOptions::UpdateEnabling()
{
    fValElevation->setEnabled(fUseElevation->isChecked());
}

void TfrmOptions::BrowseClick()
{
    // The dialog starts at the program of the current command.
    const QStringList words = QProcess::splitCommand(fEditor->text());
    const QString current = words.isEmpty() ? QString() : words.first();
    QFileDialog dialog(this, "Browse", QFileInfo(current).absolutePath());
    dialog.setObjectName("BrowseDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({"Programs (*)", "All Files (*)"});
    if (!current.isEmpty() && QFileInfo(current).isFile())
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().first();
    const QFileInfo file(chosen);
    if (!file.isFile() || !file.isExecutable()) {
        ShowEntryMessage(fBrowse, "The file " + QDir::toNativeSeparators(chosen) +
                                      " is not a program that can be run.");
        return;
    }
    // A path with blanks is one word of the command.
    fEditor->setText(chosen.contains(' ') ? '"' + chosen + '"' : chosen);
}

} // namespace korva::gui

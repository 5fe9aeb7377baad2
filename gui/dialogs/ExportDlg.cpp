#include "gui/dialogs/ExportDlg.h"

#include "gui/results/GraphPlot.h"
#include "gui/results/PlotWorkbook.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace korva::gui {

namespace {

// The hourglass while the workbook is written, restored however the export ends.
class TBusyCursor
{
  public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

} // namespace

TDlgExport::TDlgExport(THooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      fHooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("Export to Excel"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Available Plots"), this);
    auto* groupLayout = new QHBoxLayout(group);
    fList = new QListWidget(group);
    fList->setObjectName(QStringLiteral("CheckListBoxPlots"));
    fList->setMinimumSize(360, 300);
    groupLayout->addWidget(fList, 1);
    auto* side = new QVBoxLayout;
    fMarkers = new QCheckBox(QStringLiteral("Add markers in plots"), group);
    fMarkers->setChecked(true);
    fSelectAll = new QPushButton(QStringLiteral("Select All"), group);
    fUnselectAll = new QPushButton(QStringLiteral("Unselect All"), group);
    fGenerate = new QPushButton(QStringLiteral("Generate Excel File"), group);
    fClose = new QPushButton(QStringLiteral("Close Window"), group);
    side->addWidget(fMarkers);
    side->addSpacing(12);
    for (QPushButton* button : {fSelectAll, fUnselectAll, fGenerate, fClose}) {
        button->setAutoDefault(false);
        side->addWidget(button);
    }
    side->addStretch(1);
    groupLayout->addLayout(side);
    layout->addWidget(group);
    // The workbook is a file written at once, not a spreadsheet program driven cell by cell.
    for (const char* note : {"The workbook opens in the desktop's spreadsheet program (if there "
                             "is one) once it has been written. ",
                             "Please wait until all the data has been written to the workbook.",
                             "Please note that the workbook is saved where you choose it; changes "
                             "made afterwards in the spreadsheet program need saving there."}) {
        auto* label = new QLabel(QString::fromUtf8(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    connect(fList, &QListWidget::itemChanged, this, [this] { UpdateGenerateButton(); });
    connect(fSelectAll, &QPushButton::clicked, this, [this] { SelectAllClick(); });
    connect(fUnselectAll, &QPushButton::clicked, this, [this] { UnselectAllClick(); });
    connect(fGenerate, &QPushButton::clicked, this, [this] { GenerateClick(); });
    connect(fClose, &QPushButton::clicked, this, &QDialog::close);
    setFixedSize(sizeHint().expandedTo(QSize(560, 0)));
}

void TDlgExport::showEvent(QShowEvent* event)
{
    // The list is built when the window is shown, not at every activation: the save dialog
    // of an export hands the activation back, and the choice must not be reset under it.
    FillList();
    QDialog::showEvent(event);
}

void TDlgExport::FillList()
{
    const QSignalBlocker quiet(fList);
    fList->clear();
    fGraphs = fHooks.Offered ? fHooks.Offered() : std::vector<TGraphPlot*>{};
    for (TGraphPlot* graph : fGraphs) {
        auto* item = new QListWidgetItem(QString::fromStdString(graph->Caption), fList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Checked);
    }
    UpdateGenerateButton();
}

void TDlgExport::UpdateGenerateButton()
{
    bool any = false;
    for (int i = 0; i < fList->count(); ++i)
        any = any || fList->item(i)->checkState() == Qt::Checked;
    fGenerate->setEnabled(any);
}

void TDlgExport::SetAllChecks(bool checked)
{
    {
        const QSignalBlocker quiet(fList);
        for (int i = 0; i < fList->count(); ++i)
            if (fList->item(i)->flags() & Qt::ItemIsEnabled)
                fList->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    UpdateGenerateButton();
}

void TDlgExport::SelectAllClick()
{
    SetAllChecks(true);
}

void TDlgExport::UnselectAllClick()
{
    SetAllChecks(false);
}

void TDlgExport::GenerateClick()
{
    std::vector<const TGraphPlot*> checked;
    for (int i = 0; i < fList->count() && i < static_cast<int>(fGraphs.size()); ++i)
        if (fList->item(i)->checkState() == Qt::Checked)
            checked.push_back(fGraphs[static_cast<std::size_t>(i)]);
    if (checked.empty())
        return;
    const QString path = fHooks.ChooseFile ? fHooks.ChooseFile() : QString();
    if (path.isEmpty())
        return;
    TWorkbookExport written;
    try {
        const TBusyCursor hourglass;
        written = WritePlotWorkbook(path.toStdString(), checked, fMarkers->isChecked());
    } catch (const std::exception& e) {
        if (fHooks.Warn)
            fHooks.Warn(QString::fromStdString(e.what()));
        return;
    }
    if (fHooks.Open)
        fHooks.Open(path);
    if (fHooks.Inform)
        fHooks.Inform(QString::fromStdString(WorkbookCompletedMessage(written.SeriesLimited)) +
                      QStringLiteral("Workbook: ") + path);
}

} // namespace korva::gui

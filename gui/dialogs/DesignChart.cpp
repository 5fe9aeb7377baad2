#include "gui/dialogs/DesignChart.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/EntryMessage.h"
#include "gui/controls/ExpressionEvaluator.h"
#include "gui/model/FieldLimits.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korva::gui {

// The settlement grid: an open cell editor can be committed before the values are stored.
class TSettlementGrid : public QTableWidget
{
  public:
    using QTableWidget::QTableWidget;
    void CommitOpenEditor()
    {
        if (state() == QAbstractItemView::EditingState)
            if (QWidget* editor = indexWidget(currentIndex())) {
                commitData(editor);
                closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
    }
};

namespace {
constexpr int MaxPoints = TProgramData::MaxSettlementCount;
}

TfrmDesignChart::TfrmDesignChart(const TChildWindowContext& context)
    : TDataWindow(context, "ASD/LRFD Design Charts")
{
    auto* layout = new QVBoxLayout(this);
    fCompute = new QCheckBox("Compute ASD/LRFD Design Charts", this);
    fCompute->setObjectName("IChart");
    layout->addWidget(fCompute);

    fVariation = new QGroupBox("Shaft Length/Diameter Variation", this);
    auto* grid = new QGridLayout(fVariation);
    layout->addWidget(fVariation);
    fLengths = TLengthVariation::Add(*this, grid, 0, "- default: 30% maximum shaft length", 20);
    fDIAMINCR = AddField(grid, 5, "Shaft diameter increment", "L2", "DIAMINCR");
    grid->addWidget(new QLabel("- default: 0.5 ft or .15 m", fVariation), 5, 2);

    fDefined = new QGroupBox("Defined Settlements", this);
    auto* points = new QGridLayout(fDefined);
    layout->addWidget(fDefined);
    fPoints = AddField(points, 0, "Number of Points", "", "NPOINTPD");
    fPoints->SetIntegerOnly(true);
    fPoints->setMinimumWidth(60);
    fUp = new QToolButton(fDefined);
    fUp->setObjectName("PointsUp");
    fUp->setArrowType(Qt::UpArrow);
    fDown = new QToolButton(fDefined);
    fDown->setObjectName("PointsDown");
    fDown->setArrowType(Qt::DownArrow);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(fUp);
    arrows->addWidget(fDown);
    points->addLayout(arrows, 0, 2);
    points->setColumnStretch(3, 1);

    fGrid = new TSettlementGrid(0, 2, fDefined);
    fGrid->setObjectName("Settlements");
    fGrid->verticalHeader()->hide();
    fGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    fGrid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    fGrid->setColumnWidth(0, 40);
    fGrid->horizontalHeader()->setStretchLastSection(true);
    fGrid->setMinimumWidth(220);
    fGrid->setFixedHeight(fGrid->horizontalHeader()->sizeHint().height() +
                          fGrid->verticalHeader()->defaultSectionSize() * 5 +
                          2 * fGrid->frameWidth());
    points->addWidget(fGrid, 1, 0, 1, 4);

    fCellTexts.fill("1");
    connect(fCompute, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    connect(fPoints, &QLineEdit::textChanged, this, [this] { PointsChanged(); });
    connect(fUp, &QToolButton::clicked, this, [this] { StepPoints(1); });
    connect(fDown, &QToolButton::clicked, this, [this] { StepPoints(-1); });
    connect(fGrid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!fFilling && item->column() == 1 && item->row() < MaxPoints)
            fCellTexts[static_cast<std::size_t>(item->row())] = item->text();
    });
    ShowProjectValues();
}

QTableWidget* TfrmDesignChart::Settlements() const
{
    return fGrid;
}

int TfrmDesignChart::PointRows() const
{
    return fGrid->rowCount();
}

void TfrmDesignChart::SetPointRows(int points)
{
    fFilling = true;
    fGrid->setRowCount(points);
    for (int row = 0; row < points; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        fGrid->setItem(row, 0, number);
        fGrid->setItem(row, 1, new QTableWidgetItem(fCellTexts[static_cast<std::size_t>(row)]));
    }
    fFilling = false;
}

void TfrmDesignChart::LoadValues()
{
    const TProgramData& p = Project();
    fCompute->setChecked(p.IChart == 1);
    fLengths.Maximum->SetNumber(p.PD);
    fLengths.Minimum->SetNumber(p.PDMIN);
    fLengths.Increment->SetNumber(p.PDINCR);
    fDIAMINCR->SetNumber(p.DIAMINCR);
    fGrid->setHorizontalHeaderLabels({"N", p.Units() == 2 ? "Settlement (m)" : "Settlement (in)"});

    // Every point row starts at 1; the rows in use show the project's settlements.
    const int points = std::clamp(p.NPOINTPD, 0, MaxPoints);
    fCellTexts.fill("1");
    for (int i = 0; i < points; ++i)
        fCellTexts[static_cast<std::size_t>(i)] = QString::fromStdString(GeneralNumberText(
            p.PDSETT[static_cast<std::size_t>(i)], 8, TDataEdit::DecimalSeparator()));
    fFilling = true;
    fPoints->SetNumber(points); // a project without settlements shows the minimum, 1
    fFilling = false;
    SetPointRows(points);
}

void TfrmDesignChart::PointsChanged()
{
    if (fFilling)
        return;
    try {
        const long double n = std::nearbyint(fPoints->GetNumber());
        if (n >= 1 && n <= MaxPoints)
            SetPointRows(static_cast<int>(n));
    } catch (const EControlError&) {
        // not a number (yet): the grid stays as it is
    }
}

void TfrmDesignChart::StepPoints(int step)
{
    long double n = 0;
    try {
        n = std::nearbyint(fPoints->GetNumber());
    } catch (const EControlError&) {
        return;
    }
    if ((step > 0 && n < MaxPoints) || (step < 0 && n > 1))
        fPoints->SetNumber(n + step);
}

bool TfrmDesignChart::CheckOtherEntries()
{
    fGrid->CommitOpenEditor();
    if (!fDefined->isEnabled())
        return true; // without charts the settlements are neither asked for nor stored
    const TFieldLimits limits = EntryLimitsOf("PDSETT");
    for (int row = 0; row < PointRows(); ++row) {
        QTableWidgetItem* item = fGrid->item(row, 1);
        const QString text = item != nullptr ? item->text() : QString();
        QString refusal;
        try {
            const long double value =
                EvaluateExpression(text.toStdString(), TDataEdit::DecimalSeparator());
            if (value < limits.Min)
                refusal = "Entry must be greater than or equal to " +
                          QString::fromStdString(GeneralNumberText(limits.Min));
        } catch (const EControlError& error) {
            refusal = QString::fromStdString(error.what());
        }
        if (!refusal.isEmpty()) {
            ShowEntryMessage(fGrid, refusal);
            fGrid->setFocus();
            fGrid->setCurrentCell(row, 1);
            return false;
        }
    }
    return true;
}

void TfrmDesignChart::StoreValues()
{
    TProgramData& p = Project();
    p.Store(p.IChart, fCompute->isChecked() ? 1 : 0);
    p.StoreShaftLength(Number(fLengths.Maximum, p.PD));
    p.Store(p.PDMIN, Number(fLengths.Minimum, p.PDMIN));
    p.Store(p.PDINCR, Number(fLengths.Increment, p.PDINCR));
    p.Store(p.DIAMINCR, Number(fDIAMINCR, p.DIAMINCR));
    if (!fDefined->isEnabled())
        return;
    // As many settlements as there are point rows: the count and the values always agree.
    const int points = PointRows();
    p.Store(p.NPOINTPD, points);
    for (int i = 0; i < points; ++i)
        p.Store(p.PDSETT[static_cast<std::size_t>(i)],
                EvaluateExpression(fGrid->item(i, 1)->text().toStdString(),
                                   TDataEdit::DecimalSeparator()));
}

void TfrmDesignChart::UpdateEnabling()
{
    const bool charts = fCompute->isChecked();
    fVariation->setEnabled(charts);
    fDefined->setEnabled(charts);
}

} // namespace korva::gui

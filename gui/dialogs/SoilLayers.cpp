#include "gui/dialogs/SoilLayers.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/GridTable.h"
#include "gui/dialogs/Soils.h"
#include "gui/model/LayerKindChange.h"
#include "gui/model/LayerRowEdits.h"
#include "gui/model/LayerTables.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"
#include "gui/model/ProgramTitle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace korva::gui {

namespace {

// Column widths of the grid in pixels: button, kind, depth, two limits, two LRFD factors.
constexpr std::array<int, 7> ColumnWidths{90, 207, 94, 106, 106, 100, 100};
// Grid size: at least 641 pixels wide without and 841 with the LRFD columns, 186 high.
constexpr int GridWidthASD = 641;
constexpr int GridWidthLRFD = 841;
constexpr int GridHeight = 186;
constexpr int MinimumRowHeight = 24;

// Layer columns of D behind the value columns of the grid (depth to end-bearing factor).
constexpr std::array<int, 5> LayerColumnOf{LayerColumn::Depth, LayerColumn::MaxSideFriction,
                                           LayerColumn::MaxEndBearing, LayerColumn::PhiSide,
                                           LayerColumn::PhiBase};

int LayerColumnOfGrid(int gridColumn)
{
    return LayerColumnOf[static_cast<std::size_t>(gridColumn - TDlgSoilLayers::DepthColumn)];
}

const char* GridRowProperty = "gridRow";
const char* GridColumnProperty = "gridColumn";

QTableWidgetItem* HeadingItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(QPalette().button());
    return item;
}

// A grid cell's text of a real: the shortest general format in the user's decimal separator.
QString CellText(long double value)
{
    return QString::fromStdString(GeneralNumberText(value, 18, TDataEdit::DecimalSeparator()));
}

// The text an entry field shows for a value (8 significant digits).
QString FieldText(long double value)
{
    return QString::fromStdString(GeneralNumberText(value, 8, TDataEdit::DecimalSeparator()));
}

} // namespace

TDlgSoilLayers::TDlgSoilLayers(const TChildWindowContext& context) : fContext(context)
{
    setObjectName("SoilLayers");
    setWindowTitle("Soill Layers");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    fGroup = new QGroupBox("Layers Definition", this);
    auto* groupLayout = new QVBoxLayout(fGroup);
    fLayerGrid = new QTableWidget(fGroup);
    fLayerGrid->setObjectName("LayerGrid");
    fLayerGrid->horizontalHeader()->hide();
    fLayerGrid->verticalHeader()->hide();
    fLayerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fLayerGrid->setSelectionMode(QAbstractItemView::NoSelection);
    fLayerGrid->setFocusPolicy(Qt::NoFocus);
    fLayerGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fLayerGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    groupLayout->addWidget(fLayerGrid);
    layout->addWidget(fGroup);

    for (const char* note :
         {"Notes:",
          "* Bottom of last layer must be deeper than the shaft bottom plus two pile "
          "diameters.",
          "** If entries are left as zero, the program assumes no limits in side friction and "
          "end bearing computed by the program",
          "** Use a very small number (e.g. 0.001) for layers where load transfer should be "
          "ignored."}) {
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TDlgSoilLayers::*click)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
        buttons->addWidget(b);
        return b;
    };
    fAdd = button("AddLayer", "Add Layer", &TDlgSoilLayers::AddLayerClick);
    fInsert = button("InsertLayer", "Insert Layer", &TDlgSoilLayers::InsertLayerClick);
    fDelete = button("DeleteLayer", "Delete Layer", &TDlgSoilLayers::DeleteLayerClick);
    fConfirmDeletion = new QCheckBox("Confirm Deletion", this);
    fConfirmDeletion->setObjectName("ConfirmDeletion");
    fConfirmDeletion->setChecked(true);
    buttons->addWidget(fConfirmDeletion);
    buttons->addStretch();
    fClose = new QPushButton("Close", this);
    fClose->setObjectName("Close");
    fClose->setAutoDefault(false);
    connect(fClose, &QPushButton::clicked, this, [this] {
        if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
            window->close();
        else
            close();
    });
    buttons->addWidget(fClose);
    layout->addLayout(buttons);

    ShowProjectValues();
}

// --- State -------------------------------------------------------------------------------------

int TDlgSoilLayers::LayerCount() const
{
    return std::max(0, fLayerGrid->rowCount() - HeadingRows);
}

bool TDlgSoilLayers::LRFD() const
{
    return Project().NLRFD == 1;
}

int TDlgSoilLayers::ValueColumnCount() const
{
    return LRFD() ? EndFactorColumn + 1 : EndLimitColumn + 1;
}

TDataEdit* TDlgSoilLayers::Field(int gridRow, int gridColumn) const
{
    return qobject_cast<TDataEdit*>(fLayerGrid->cellWidget(gridRow, gridColumn));
}

long double TDlgSoilLayers::CellNumber(int gridRow, int gridColumn) const
{
    const QTableWidgetItem* item = fLayerGrid->item(gridRow, gridColumn);
    if (item == nullptr)
        return 0;
    return ParseDecimal(item->text().toStdString(), TDataEdit::DecimalSeparator()).value_or(0);
}

void TDlgSoilLayers::SetCellNumber(int gridRow, int gridColumn, long double value)
{
    fLayerGrid->setItem(gridRow, gridColumn, new QTableWidgetItem(CellText(value)));
}

// --- Filling -----------------------------------------------------------------------------------

void TDlgSoilLayers::ShowProjectValues()
{
    FillGrid();
}

void TDlgSoilLayers::FillGrid()
{
    const TGridTable& layers = Project().D();
    fLayerGrid->setColumnCount(ValueColumnCount());
    fLayerGrid->setRowCount(HeadingRows + layers.RowCount());
    FillHeadings();
    for (int row = FirstLayerRow; row < fLayerGrid->rowCount(); ++row)
        FillRow(row);
    FocusRow = std::clamp(FocusRow, static_cast<int>(FirstLayerRow),
                          std::max(static_cast<int>(FirstLayerRow), fLayerGrid->rowCount() - 1));
    LayOutRowControls();
    FitGrid();
    EnableButtons();
}

void TDlgSoilLayers::FillHeadings()
{
    const bool si = Project().Units() == 2;
    const QString stress = si ? "       (kN/m^2)    " : "       (lb/ft^2)    ";
    const QString headings[7][2] = {
        {"  Layer ", ""},
        {" Soil Type ", ""},
        {"Depth at Bottom * ", si ? " of each layer (m) " : " of each layer (ft) "},
        {"Max. Side Friction ** ", stress},
        {"Max. End Bearing ** ", stress},
        {"LRFD Res. Factor", " (Side Friction) "},
        {"LRFD Res. Factor", " (End Bearing) "},
    };
    for (int column = 0; column < fLayerGrid->columnCount(); ++column)
        for (int line = 0; line < HeadingRows; ++line)
            fLayerGrid->setItem(line, column, HeadingItem(headings[column][line]));
}

void TDlgSoilLayers::FillRow(int gridRow)
{
    const TGridTable& layers = Project().D();
    const int layer = gridRow - HeadingRows;
    fLayerGrid->setItem(gridRow, ButtonColumn, new QTableWidgetItem);
    fLayerGrid->setItem(
        gridRow, KindColumn,
        new QTableWidgetItem(QString::number(layers.GetIntValue(LayerColumn::Kind, layer))));
    for (int column = DepthColumn; column < ValueColumnCount(); ++column)
        SetCellNumber(gridRow, column, layers.GetFloatValue(LayerColumnOfGrid(column), layer));
}

void TDlgSoilLayers::LayOutRowControls()
{
    const int units = Project().Units();
    for (int row = FirstLayerRow; row < fLayerGrid->rowCount(); ++row) {
        const int number = row - HeadingRows + 1;
        // The layer button.
        auto* edit = qobject_cast<QPushButton*>(fLayerGrid->cellWidget(row, ButtonColumn));
        if (edit == nullptr) {
            edit = new QPushButton;
            edit->setAutoDefault(false);
            connect(edit, &QPushButton::clicked, this, [this, row] { EditLayerClick(row); });
            fLayerGrid->setCellWidget(row, ButtonColumn, edit);
        }
        edit->setObjectName(QString("EditLayer_%1").arg(number));
        edit->setText(QString("Edit Layer %1").arg(number));

        // The kind list; a code outside 1-9 selects nothing.
        auto* kinds = qobject_cast<QComboBox*>(fLayerGrid->cellWidget(row, KindColumn));
        if (kinds == nullptr) {
            kinds = new QComboBox;
            for (std::string_view label : MaterialKindLabels)
                kinds->addItem(QString::fromUtf8(label.data(), static_cast<int>(label.size())));
            kinds->setMaxVisibleItems(MaterialKindCount);
            connect(kinds, &QComboBox::activated, this,
                    [this, row](int index) { KindChange(row, index); });
            fLayerGrid->setCellWidget(row, KindColumn, kinds);
        }
        kinds->setObjectName(QString("Kind_%1").arg(number));
        const int kind = fLayerGrid->item(row, KindColumn)->text().toInt();
        const QSignalBlocker quiet(kinds);
        kinds->setCurrentIndex(IsMaterialKind(kind) ? kind - 1 : -1);

        // The numeric fields.
        for (int column = DepthColumn; column < ValueColumnCount(); ++column) {
            TDataEdit* field = Field(row, column);
            if (field == nullptr) {
                field = new TDataEdit;
                field->setProperty(GridRowProperty, row);
                field->setProperty(GridColumnProperty, column);
                field->installEventFilter(this);
                // With live results each accepted cell is stored (and analysed) at once.
                connect(field, &TDataEdit::Accepted, this, [this] {
                    if (fContext.StoreEachAcceptedField())
                        StoreEdits();
                });
                fLayerGrid->setCellWidget(row, column, field);
            }
            field->setObjectName(QString("Field_%1_%2").arg(row).arg(column));
            field->SetUnits(units);
            field->SetNumber(CellNumber(row, column));
        }
    }
}

void TDlgSoilLayers::FitGrid()
{
    const QFontMetrics metrics = fLayerGrid->fontMetrics();
    int width = 0;
    for (int column = 0; column < fLayerGrid->columnCount(); ++column) {
        // The widths of the layout, wider where the font needs it for a heading.
        int w = ColumnWidths[static_cast<std::size_t>(column)];
        for (int line = 0; line < HeadingRows; ++line)
            if (const QTableWidgetItem* item = fLayerGrid->item(line, column))
                w = std::max(w, metrics.horizontalAdvance(item->text()) + 8);
        // The kind lists show their longest label.
        if (column == KindColumn)
            if (QWidget* kinds = fLayerGrid->cellWidget(FirstLayerRow, KindColumn))
                w = std::max(w, kinds->sizeHint().width());
        fLayerGrid->setColumnWidth(column, w);
        width += w;
    }
    int rowHeight = std::max(MinimumRowHeight, metrics.height() + 8);
    if (QWidget* kinds = fLayerGrid->cellWidget(FirstLayerRow, KindColumn))
        rowHeight = std::max(rowHeight, kinds->sizeHint().height());
    const int headingHeight = metrics.height() + 6;
    for (int row = 0; row < fLayerGrid->rowCount(); ++row)
        fLayerGrid->setRowHeight(row, row < HeadingRows ? headingHeight : rowHeight);

    const int frame = 2 * fLayerGrid->frameWidth();
    width += frame + fLayerGrid->verticalScrollBar()->sizeHint().width();
    width = std::max(width, LRFD() ? GridWidthLRFD : GridWidthASD);
    // At least four layer rows in view.
    const int height = std::max(GridHeight, frame + 2 * headingHeight + 4 * rowHeight);
    fLayerGrid->setFixedSize(width, height);

    // A data window keeps a fixed size; a switch of the design method changes it.
    if (layout() != nullptr)
        layout()->activate();
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        adjustSize();
        window->setFixedSize(window->sizeHint());
    }
}

void TDlgSoilLayers::EnableButtons()
{
    const int count = LayerCount();
    fAdd->setEnabled(count < MaxLayerCount);
    fInsert->setEnabled(count < MaxLayerCount);
    fDelete->setEnabled(count >= 1);
}

// --- Entries -----------------------------------------------------------------------------------

bool TDlgSoilLayers::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* field = qobject_cast<TDataEdit*>(watched)) {
        if (event->type() == QEvent::FocusIn) {
            fActiveField = field;
            FocusRow = field->property(GridRowProperty).toInt();
            CopyFieldToCell(field);
        } else if (event->type() == QEvent::FocusOut) {
            CopyFieldToCell(field);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TDlgSoilLayers::CopyFieldToCell(TDataEdit* field)
{
    const int row = field->property(GridRowProperty).toInt();
    const int column = field->property(GridColumnProperty).toInt();
    if (row < FirstLayerRow || row >= fLayerGrid->rowCount() || column >= ValueColumnCount())
        return;
    // A field that still shows its cell's number leaves the cell's full precision alone.
    if (field->text() == FieldText(CellNumber(row, column)))
        return;
    try {
        SetCellNumber(row, column, field->GetNumber());
    } catch (const EControlError&) {
        // Text that is not a number stays in the field for the acceptance check.
    }
}

bool TDlgSoilLayers::AcceptActiveField()
{
    // The field that has the focus runs its acceptance check; every other field must at least
    // hold a number. A refusal is told by the field's own check, which keeps the focus.
    std::vector<TDataEdit*> fields;
    for (int row = FirstLayerRow; row < fLayerGrid->rowCount(); ++row)
        for (int column = DepthColumn; column < ValueColumnCount(); ++column)
            if (TDataEdit* field = Field(row, column))
                fields.push_back(field);
    return AcceptFields(this, fields);
}

bool TDlgSoilLayers::CommitFields()
{
    if (!AcceptActiveField())
        return false;
    for (int row = FirstLayerRow; row < fLayerGrid->rowCount(); ++row)
        for (int column = DepthColumn; column < ValueColumnCount(); ++column)
            if (TDataEdit* field = Field(row, column))
                CopyFieldToCell(field);
    return true;
}

void TDlgSoilLayers::WriteBack()
{
    TGridTable& layers = Project().D();
    layers.SetRowCount(LayerCount());
    for (int row = FirstLayerRow; row < fLayerGrid->rowCount(); ++row) {
        const int layer = row - HeadingRows;
        const int kind = fLayerGrid->item(row, KindColumn)->text().toInt();
        if (kind != layers.GetIntValue(LayerColumn::Kind, layer))
            layers.SetIntValue(LayerColumn::Kind, layer, kind);
        const int last = LRFD() ? EndFactorColumn : EndLimitColumn;
        for (int column = DepthColumn; column <= last; ++column) {
            const int layerColumn = LayerColumnOfGrid(column);
            // Only a cell whose text differs from the stored value is stored, so that an
            // unchanged value keeps every digit.
            const QTableWidgetItem* item = fLayerGrid->item(row, column);
            if (item != nullptr &&
                item->text() != CellText(layers.GetFloatValue(layerColumn, layer)))
                layers.SetFloatValue(layerColumn, layer, CellNumber(row, column));
        }
    }
}

bool TDlgSoilLayers::StoreEdits()
{
    if (!CommitFields())
        return false;
    WriteBack();
    Project().SetDataChanged(true);
    fContext.Edited();
    return true;
}

bool TDlgSoilLayers::PrepareCommand()
{
    return StoreEdits();
}

void TDlgSoilLayers::closeEvent(QCloseEvent* event)
{
    if (!StoreEdits()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

// --- Commands ----------------------------------------------------------------------------------

void TDlgSoilLayers::EditLayerClick(int gridRow)
{
    if (!PrepareCommand())
        return;
    const int layer = gridRow - HeadingRows;
    if (layer < 0 || layer >= Project().D().RowCount() ||
        Project().LayerProperties(layer) == nullptr)
        return;
    FocusRow = gridRow;
    LayerNumber = layer + 1;
    TDlgSoils editor(Project(), this);
    editor.LayerNumber = LayerNumber;
    editor.LayerType = fLayerGrid->item(gridRow, KindColumn)->text().toInt();
    editor.exec();
    LayOutRowControls();
    fContext.Edited();
}

void TDlgSoilLayers::KindChange(int gridRow, int index)
{
    const int layer = gridRow - HeadingRows;
    const int kind = index + 1;
    if (layer < 0 || layer >= Project().D().RowCount() || !IsMaterialKind(kind))
        return;
    fLayerGrid->item(gridRow, KindColumn)->setText(QString::number(kind));
    ChangeLayerKind(Project().D(), layer, kind);
    FocusRow = gridRow;
    fContext.Edited();
}

void TDlgSoilLayers::AddLayerClick()
{
    if (!PrepareCommand() || !AddLayer(Project().D()))
        return;
    FillGrid();
    fLayerGrid->scrollToBottom();
    Project().SetDataChanged(true);
    fContext.Edited();
}

void TDlgSoilLayers::InsertLayerClick()
{
    if (!PrepareCommand() || !InsertLayer(Project().D(), FocusRow - HeadingRows, LRFD()))
        return;
    FillGrid();
    Project().SetDataChanged(true);
    fContext.Edited();
}

void TDlgSoilLayers::DeleteLayerClick()
{
    const int layer = FocusRow - HeadingRows;
    if (!AcceptActiveField() || layer < 0 || layer >= LayerCount())
        return;
    if (fConfirmDeletion->isChecked() &&
        QMessageBox::question(this, ApplicationTitle,
                              QString("Do you want to delete soil layer in row %1").arg(layer + 1),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!PrepareCommand() || !DeleteLayer(Project().D(), layer))
        return;
    FillGrid();
    Project().SetDataChanged(true);
    fContext.Edited();
}

} // namespace korva::gui

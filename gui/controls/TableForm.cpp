#include "gui/controls/TableForm.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/EntryMessage.h"
#include "gui/controls/GridTable.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace korva::gui {

// The grid of the window: Enter moves on as the grid window's rule says, and an open editor
// can be committed when the window closes.
class TGridView : public QTableWidget
{
  public:
    TGridView(TTableForm& form) : QTableWidget(&form), fForm(form) {}

    // Commits the text of an open cell editor; false when it was refused.
    bool CommitOpenEditor()
    {
        if (state() == QAbstractItemView::EditingState)
            if (QWidget* editor = indexWidget(currentIndex())) {
                commitData(editor);
                QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
        return !fForm.fRefusedCell.has_value();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            state() != QAbstractItemView::EditingState) {
            fForm.MoveAfterEnter();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override
    {
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
        // Enter in an editor submits it: move on unless the entry was refused.
        if (hint == QAbstractItemDelegate::SubmitModelCache && !fForm.fRefusedCell)
            fForm.MoveAfterEnter();
    }

  private:
    TTableForm& fForm;
};

// Stores the text of an edited cell through its column when the editor is left.
class TGridCellDelegate : public QStyledItemDelegate
{
  public:
    TGridCellDelegate(TTableForm& form) : QStyledItemDelegate(&form), fForm(form) {}

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            fForm.StoreCellText(index.row(), index.column(), line->text());
    }

  private:
    TTableForm& fForm;
};

namespace {

QTableWidgetItem* FixedItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(QPalette().button());
    return item;
}

} // namespace

TTableForm::TTableForm(TGridTable& table, bool modal, QWidget* parent)
    : QDialog(parent), fTable(table), fModal(modal)
{
    setObjectName("TableForm");
    setAttribute(Qt::WA_DeleteOnClose, !modal);
    fTable.EnsureMinRows();
    fTable.SetInGridWindow(true);
    fTable.DecimalSeparator = TDataEdit::DecimalSeparator();
    setWindowTitle(QString::fromStdString(fTable.WindowCaption()));

    // Margins of a twentieth of an inch.
    const int margin = std::max(4, logicalDpiX() / 20);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fGrid = new TGridView(*this);
    fGrid->setObjectName("Grid");
    fGrid->horizontalHeader()->hide();
    fGrid->verticalHeader()->hide();
    fGrid->setItemDelegate(new TGridCellDelegate(*this));
    fGrid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    fGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(fGrid);

    auto* buttons = new QHBoxLayout;
    fAdd = new QPushButton("&Add Row", this);
    fAdd->setObjectName("AddRow");
    fInsert = new QPushButton("&Insert Row", this);
    fInsert->setObjectName("InsertRow");
    fDelete = new QPushButton("&Delete Row", this);
    fDelete->setObjectName("DeleteRow");
    for (QPushButton* button : {fAdd, fInsert, fDelete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(fAdd, &QPushButton::clicked, this, [this] { AddRow(); });
    connect(fInsert, &QPushButton::clicked, this, [this] { InsertRow(); });
    connect(fDelete, &QPushButton::clicked, this, [this] { DeleteRow(); });

    fComments = new QLabel(QString::fromStdString(fTable.Comments), this);
    fComments->setObjectName("Comments");
    fComments->setWordWrap(true);
    fComments->setVisible(!fTable.Comments.empty());
    layout->addWidget(fComments);

    BuildGrid();
}

TTableForm::~TTableForm()
{
    fTable.SetInGridWindow(false);
}

void TTableForm::ShowModal(TGridTable& table, QWidget* parent)
{
    if (!table.HasVisibleColumns())
        return;
    TTableForm form(table, true, parent);
    form.exec();
}

TTableForm* TTableForm::Show(TGridTable& table, QMdiArea* area)
{
    if (!table.HasVisibleColumns() || area == nullptr)
        return nullptr;
    auto* form = new TTableForm(table, false);
    QMdiSubWindow* window = area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    area->setActiveSubWindow(window);
    return form;
}

QTableWidget* TTableForm::Grid() const
{
    return fGrid;
}

int TTableForm::GridColumn(int tableColumn) const
{
    const auto it = std::find(fColumns.begin(), fColumns.end(), tableColumn);
    return it == fColumns.end() ? -1 : static_cast<int>(it - fColumns.begin()) + 1;
}

int TTableForm::TableColumn(int gridColumn) const
{
    if (gridColumn < 1 || gridColumn > static_cast<int>(fColumns.size()))
        return -1;
    return fColumns[static_cast<std::size_t>(gridColumn - 1)];
}

void TTableForm::BuildGrid()
{
    fColumns.clear();
    for (int c = 0; c < fTable.ColumnCount(); ++c)
        if (fTable.Column(c).Visible)
            fColumns.push_back(c);
    fHeadingRows = static_cast<int>(std::max<std::size_t>(1, fTable.HeadingLineCount()));
    fGrid->clear();
    fGrid->setColumnCount(static_cast<int>(fColumns.size()) + 1);
    fGrid->setRowCount(fHeadingRows + fTable.RowCount());

    fGrid->setItem(0, 0, FixedItem(QString::fromStdString(fTable.TopLeft)));
    for (int line = 1; line < fHeadingRows; ++line)
        fGrid->setItem(line, 0, FixedItem({}));
    for (std::size_t i = 0; i < fColumns.size(); ++i)
        for (int line = 0; line < fHeadingRows; ++line)
            fGrid->setItem(line, static_cast<int>(i) + 1,
                           FixedItem(QString::fromStdString(
                               fTable.HeadingText(fColumns[i], static_cast<std::size_t>(line)))));
    for (int row = 0; row < fTable.RowCount(); ++row)
        fGrid->setItem(GridRow(row), 0, FixedItem(QString::number(row + 1)));
    FillCells();
    LayCellControls();
    FitToRows();
    UpdateButtons();
    if (fTable.RowCount() > 0 && fGrid->columnCount() > 1)
        fGrid->setCurrentCell(fHeadingRows, 1);
}

void TTableForm::FillCells()
{
    for (int row = 0; row < fTable.RowCount(); ++row)
        for (std::size_t i = 0; i < fColumns.size(); ++i) {
            const int column = fColumns[i];
            const TColumnType type = fTable.Column(column).Type();
            if (type == TColumnType::Enum || type == TColumnType::Table)
                continue;
            auto* item = new QTableWidgetItem(QString::fromStdString(fTable.GetValue(column, row)));
            fGrid->setItem(GridRow(row), static_cast<int>(i) + 1, item);
        }
}

void TTableForm::LayCellControls()
{
    for (int row = 0; row < fTable.RowCount(); ++row)
        for (std::size_t i = 0; i < fColumns.size(); ++i) {
            const int column = fColumns[i];
            const int gridColumn = static_cast<int>(i) + 1;
            const TColumn& declaration = fTable.Column(column);
            if (declaration.Type() == TColumnType::Enum) {
                auto* list = new QComboBox;
                list->setObjectName(QString("List_%1_%2").arg(column).arg(row));
                for (const std::string& name : static_cast<const TEnumColumn&>(declaration).Names)
                    list->addItem(QString::fromStdString(name));
                list->setCurrentIndex(fTable.GetIntValue(column, row) - 1);
                connect(list, &QComboBox::activated, this, [this, column, row](int index) {
                    fTable.SetIntValue(column, row, index + 1);
                    fTable.SetChanged(true);
                    // A new kind may bring a new sub-table: the buttons follow.
                    QTimer::singleShot(0, this, [this] { BuildGrid(); });
                });
                fGrid->setCellWidget(GridRow(row), gridColumn, list);
            } else if (declaration.Type() == TColumnType::Table) {
                auto* button =
                    new QPushButton(QString::fromStdString(fTable.GetValue(column, row)));
                button->setObjectName(QString("Table_%1_%2").arg(column).arg(row));
                button->setEnabled(fTable.GetTableValue(column, row) != nullptr);
                connect(button, &QPushButton::clicked, this,
                        [this, column, row] { ShowSubTable(column, row); });
                fGrid->setCellWidget(GridRow(row), gridColumn, button);
            }
        }
}

void TTableForm::FitToRows()
{
    fGrid->resizeColumnsToContents();
    // The first column is as wide as the top-left text and two blanks, at least a third of an
    // inch.
    const int first =
        fGrid->fontMetrics().horizontalAdvance(QString::fromStdString(fTable.TopLeft) + "  ") + 8;
    fGrid->setColumnWidth(0, std::max(first, logicalDpiX() / 3));
    for (int c = 1; c < fGrid->columnCount(); ++c) {
        int width = std::max(fGrid->columnWidth(c), 80);
        // Drop-down lists and buttons laid over the cells show their whole text.
        for (int r = fHeadingRows; r < fGrid->rowCount(); ++r)
            if (QWidget* control = fGrid->cellWidget(r, c))
                width = std::max(width, control->sizeHint().width() + 4);
        fGrid->setColumnWidth(c, width);
    }
    fGrid->resizeRowsToContents();

    const int visibleRows = std::min(fTable.RowCount(), MaxVisibleRows);
    int height = 2 * fGrid->frameWidth();
    for (int r = 0; r < fHeadingRows + visibleRows; ++r)
        height += fGrid->rowHeight(r);
    int width = 2 * fGrid->frameWidth();
    for (int c = 0; c < fGrid->columnCount(); ++c)
        width += fGrid->columnWidth(c);
    const bool scrolls = fTable.RowCount() > MaxVisibleRows;
    fGrid->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    fGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (scrolls)
        width += fGrid->verticalScrollBar()->sizeHint().width();
    fGrid->setFixedSize(width, height);
}

void TTableForm::UpdateButtons()
{
    const int rows = fTable.RowCount();
    fAdd->setEnabled(rows + fTable.RowGroup() <= fTable.MaxRows());
    fInsert->setEnabled(rows + fTable.RowGroup() <= fTable.MaxRows() && rows > 0);
    fDelete->setEnabled(rows - fTable.RowGroup() >= fTable.MinRows() && rows > 0);
}

bool TTableForm::StoreCellText(int gridRow, int gridColumn, const QString& text)
{
    const int row = TableRow(gridRow);
    const int column = TableColumn(gridColumn);
    if (row < 0 || row >= fTable.RowCount() || column < 0)
        return true;
    try {
        fTable.SetValue(column, row, text.toStdString());
    } catch (const EControlError& error) {
        // The refused text stays in its cell, and the user is told why.
        fRefusedCell = {gridRow, gridColumn};
        if (QTableWidgetItem* item = fGrid->item(gridRow, gridColumn))
            item->setText(text);
        const QString message = QString::fromStdString(error.what());
        QTimer::singleShot(0, this, [this, message, gridRow, gridColumn] {
            ShowEntryMessage(this, message);
            fGrid->setCurrentCell(gridRow, gridColumn);
            fGrid->setFocus();
            if (QTableWidgetItem* item = fGrid->item(gridRow, gridColumn))
                fGrid->editItem(item);
        });
        return false;
    }
    fRefusedCell.reset();
    fTable.SetChanged(true);
    FillCells();
    return true;
}

bool TTableForm::StoreEditedCell()
{
    return fGrid->CommitOpenEditor();
}

void TTableForm::MoveAfterEnter()
{
    const int rows = fGrid->rowCount();
    const int columns = fGrid->columnCount();
    if (rows <= fHeadingRows || columns <= 1)
        return;
    int row = std::max(fGrid->currentRow(), fHeadingRows);
    int column = std::max(fGrid->currentColumn(), 1);
    if (row + 1 < rows) {
        ++row;
    } else {
        row = fHeadingRows;
        column = column + 1 < columns ? column + 1 : 1;
    }
    fGrid->setCurrentCell(row, column);
}

int TTableForm::CurrentTableRow() const
{
    const int row = TableRow(fGrid->currentRow());
    return fGrid->currentRow() >= fHeadingRows && row < fTable.RowCount() ? row : -1;
}

void TTableForm::AddRow()
{
    if (!StoreEditedCell())
        return;
    fTable.AddRowGroup();
    fTable.SetChanged(true);
    BuildGrid();
    const int last = GridRow(fTable.RowCount() - 1);
    fGrid->setCurrentCell(last, 1);
    fGrid->scrollToItem(fGrid->item(last, 0));
}

void TTableForm::InsertRow()
{
    if (!StoreEditedCell())
        return;
    const int row = CurrentTableRow();
    try {
        fTable.InsertRowGroup(row);
    } catch (const EControlError& error) {
        ShowEntryMessage(this, QString::fromStdString(error.what()));
        return;
    }
    fTable.SetChanged(true);
    const int column = std::max(fGrid->currentColumn(), 1);
    BuildGrid();
    fGrid->setCurrentCell(GridRow(row), column);
}

void TTableForm::DeleteRow()
{
    if (!StoreEditedCell())
        return;
    const int row = CurrentTableRow();
    try {
        fTable.DeleteRowGroup(row);
    } catch (const EControlError& error) {
        ShowEntryMessage(this, QString::fromStdString(error.what()));
        return;
    }
    fTable.SetChanged(true);
    const int column = std::max(fGrid->currentColumn(), 1);
    BuildGrid();
    if (fTable.RowCount() > 0)
        fGrid->setCurrentCell(GridRow(std::min(row, fTable.RowCount() - 1)), column);
}

void TTableForm::ShowSubTable(int tableColumn, int tableRow)
{
    if (!StoreEditedCell())
        return;
    TGridTable* sub = fTable.GetTableValue(tableColumn, tableRow);
    if (sub == nullptr)
        return;
    if (fModal) {
        ShowModal(*sub, this);
        return;
    }
    QMdiArea* area = nullptr;
    for (QWidget* w = parentWidget(); w != nullptr && area == nullptr; w = w->parentWidget())
        area = qobject_cast<QMdiArea*>(w);
    if (area != nullptr)
        Show(*sub, area);
    else
        ShowModal(*sub, this);
}

void TTableForm::closeEvent(QCloseEvent* event)
{
    if (!StoreEditedCell()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TTableForm::reject()
{
    if (StoreEditedCell())
        QDialog::reject();
}

} // namespace korva::gui

#pragma once
#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QMdiArea;
class QPushButton;
class QTableWidget;

namespace korva::gui {

class TGridTable;
class TGridView;

// The grid window of a grid table: heading rows and the row numbers as fixed cells, one cell
// per value (a drop-down list over every enumeration cell, a button over every sub-table
// cell), and "&Add Row", "&Insert Row", "&Delete Row" below. A cell's text is stored through
// its column's setting from text when the user leaves the cell; a refused entry is reported
// and keeps its cell, and the window cannot be closed while a cell holds one. Enter moves to
// the next row, from the last row to the top of the next column, from the last column back to
// the first. At most 10 rows are visible at a time.
//
// Shown modally (ShowModal) it is a window of its own; shown non-modally (Show) it is a child
// window of an MDI area. Sub-tables open in their own grid window, modally from a modal one.
class TTableForm : public QDialog
{
    Q_OBJECT

  public:
    TTableForm(TGridTable& table, bool modal, QWidget* parent = nullptr);
    ~TTableForm() override;

    // Shows the table in a modal grid window until the user closes it. A table without
    // visible columns is not shown.
    static void ShowModal(TGridTable& table, QWidget* parent);
    // Shows the table as a child window of `area` and returns the window (nullptr for a
    // table without visible columns). The window deletes itself when closed.
    static TTableForm* Show(TGridTable& table, QMdiArea* area);

    TGridTable& Table() const { return fTable; }
    QTableWidget* Grid() const;
    // Stores the cell being edited. False when its entry was refused.
    bool StoreEditedCell();
    // The grid cell (row, column) of a table cell.
    int GridRow(int tableRow) const { return fHeadingRows + tableRow; }
    int GridColumn(int tableColumn) const;

    static constexpr int MaxVisibleRows = 10;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    friend class TGridCellDelegate;
    friend class TGridView;

    void BuildGrid();
    void FillCells();
    void LayCellControls();
    void FitToRows();
    void UpdateButtons();
    // Stores typed text into a table cell; false (message shown, text kept) when refused.
    bool StoreCellText(int gridRow, int gridColumn, const QString& text);
    // Moves the current cell as Enter does.
    void MoveAfterEnter();
    int TableRow(int gridRow) const { return gridRow - fHeadingRows; }
    int TableColumn(int gridColumn) const;
    void AddRow();
    void InsertRow();
    void DeleteRow();
    int CurrentTableRow() const;
    void ShowSubTable(int tableColumn, int tableRow);

    TGridTable& fTable;
    bool fModal;
    TGridView* fGrid = nullptr;
    QPushButton* fAdd = nullptr;
    QPushButton* fInsert = nullptr;
    QPushButton* fDelete = nullptr;
    QLabel* fComments = nullptr;
    int fHeadingRows = 1;
    std::vector<int> fColumns; // table column of each grid column after the first
    // The cell that holds a refused entry, as (grid row, grid column).
    std::optional<std::pair<int, int>> fRefusedCell;
};

} // namespace korva::gui

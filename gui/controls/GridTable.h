#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gui/controls/ColumnTypes.h"
#include "gui/controls/ControlError.h"
#include "gui/controls/GridTableList.h"
#include "gui/controls/GridTableRegistry.h"
#include "gui/controls/TableCell.h"

namespace korva::gui {

// Declaration of one column by its numeric type code (see TColumnType); the fields that do
// not belong to the type are ignored.
struct TColumnDeclaration
{
    int TypeCode = 0;
    std::vector<std::string> Headings;
    std::vector<std::string> Names;       // enumeration
    int IntDefault = 0;                   // integer
    int IntMinimum = 0;                   // integer
    int IntMaximum = 0;                   // integer
    std::string UnitCode;                 // real
    long double FloatDefault = 0.0L;      // real
    std::vector<int> TemplateIdentifiers; // table
    std::string DefaultText;              // string
    int MinimumWidth = 0;                 // string
    bool Visible = true;
    bool SameGroup = false;
};

// A table of typed columns and rows. Holds the project's layered soil data (the layer table,
// one property table per layer made from per-kind templates, the t-z depth list). Real
// columns carry unit codes, so the table converts itself when the unit system changes.
// Cells are addressed by column and row, both 0-based.
class TGridTable
{
  public:
    // A table registered in `registry` (may be null: an unregistered table).
    explicit TGridTable(TGridTableRegistry* registry = nullptr);
    ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // A new table with the source's caption, comments, top-left text, help picture, row
    // limits, row group, template rule, unit system and copies of its column declarations
    // (not its values), numbered `id`, holding MinRows rows of default values. It is
    // registered in the source's registry with no identifier.
    static std::unique_ptr<TGridTable> CreateCopy(int id, const TGridTable& source);
    // A copy with the same declarations and the same values (sub-tables copied too).
    std::unique_ptr<TGridTable> Duplicate() const;

    // Key under which templates are found. Taking an identifier that another registered
    // table holds gives that table this table's previous identifier.
    int Identifier() const { return fIdentifier; }
    void SetIdentifier(int identifier);

    std::string Caption;
    std::string TopLeft;
    std::string Comments;
    std::string HelpPicture; // name of the picture shown under the grid
    // When the table has a table column and its first column is an enumeration: every row
    // uses the first template (true) or the template of its enumeration value (false).
    bool HardwiredButton = false;
    // Number shown after the caption (the owning row's number for a property table).
    int ID = 0;
    // Decimal separator of numbers typed into cells (the grid window passes the user's).
    char DecimalSeparator = '.';

    int MinRows() const { return fMinRows; }
    void SetMinRows(int minRows); // must be > 0: "Value must be greater than 0"
    int MaxRows() const { return fMaxRows; }
    void SetMaxRows(int maxRows) { fMaxRows = maxRows; }
    int RowGroup() const { return fRowGroup; }
    void SetRowGroup(int rowGroup) { fRowGroup = rowGroup < 1 ? 1 : rowGroup; }

    // Columns ---------------------------------------------------------------------------
    TEnumColumn& AddEnumColumn(std::vector<std::string> headings, std::vector<std::string> names);
    TIntColumn& AddIntColumn(std::vector<std::string> headings, int defaultValue, int minimum,
                             int maximum);
    TFloatColumn& AddFloatColumn(std::vector<std::string> headings, std::string unitCode,
                                 long double defaultValue = 0.0L);
    TTableColumn& AddTableColumn(std::vector<std::string> headings, TGridTableList templates);
    TStringColumn& AddStringColumn(std::vector<std::string> headings, std::string defaultText,
                                   int minimumWidth = 0);
    // Adds columns from declarations; errors name the column: "Error occured when creating
    // column %d: %s" (1-based), an unknown type code "Error Column Class not defined". Table
    // columns find their templates by identifier in this table's registry.
    void DeclareColumns(const std::vector<TColumnDeclaration>& declarations);

    int ColumnCount() const { return static_cast<int>(fColumns.size()); }
    TColumn& Column(int column) const;
    // Heading line `line` of a column as shown in the table's unit system.
    std::string HeadingText(int column, std::size_t line) const;
    // Number of heading lines of the longest heading.
    std::size_t HeadingLineCount() const;
    bool HasVisibleColumns() const;

    // Rows ------------------------------------------------------------------------------
    int RowCount() const { return fRowCount; }
    // n < 0 counts as 0; rows are removed from the end or appended with column defaults.
    // MaxRows is not enforced here.
    void SetRowCount(int n);
    void AddRowGroup();
    void InsertRowGroup(int row);
    void DeleteRowGroup(int row);
    // Gives the table at least MinRows rows.
    void EnsureMinRows();

    // Cells -----------------------------------------------------------------------------
    TData GetData(int column, int row);
    int GetIntValue(int column, int row) const;
    long double GetFloatValue(int column, int row) const;
    std::string GetStringValue(int column, int row) const;
    // Sub-table of a table column's cell (nullptr when the row has none).
    TGridTable* GetTableValue(int column, int row) const;
    void SetIntValue(int column, int row, int value);
    void SetFloatValue(int column, int row, long double value);
    void SetStringValue(int column, int row, const std::string& value);
    // Text form of a cell, and setting from text (typed entry, evaluated for numeric
    // columns).
    std::string GetValue(int column, int row) const;
    void SetValue(int column, int row, std::string_view text);
    // Copies every column's value of one row into another row (sub-tables copied).
    void CopyRow(int from, int to);

    // While the table is shown in its grid window, integer entries are range-checked.
    bool InGridWindow() const { return fInGridWindow; }
    void SetInGridWindow(bool shown) { fInGridWindow = shown; }

    // Caption as the grid window shows it: the caption and the ID numbers of the owning
    // tables' rows and this table's, each after a blank.
    std::string WindowCaption() const;
    TGridTable* Owner() const { return fOwner; }

    // Units -----------------------------------------------------------------------------
    int Units() const { return fUnits; }
    // Converts every real column (and every sub-table) when `system` differs from the
    // table's, then records it. Values below 1 count as 1 and above 3 as 3.
    void SetUnits(int system);

    // Changed flags ---------------------------------------------------------------------
    bool GetChanged() const;
    void SetChanged(bool changed);

  private:
    friend class TTableColumn;
    template <class TColumnClass> TColumnClass& Append(std::unique_ptr<TColumnClass> column);
    void CopyDeclarationFrom(const TGridTable& source);
    // Rows of the group of `row`: [first, first + count).
    int GroupStart(int row) const { return row - row % fRowGroup; }
    void CheckCell(int column, int row) const;
    // Gives a row of every table column the sub-table that its enumeration value selects.
    void RenewSubTables(int row);
    std::unique_ptr<TGridTable> NewSubTable(const TTableColumn& column, int row) const;
    // Rows of the write: the row alone, or its whole group for a SameGroup column.
    template <class TWrite> void WriteRows(int column, int row, TWrite write);

    TGridTableRegistry* fRegistry;
    TGridTable* fOwner = nullptr;
    int fIdentifier = 0;
    int fMinRows = 1;
    int fMaxRows = 1000;
    int fRowGroup = 1;
    int fRowCount = 0;
    int fUnits = 1;
    bool fChanged = false;
    bool fInGridWindow = false;
    std::vector<std::unique_ptr<TColumn>> fColumns;
};

} // namespace korva::gui

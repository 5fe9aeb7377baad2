#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gui/controls/GridTableList.h"

namespace korva::gui {

class TGridTable;

// Column kinds of a grid table, with the numeric type codes of column declarations.
enum class TColumnType : int {
    Enum = 0,   // integer, 1-based position in a list of names
    Int = 1,    // integer with default and entry range
    Float = 2,  // extended real with a unit code
    Table = 3,  // a sub-table per row
    String = 4, // text
};

// One column of a grid table: its declaration (headings, visibility, row-group behaviour and
// the kind-specific declaration) and one value per row. Rows are addressed 0-based.
// Accessing a value as another type than the column's throws EControlError("Data of wrong
// type"). Every value change sets the column's changed flag.
class TColumn
{
  public:
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual TColumnType Type() const = 0;
    // A column with the same declaration and no rows.
    virtual std::unique_ptr<TColumn> CloneDeclaration() const = 0;

    // Heading lines, top to bottom.
    std::vector<std::string> Headings;
    bool Visible = true;
    // A value written into one row of a row group is written into every row of the group.
    bool SameGroup = false;

    virtual int RowCount() const = 0;
    // Inserts `count` rows holding the column default before row `at` (at = RowCount appends).
    virtual void InsertRows(int at, int count) = 0;
    virtual void DeleteRows(int at, int count) = 0;
    // Copies the value of one row into another row of this column.
    virtual void CopyRow(int from, int to) = 0;

    virtual int GetInt(int row) const;
    virtual void SetInt(int row, int value);
    virtual long double GetFloat(int row) const;
    virtual void SetFloat(int row, long double value);
    virtual std::string GetString(int row) const;
    virtual void SetString(int row, const std::string& value);
    virtual TGridTable* GetTable(int row) const;

    // Text form of a cell.
    virtual std::string GetValue(int row) const = 0;
    // Setting from text (typed entry). `inGridWindow` is true while the table is shown in
    // its grid window, where integer entries are checked against their range; numbers in the
    // text use `decimalSeparator`.
    virtual void SetValue(int row, std::string_view text, bool inGridWindow,
                          char decimalSeparator) = 0;

    // Heading line `line` (0-based) as shown, in the given unit system (a real column's last
    // heading line carries its unit text).
    virtual std::string HeadingText(std::size_t line, int unitSystem) const;

    // Multiplies stored values by the factor between the two unit systems.
    virtual void ConvertUnits(int fromSystem, int toSystem);

    virtual bool GetChanged() const { return fChanged; }
    virtual void SetChanged(bool changed) { fChanged = changed; }

  protected:
    TColumn() = default;
    void CopyBase(TColumn& target) const;
    void CheckRow(int row) const;
    bool fChanged = false;
};

class TEnumColumn : public TColumn
{
  public:
    explicit TEnumColumn(std::vector<std::string> names) : Names(std::move(names)) {}
    TColumnType Type() const override { return TColumnType::Enum; }
    std::unique_ptr<TColumn> CloneDeclaration() const override;

    std::vector<std::string> Names;

    int RowCount() const override { return static_cast<int>(fValues.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRows(int at, int count) override;
    void CopyRow(int from, int to) override;
    int GetInt(int row) const override;
    void SetInt(int row, int value) override;
    std::string GetValue(int row) const override;
    void SetValue(int row, std::string_view text, bool inGridWindow,
                  char decimalSeparator) override;

  private:
    std::vector<int> fValues;
};

class TIntColumn : public TColumn
{
  public:
    TIntColumn(int defaultValue, int minimum, int maximum)
        : Default(defaultValue), Minimum(minimum), Maximum(maximum)
    {
    }
    TColumnType Type() const override { return TColumnType::Int; }
    std::unique_ptr<TColumn> CloneDeclaration() const override;

    int Default;
    int Minimum;
    int Maximum;

    int RowCount() const override { return static_cast<int>(fValues.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRows(int at, int count) override;
    void CopyRow(int from, int to) override;
    int GetInt(int row) const override;
    void SetInt(int row, int value) override;
    std::string GetValue(int row) const override;
    void SetValue(int row, std::string_view text, bool inGridWindow,
                  char decimalSeparator) override;

  private:
    std::vector<int> fValues;
};

class TFloatColumn : public TColumn
{
  public:
    TFloatColumn(std::string unitCode, long double defaultValue)
        : UnitCode(std::move(unitCode)), Default(defaultValue)
    {
    }
    TColumnType Type() const override { return TColumnType::Float; }
    std::unique_ptr<TColumn> CloneDeclaration() const override;

    std::string UnitCode;
    long double Default;

    int RowCount() const override { return static_cast<int>(fValues.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRows(int at, int count) override;
    void CopyRow(int from, int to) override;
    long double GetFloat(int row) const override;
    void SetFloat(int row, long double value) override;
    std::string GetValue(int row) const override;
    void SetValue(int row, std::string_view text, bool inGridWindow,
                  char decimalSeparator) override;
    std::string HeadingText(std::size_t line, int unitSystem) const override;
    void ConvertUnits(int fromSystem, int toSystem) override;

  private:
    std::vector<long double> fValues;
};

// A sub-table per row, made from templates: one template per enumeration value of the
// owning table's first column, or one for every row.
class TTableColumn : public TColumn
{
  public:
    explicit TTableColumn(TGridTableList templates) : Templates(std::move(templates)) {}
    ~TTableColumn() override;
    TColumnType Type() const override { return TColumnType::Table; }
    std::unique_ptr<TColumn> CloneDeclaration() const override;

    TGridTableList Templates;

    int RowCount() const override { return static_cast<int>(fValues.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRows(int at, int count) override;
    // Moves a copy of the sub-table (with its values) into the other row.
    void CopyRow(int from, int to) override;
    TGridTable* GetTable(int row) const override;
    // Puts a sub-table (or none) into a row, discarding the previous one.
    void SetTable(int row, std::unique_ptr<TGridTable> table);
    // Button caption: row number + ": " + the sub-table's caption.
    std::string GetValue(int row) const override;
    void SetValue(int row, std::string_view text, bool inGridWindow,
                  char decimalSeparator) override;
    void ConvertUnits(int fromSystem, int toSystem) override;
    bool GetChanged() const override;
    void SetChanged(bool changed) override;

  private:
    std::vector<std::unique_ptr<TGridTable>> fValues;
};

class TStringColumn : public TColumn
{
  public:
    TStringColumn(std::string defaultText, int minimumWidth)
        : Default(std::move(defaultText)), MinimumWidth(minimumWidth)
    {
    }
    TColumnType Type() const override { return TColumnType::String; }
    std::unique_ptr<TColumn> CloneDeclaration() const override;

    std::string Default;
    int MinimumWidth;

    int RowCount() const override { return static_cast<int>(fValues.size()); }
    void InsertRows(int at, int count) override;
    void DeleteRows(int at, int count) override;
    void CopyRow(int from, int to) override;
    std::string GetString(int row) const override;
    void SetString(int row, const std::string& value) override;
    std::string GetValue(int row) const override;
    void SetValue(int row, std::string_view text, bool inGridWindow,
                  char decimalSeparator) override;

  private:
    std::vector<std::string> fValues;
};

} // namespace korva::gui

#pragma once

#include <string>
#include <string_view>

namespace korva::gui {

class TGridTable;

// Handle of one cell (column, row) of a grid table, as returned by TGridTable::GetData. It
// reads and writes through the table, so row-group and sub-table rules apply.
class TData
{
  public:
    TData(TGridTable& table, int column, int row) : fTable(&table), fColumn(column), fRow(row) {}

    int GetInt() const;
    void SetInt(int value);
    long double GetFloat() const;
    void SetFloat(long double value);
    // Text form, and setting from text (typed entry).
    std::string GetValue() const;
    void SetValue(std::string_view text);
    // Sub-table of a table column's cell (nullptr when the row has none).
    TGridTable* GetData() const;

    int Column() const { return fColumn; }
    int Row() const { return fRow; }

  private:
    TGridTable* fTable;
    int fColumn;
    int fRow;
};

} // namespace korva::gui

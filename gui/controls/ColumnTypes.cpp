#include "gui/controls/ColumnTypes.h"

#include <climits>
#include <cmath>
#include <iterator>

#include "gui/controls/ControlError.h"
#include "gui/controls/ExpressionEvaluator.h"
#include "gui/controls/GridTable.h"
#include "gui/controls/UnitCodes.h"
#include "gui/model/NumberText.h"

namespace korva::gui {

namespace {

bool IsBlank(std::string_view text)
{
    for (char c : text)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

// Value of a typed numeric entry: "Entry cannot be blank." for an empty text, the text
// followed by " is not a valid number." when it is not an expression.
long double EvaluateEntry(std::string_view text, char decimalSeparator)
{
    if (IsBlank(text))
        throw EControlError(EControlError::Blank);
    try {
        return EvaluateExpression(text, decimalSeparator);
    } catch (const EControlError&) {
        throw EControlError(std::string(text) + EControlError::NotANumberSuffix);
    }
}

// Nearest integer (halves to even), kept inside the 32-bit range.
int RoundToInt(long double value)
{
    const long double rounded = std::nearbyint(value);
    if (rounded <= static_cast<long double>(INT_MIN))
        return INT_MIN;
    if (rounded >= static_cast<long double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(rounded);
}

bool IsWholeInt(long double value)
{
    return std::trunc(value) == value && value >= static_cast<long double>(INT_MIN) &&
           value <= static_cast<long double>(INT_MAX);
}

template <class T> void InsertValues(std::vector<T>& values, int at, int count, const T& value)
{
    if (count <= 0)
        return;
    values.insert(values.begin() + at, static_cast<std::size_t>(count), value);
}

template <class T> void EraseValues(std::vector<T>& values, int at, int count)
{
    if (count <= 0)
        return;
    values.erase(values.begin() + at, values.begin() + at + count);
}

[[noreturn]] void WrongType()
{
    throw EControlError(EControlError::WrongType);
}

} // namespace

// TColumn -------------------------------------------------------------------------------

int TColumn::GetInt(int) const
{
    WrongType();
}

void TColumn::SetInt(int, int)
{
    WrongType();
}

long double TColumn::GetFloat(int) const
{
    WrongType();
}

void TColumn::SetFloat(int, long double)
{
    WrongType();
}

std::string TColumn::GetString(int) const
{
    WrongType();
}

void TColumn::SetString(int, const std::string&)
{
    WrongType();
}

TGridTable* TColumn::GetTable(int) const
{
    WrongType();
}

std::string TColumn::HeadingText(std::size_t line, int) const
{
    return line < Headings.size() ? Headings[line] : std::string();
}

void TColumn::ConvertUnits(int, int) {}

void TColumn::CopyBase(TColumn& target) const
{
    target.Headings = Headings;
    target.Visible = Visible;
    target.SameGroup = SameGroup;
}

void TColumn::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        throw EControlError("Row index " + std::to_string(row) + " out of range");
}

// TEnumColumn ---------------------------------------------------------------------------

std::unique_ptr<TColumn> TEnumColumn::CloneDeclaration() const
{
    auto column = std::make_unique<TEnumColumn>(Names);
    CopyBase(*column);
    return column;
}

void TEnumColumn::InsertRows(int at, int count)
{
    InsertValues(fValues, at, count, 1);
}

void TEnumColumn::DeleteRows(int at, int count)
{
    EraseValues(fValues, at, count);
}

void TEnumColumn::CopyRow(int from, int to)
{
    SetInt(to, GetInt(from));
}

int TEnumColumn::GetInt(int row) const
{
    CheckRow(row);
    return fValues[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInt(int row, int value)
{
    CheckRow(row);
    fValues[static_cast<std::size_t>(row)] = value;
    fChanged = true;
}

std::string TEnumColumn::GetValue(int row) const
{
    return IntegerNumberText(GetInt(row));
}

void TEnumColumn::SetValue(int row, std::string_view text, bool, char decimalSeparator)
{
    const long double value = EvaluateEntry(text, decimalSeparator);
    if (!IsWholeInt(value))
        throw EControlError(EControlError::EnumNotInteger);
    SetInt(row, static_cast<int>(value));
}

// TIntColumn ----------------------------------------------------------------------------

std::unique_ptr<TColumn> TIntColumn::CloneDeclaration() const
{
    auto column = std::make_unique<TIntColumn>(Default, Minimum, Maximum);
    CopyBase(*column);
    return column;
}

void TIntColumn::InsertRows(int at, int count)
{
    InsertValues(fValues, at, count, Default);
}

void TIntColumn::DeleteRows(int at, int count)
{
    EraseValues(fValues, at, count);
}

void TIntColumn::CopyRow(int from, int to)
{
    SetInt(to, GetInt(from));
}

int TIntColumn::GetInt(int row) const
{
    CheckRow(row);
    return fValues[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInt(int row, int value)
{
    CheckRow(row);
    fValues[static_cast<std::size_t>(row)] = value;
    fChanged = true;
}

std::string TIntColumn::GetValue(int row) const
{
    return IntegerNumberText(GetInt(row));
}

void TIntColumn::SetValue(int row, std::string_view text, bool inGridWindow, char decimalSeparator)
{
    const long double value = EvaluateEntry(text, decimalSeparator);
    if (inGridWindow) {
        if (!IsWholeInt(value))
            throw EControlError(EControlError::IntNotInteger);
        if (value < Minimum || value > Maximum)
            throw EControlError("Entry must be between " + std::to_string(Minimum) + " and " +
                                std::to_string(Maximum) + ".");
    }
    SetInt(row, RoundToInt(value));
}

// TFloatColumn --------------------------------------------------------------------------

std::unique_ptr<TColumn> TFloatColumn::CloneDeclaration() const
{
    auto column = std::make_unique<TFloatColumn>(UnitCode, Default);
    CopyBase(*column);
    return column;
}

void TFloatColumn::InsertRows(int at, int count)
{
    InsertValues(fValues, at, count, Default);
}

void TFloatColumn::DeleteRows(int at, int count)
{
    EraseValues(fValues, at, count);
}

void TFloatColumn::CopyRow(int from, int to)
{
    SetFloat(to, GetFloat(from));
}

long double TFloatColumn::GetFloat(int row) const
{
    CheckRow(row);
    return fValues[static_cast<std::size_t>(row)];
}

void TFloatColumn::SetFloat(int row, long double value)
{
    CheckRow(row);
    fValues[static_cast<std::size_t>(row)] = value;
    fChanged = true;
}

std::string TFloatColumn::GetValue(int row) const
{
    return GeneralNumberText(GetFloat(row), 8);
}

void TFloatColumn::SetValue(int row, std::string_view text, bool, char decimalSeparator)
{
    SetFloat(row, EvaluateEntry(text, decimalSeparator));
}

std::string TFloatColumn::HeadingText(std::size_t line, int unitSystem) const
{
    std::string text = TColumn::HeadingText(line, unitSystem);
    if (!UnitCode.empty() && !Headings.empty() && line + 1 == Headings.size())
        text += " (" + UnitCodes::HeadingUnitText(UnitCode, unitSystem) + ")  ";
    return text;
}

void TFloatColumn::ConvertUnits(int fromSystem, int toSystem)
{
    const long double factor = UnitCodes::ConversionFactor(UnitCode, fromSystem, toSystem);
    if (factor == 1.0L)
        return;
    for (long double& value : fValues)
        value *= factor;
}

// TTableColumn --------------------------------------------------------------------------

TTableColumn::~TTableColumn() = default;

std::unique_ptr<TColumn> TTableColumn::CloneDeclaration() const
{
    auto column = std::make_unique<TTableColumn>(Templates);
    CopyBase(*column);
    return column;
}

void TTableColumn::InsertRows(int at, int count)
{
    if (count <= 0)
        return;
    std::vector<std::unique_ptr<TGridTable>> empty(static_cast<std::size_t>(count));
    fValues.insert(fValues.begin() + at, std::make_move_iterator(empty.begin()),
                   std::make_move_iterator(empty.end()));
}

void TTableColumn::DeleteRows(int at, int count)
{
    if (count <= 0)
        return;
    fValues.erase(fValues.begin() + at, fValues.begin() + at + count);
}

void TTableColumn::CopyRow(int from, int to)
{
    const TGridTable* source = GetTable(from);
    std::unique_ptr<TGridTable> copy = source != nullptr ? source->Duplicate() : nullptr;
    if (copy != nullptr)
        copy->ID = to + 1;
    SetTable(to, std::move(copy));
}

TGridTable* TTableColumn::GetTable(int row) const
{
    CheckRow(row);
    return fValues[static_cast<std::size_t>(row)].get();
}

void TTableColumn::SetTable(int row, std::unique_ptr<TGridTable> table)
{
    CheckRow(row);
    fValues[static_cast<std::size_t>(row)] = std::move(table);
    fChanged = true;
}

std::string TTableColumn::GetValue(int row) const
{
    const TGridTable* table = GetTable(row);
    return std::to_string(row + 1) + ": " + (table != nullptr ? table->Caption : std::string());
}

void TTableColumn::SetValue(int, std::string_view, bool, char)
{
    WrongType();
}

void TTableColumn::ConvertUnits(int, int toSystem)
{
    for (const std::unique_ptr<TGridTable>& table : fValues)
        if (table != nullptr)
            table->SetUnits(toSystem);
}

bool TTableColumn::GetChanged() const
{
    if (fChanged)
        return true;
    for (const std::unique_ptr<TGridTable>& table : fValues)
        if (table != nullptr && table->GetChanged())
            return true;
    return false;
}

void TTableColumn::SetChanged(bool changed)
{
    fChanged = changed;
    if (!changed)
        for (const std::unique_ptr<TGridTable>& table : fValues)
            if (table != nullptr)
                table->SetChanged(false);
}

// TStringColumn -------------------------------------------------------------------------

std::unique_ptr<TColumn> TStringColumn::CloneDeclaration() const
{
    auto column = std::make_unique<TStringColumn>(Default, MinimumWidth);
    CopyBase(*column);
    return column;
}

void TStringColumn::InsertRows(int at, int count)
{
    InsertValues(fValues, at, count, Default);
}

void TStringColumn::DeleteRows(int at, int count)
{
    EraseValues(fValues, at, count);
}

void TStringColumn::CopyRow(int from, int to)
{
    SetString(to, GetString(from));
}

std::string TStringColumn::GetString(int row) const
{
    CheckRow(row);
    return fValues[static_cast<std::size_t>(row)];
}

void TStringColumn::SetString(int row, const std::string& value)
{
    CheckRow(row);
    fValues[static_cast<std::size_t>(row)] = value;
    fChanged = true;
}

std::string TStringColumn::GetValue(int row) const
{
    return GetString(row);
}

void TStringColumn::SetValue(int row, std::string_view text, bool, char)
{
    SetString(row, std::string(text));
}

} // namespace korva::gui

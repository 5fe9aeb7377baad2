#include "gui/controls/GridTable.h"

#include <algorithm>

namespace korva::gui {

namespace {

constexpr const char* RowOutOfRange = "Grid.Row not in valid range";

} // namespace

TGridTable::TGridTable(TGridTableRegistry* registry) : fRegistry(registry)
{
    if (fRegistry != nullptr)
        fRegistry->Add(this);
}

TGridTable::~TGridTable()
{
    // Sub-tables go first, while this table is still whole.
    fColumns.clear();
    if (fRegistry != nullptr)
        fRegistry->Remove(this);
}

void TGridTable::CopyDeclarationFrom(const TGridTable& source)
{
    Caption = source.Caption;
    TopLeft = source.TopLeft;
    Comments = source.Comments;
    HelpPicture = source.HelpPicture;
    HardwiredButton = source.HardwiredButton;
    DecimalSeparator = source.DecimalSeparator;
    fMinRows = source.fMinRows;
    fMaxRows = source.fMaxRows;
    fRowGroup = source.fRowGroup;
    fUnits = source.fUnits;
    for (const std::unique_ptr<TColumn>& column : source.fColumns)
        fColumns.push_back(column->CloneDeclaration());
}

std::unique_ptr<TGridTable> TGridTable::CreateCopy(int id, const TGridTable& source)
{
    auto copy = std::make_unique<TGridTable>(source.fRegistry);
    copy->CopyDeclarationFrom(source);
    copy->ID = id;
    copy->SetRowCount(copy->fMinRows);
    copy->SetChanged(false);
    return copy;
}

std::unique_ptr<TGridTable> TGridTable::Duplicate() const
{
    auto copy = std::make_unique<TGridTable>(fRegistry);
    copy->CopyDeclarationFrom(*this);
    copy->ID = ID;
    copy->fOwner = fOwner;
    for (std::size_t c = 0; c < fColumns.size(); ++c)
        copy->fColumns[c]->InsertRows(0, fRowCount);
    copy->fRowCount = fRowCount;
    for (std::size_t c = 0; c < fColumns.size(); ++c) {
        const TColumn& from = *fColumns[c];
        TColumn& to = *copy->fColumns[c];
        for (int row = 0; row < fRowCount; ++row) {
            switch (from.Type()) {
            case TColumnType::Enum:
            case TColumnType::Int:
                to.SetInt(row, from.GetInt(row));
                break;
            case TColumnType::Float:
                to.SetFloat(row, from.GetFloat(row));
                break;
            case TColumnType::String:
                to.SetString(row, from.GetString(row));
                break;
            case TColumnType::Table: {
                const TGridTable* sub = from.GetTable(row);
                std::unique_ptr<TGridTable> subCopy = sub != nullptr ? sub->Duplicate() : nullptr;
                if (subCopy != nullptr)
                    subCopy->fOwner = copy.get();
                static_cast<TTableColumn&>(to).SetTable(row, std::move(subCopy));
                break;
            }
            }
        }
    }
    copy->fChanged = fChanged;
    for (std::size_t c = 0; c < fColumns.size(); ++c)
        if (!fColumns[c]->GetChanged())
            copy->fColumns[c]->SetChanged(false);
    return copy;
}

void TGridTable::SetIdentifier(int identifier)
{
    if (fRegistry != nullptr && identifier != 0) {
        TGridTable* other = fRegistry->Find(identifier);
        if (other != nullptr && other != this)
            other->fIdentifier = fIdentifier;
    }
    fIdentifier = identifier;
}

void TGridTable::SetMinRows(int minRows)
{
    if (minRows <= 0)
        throw EControlError(EControlError::MinRowsNotPositive);
    fMinRows = minRows;
}

// Columns -------------------------------------------------------------------------------

template <class TColumnClass> TColumnClass& TGridTable::Append(std::unique_ptr<TColumnClass> column)
{
    column->InsertRows(0, fRowCount);
    TColumnClass& added = *column;
    fColumns.push_back(std::move(column));
    if (added.Type() == TColumnType::Table)
        for (int row = 0; row < fRowCount; ++row)
            RenewSubTables(row);
    return added;
}

TEnumColumn& TGridTable::AddEnumColumn(std::vector<std::string> headings,
                                       std::vector<std::string> names)
{
    auto column = std::make_unique<TEnumColumn>(std::move(names));
    column->Headings = std::move(headings);
    return Append(std::move(column));
}

TIntColumn& TGridTable::AddIntColumn(std::vector<std::string> headings, int defaultValue,
                                     int minimum, int maximum)
{
    auto column = std::make_unique<TIntColumn>(defaultValue, minimum, maximum);
    column->Headings = std::move(headings);
    return Append(std::move(column));
}

TFloatColumn& TGridTable::AddFloatColumn(std::vector<std::string> headings, std::string unitCode,
                                         long double defaultValue)
{
    auto column = std::make_unique<TFloatColumn>(std::move(unitCode), defaultValue);
    column->Headings = std::move(headings);
    return Append(std::move(column));
}

TTableColumn& TGridTable::AddTableColumn(std::vector<std::string> headings,
                                         TGridTableList templates)
{
    auto column = std::make_unique<TTableColumn>(std::move(templates));
    column->Headings = std::move(headings);
    return Append(std::move(column));
}

TStringColumn& TGridTable::AddStringColumn(std::vector<std::string> headings,
                                           std::string defaultText, int minimumWidth)
{
    auto column = std::make_unique<TStringColumn>(std::move(defaultText), minimumWidth);
    column->Headings = std::move(headings);
    return Append(std::move(column));
}

void TGridTable::DeclareColumns(const std::vector<TColumnDeclaration>& declarations)
{
    int number = 0;
    for (const TColumnDeclaration& declaration : declarations) {
        ++number;
        try {
            TColumn* column = nullptr;
            switch (declaration.TypeCode) {
            case static_cast<int>(TColumnType::Enum):
                if (declaration.Names.empty())
                    throw EControlError("an enumeration needs at least one name");
                column = &AddEnumColumn(declaration.Headings, declaration.Names);
                break;
            case static_cast<int>(TColumnType::Int):
                if (declaration.IntMinimum > declaration.IntMaximum)
                    throw EControlError("the minimum exceeds the maximum");
                column = &AddIntColumn(declaration.Headings, declaration.IntDefault,
                                       declaration.IntMinimum, declaration.IntMaximum);
                break;
            case static_cast<int>(TColumnType::Float):
                column = &AddFloatColumn(declaration.Headings, declaration.UnitCode,
                                         declaration.FloatDefault);
                break;
            case static_cast<int>(TColumnType::Table): {
                if (fRegistry == nullptr)
                    throw EControlError("no table list to find the templates in");
                column = &AddTableColumn(
                    declaration.Headings,
                    TGridTableList::FromIdentifiers(*fRegistry, declaration.TemplateIdentifiers));
                break;
            }
            case static_cast<int>(TColumnType::String):
                column = &AddStringColumn(declaration.Headings, declaration.DefaultText,
                                          declaration.MinimumWidth);
                break;
            default:
                throw EControlError(EControlError::ColumnClass);
            }
            column->Visible = declaration.Visible;
            column->SameGroup = declaration.SameGroup;
        } catch (const EControlError& error) {
            if (std::string_view(error.what()) == EControlError::ColumnClass)
                throw;
            throw EControlError("Error occured when creating column " + std::to_string(number) +
                                ": " + error.what());
        }
    }
}

TColumn& TGridTable::Column(int column) const
{
    if (column < 0 || column >= ColumnCount())
        throw EControlError("Column index " + std::to_string(column) + " out of range");
    return *fColumns[static_cast<std::size_t>(column)];
}

std::string TGridTable::HeadingText(int column, std::size_t line) const
{
    return Column(column).HeadingText(line, fUnits);
}

std::size_t TGridTable::HeadingLineCount() const
{
    std::size_t lines = 0;
    for (const std::unique_ptr<TColumn>& column : fColumns)
        lines = std::max(lines, column->Headings.size());
    return lines;
}

bool TGridTable::HasVisibleColumns() const
{
    return std::any_of(fColumns.begin(), fColumns.end(),
                       [](const std::unique_ptr<TColumn>& column) { return column->Visible; });
}

// Rows ----------------------------------------------------------------------------------

std::unique_ptr<TGridTable> TGridTable::NewSubTable(const TTableColumn& column, int row) const
{
    int templateIndex = 0;
    if (!HardwiredButton && !fColumns.empty() && fColumns.front()->Type() == TColumnType::Enum)
        templateIndex = fColumns.front()->GetInt(row) - 1;
    const TGridTable* source = column.Templates.At(templateIndex);
    if (source == nullptr)
        return nullptr;
    std::unique_ptr<TGridTable> table = CreateCopy(row + 1, *source);
    // A fresh copy holds only defaults, which read the same in any unit system.
    table->fUnits = fUnits;
    table->fOwner = const_cast<TGridTable*>(this);
    return table;
}

void TGridTable::RenewSubTables(int row)
{
    for (const std::unique_ptr<TColumn>& column : fColumns)
        if (column->Type() == TColumnType::Table) {
            auto& tableColumn = static_cast<TTableColumn&>(*column);
            tableColumn.SetTable(row, NewSubTable(tableColumn, row));
        }
}

namespace {

// Sub-tables carry their row's number; rows moved by an insertion or deletion are renumbered.
void RenumberSubTables(const std::vector<std::unique_ptr<TColumn>>& columns, int rowCount)
{
    for (const std::unique_ptr<TColumn>& column : columns)
        if (column->Type() == TColumnType::Table)
            for (int row = 0; row < rowCount; ++row)
                if (TGridTable* table = column->GetTable(row))
                    table->ID = row + 1;
}

} // namespace

void TGridTable::SetRowCount(int n)
{
    n = std::max(n, 0);
    if (n == fRowCount)
        return;
    if (n < fRowCount) {
        for (const std::unique_ptr<TColumn>& column : fColumns)
            column->DeleteRows(n, fRowCount - n);
        fRowCount = n;
    } else {
        const int first = fRowCount;
        for (const std::unique_ptr<TColumn>& column : fColumns)
            column->InsertRows(first, n - first);
        fRowCount = n;
        for (int row = first; row < n; ++row)
            RenewSubTables(row);
    }
    fChanged = true;
}

void TGridTable::AddRowGroup()
{
    SetRowCount(fRowCount + fRowGroup);
}

void TGridTable::InsertRowGroup(int row)
{
    if (row < 0 || row >= fRowCount)
        throw EControlError(RowOutOfRange);
    const int first = GroupStart(row);
    for (const std::unique_ptr<TColumn>& column : fColumns)
        column->InsertRows(first, fRowGroup);
    fRowCount += fRowGroup;
    for (int r = first; r < first + fRowGroup; ++r)
        RenewSubTables(r);
    RenumberSubTables(fColumns, fRowCount);
    fChanged = true;
}

void TGridTable::DeleteRowGroup(int row)
{
    if (row < 0 || row >= fRowCount)
        throw EControlError(RowOutOfRange);
    const int first = GroupStart(row);
    const int count = std::min(fRowGroup, fRowCount - first);
    for (const std::unique_ptr<TColumn>& column : fColumns)
        column->DeleteRows(first, count);
    fRowCount -= count;
    RenumberSubTables(fColumns, fRowCount);
    fChanged = true;
}

void TGridTable::EnsureMinRows()
{
    if (fRowCount < fMinRows)
        SetRowCount(fMinRows);
}

// Cells ---------------------------------------------------------------------------------

void TGridTable::CheckCell(int column, int row) const
{
    Column(column);
    if (row < 0 || row >= fRowCount)
        throw EControlError("Row index " + std::to_string(row) + " out of range");
}

TData TGridTable::GetData(int column, int row)
{
    CheckCell(column, row);
    return TData(*this, column, row);
}

int TGridTable::GetIntValue(int column, int row) const
{
    CheckCell(column, row);
    return Column(column).GetInt(row);
}

long double TGridTable::GetFloatValue(int column, int row) const
{
    CheckCell(column, row);
    return Column(column).GetFloat(row);
}

std::string TGridTable::GetStringValue(int column, int row) const
{
    CheckCell(column, row);
    return Column(column).GetString(row);
}

TGridTable* TGridTable::GetTableValue(int column, int row) const
{
    CheckCell(column, row);
    return Column(column).GetTable(row);
}

std::string TGridTable::GetValue(int column, int row) const
{
    CheckCell(column, row);
    return Column(column).GetValue(row);
}

template <class TWrite> void TGridTable::WriteRows(int column, int row, TWrite write)
{
    CheckCell(column, row);
    TColumn& target = Column(column);
    const bool selectsSubTable =
        column == 0 && target.Type() == TColumnType::Enum && !HardwiredButton;
    int first = row;
    int last = row;
    if (target.SameGroup) {
        first = GroupStart(row);
        last = std::min(first + fRowGroup, fRowCount) - 1;
    }
    std::vector<int> previous;
    if (selectsSubTable)
        for (int r = first; r <= last; ++r)
            previous.push_back(target.GetInt(r));
    write(target, row);
    for (int r = first; r <= last; ++r)
        if (r != row)
            target.CopyRow(row, r);
    if (selectsSubTable)
        for (int r = first; r <= last; ++r) {
            bool missing = false;
            for (const std::unique_ptr<TColumn>& c : fColumns)
                if (c->Type() == TColumnType::Table && c->GetTable(r) == nullptr)
                    missing = true;
            // A new kind gives the row a fresh sub-table of that kind; the old one is dropped.
            if (target.GetInt(r) != previous[static_cast<std::size_t>(r - first)] || missing)
                RenewSubTables(r);
        }
}

void TGridTable::SetIntValue(int column, int row, int value)
{
    WriteRows(column, row, [value](TColumn& c, int r) { c.SetInt(r, value); });
}

void TGridTable::SetFloatValue(int column, int row, long double value)
{
    WriteRows(column, row, [value](TColumn& c, int r) { c.SetFloat(r, value); });
}

void TGridTable::SetStringValue(int column, int row, const std::string& value)
{
    WriteRows(column, row, [&value](TColumn& c, int r) { c.SetString(r, value); });
}

void TGridTable::SetValue(int column, int row, std::string_view text)
{
    WriteRows(column, row, [this, text](TColumn& c, int r) {
        c.SetValue(r, text, fInGridWindow, DecimalSeparator);
    });
}

void TGridTable::CopyRow(int from, int to)
{
    CheckCell(0, from);
    CheckCell(0, to);
    if (from == to)
        return;
    for (const std::unique_ptr<TColumn>& column : fColumns)
        column->CopyRow(from, to);
}

std::string TGridTable::WindowCaption() const
{
    std::vector<int> ids;
    for (const TGridTable* table = this; table != nullptr; table = table->fOwner)
        if (table->ID != 0)
            ids.push_back(table->ID);
    std::string caption = Caption;
    for (auto it = ids.rbegin(); it != ids.rend(); ++it)
        caption += " " + std::to_string(*it);
    return caption;
}

// Units ---------------------------------------------------------------------------------

void TGridTable::SetUnits(int system)
{
    system = std::clamp(system, 1, 3);
    if (system == fUnits)
        return;
    for (const std::unique_ptr<TColumn>& column : fColumns)
        column->ConvertUnits(fUnits, system);
    fUnits = system;
}

// Changed flags -------------------------------------------------------------------------

bool TGridTable::GetChanged() const
{
    if (fChanged)
        return true;
    return std::any_of(fColumns.begin(), fColumns.end(),
                       [](const std::unique_ptr<TColumn>& column) { return column->GetChanged(); });
}

void TGridTable::SetChanged(bool changed)
{
    fChanged = changed;
    if (!changed)
        for (const std::unique_ptr<TColumn>& column : fColumns)
            column->SetChanged(false);
}

} // namespace korva::gui
